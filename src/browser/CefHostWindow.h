// The borderless tool window a detached Chromium browser lives in: a top-level window of
// its own (no parent, no owner) that its control keeps over the host window. The runtime
// closes a browser by posting WM_CLOSE to the browser's top-level window, which is this one:
// it hands every close (and Alt+F4's system close) to the host window, and goes with the
// host, taking the browser window along.
#pragma once
#include <windows.h>

#include "ui/windows/NativeWindow.h"

namespace KRUI {

class CCefBrowserControl;

class _CefHostWindow : public CNativeWindow {
 public:
  explicit _CefHostWindow(CCefBrowserControl& control) noexcept : control_(control) {}
  // Creates the hidden tool window at rect (screen coordinates).
  HWND Create(const RECT& rect);
  // Destroys the native window now, if it still exists.
  void Destroy();

  static constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;        // 0x0B
  static constexpr DWORD kStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;  // 0x86000000
  static constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;                            // 0x80

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CCefBrowserControl& control_;
};

}  // namespace KRUI
