// The window-procedure plumbing shared by the runtime's native windows: a class registered
// once per name, `this` carried through WM_NCCREATE, every message handed to the virtual
// WindowProc with no exception allowed to escape into the window system.
#pragma once
#include <windows.h>

namespace KRUI {

class CNativeWindow {
 public:
  CNativeWindow() = default;
  virtual ~CNativeWindow();
  CNativeWindow(const CNativeWindow&) = delete;
  CNativeWindow& operator=(const CNativeWindow&) = delete;

  // The handle while the native window exists (cleared at WM_NCDESTROY).
  HWND Handle() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window; the handle is known from
  // WM_NCCREATE on, so WM_CREATE already reaches WindowProc with it.
  HWND CreateNative(const wchar_t* className, UINT classStyle, DWORD exStyle, const wchar_t* title,
                    DWORD style, const RECT& rect, HWND parent);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The default procedure for the window of the message being handled.
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  HWND current_ = nullptr;  // the window of the message being handled, if any
};

}  // namespace KRUI
