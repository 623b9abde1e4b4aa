// The native window of a FrameHostWindow. Every message passes, in order, the control tree
// (the host's dispatcher), the hover tracker, the frame's own handlers and the default
// window procedure; the first that consumes it ends its processing.
#pragma once
#include "ui/windows/MouseHoverLeaveTracker.h"
#include "ui/windows/NativeWindow.h"

namespace KRUI {

class CFrameHostWindow;

class _FrameWindow : public CNativeWindow {
 public:
  explicit _FrameWindow(CFrameHostWindow& host) : host_(host) {}
  HWND Create(HWND parent);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnCreate();
  void OnGetMinMaxInfo(MINMAXINFO* info);

  CFrameHostWindow& host_;
  _MouseHoverLeaveTracker tracker_;
  // Set at WM_CREATE, cleared by the first paint (see WM_PAINT).
  bool restackAfterFirstPaint_ = false;
};

}  // namespace KRUI
