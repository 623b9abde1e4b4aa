// The native dialog of a PopupHostDialog, reused for every run. Its messages pass the
// control tree, the hover tracker and the dialog's own handlers, in that order.
#pragma once
#include <windows.h>

#include "ui/windows/MouseHoverLeaveTracker.h"

namespace KRUI {

class CPopupHostDialog;

class _PopupDialog {
 public:
  explicit _PopupDialog(CPopupHostDialog& host) : host_(host) {}
  _PopupDialog(const _PopupDialog&) = delete;
  _PopupDialog& operator=(const _PopupDialog&) = delete;

  // Runs one modal dialog; its end code, or -1 when it could not be made.
  INT_PTR Run(HWND owner);
  HWND Handle() const { return hwnd_; }

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // True when consumed; result is the message's answer. hwnd is the handle the system
  // passes, which stays right whatever the object's own record says.
  bool DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  CPopupHostDialog& host_;
  HWND hwnd_ = nullptr;
  _MouseHoverLeaveTracker tracker_;
  // Set at each run's WM_INITDIALOG, cleared by its first paint (see WM_PAINT).
  bool restackAfterFirstPaint_ = false;
};

}  // namespace KRUI
