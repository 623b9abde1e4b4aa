#include "ui/windows/NativeWindow.h"

#include "app/LauncherResources.h"

namespace KRUI {

CNativeWindow::~CNativeWindow() {
  if (hwnd_) {
    // The object goes first: detach it so late messages take the default path.
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

HWND CNativeWindow::CreateNative(const wchar_t* className, UINT classStyle, DWORD exStyle,
                                 const wchar_t* title, DWORD style, const RECT& rect, HWND parent) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  if (!::GetClassInfoExW(instance, className, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = &CNativeWindow::StaticWindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    // The program's own icon (none in a program without one) for the taskbar and Alt+Tab: a
    // window's `icon` attribute still replaces it through WM_SETICON. Shared icons, never
    // destroyed.
    wc.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(KRUI_LAUNCHER_ICON), IMAGE_ICON, 0, 0,
                                               LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(KRUI_LAUNCHER_ICON), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                 LR_SHARED));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    if (!::RegisterClassExW(&wc)) return nullptr;
  }
  return ::CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, nullptr, instance, this);
}

LRESULT CNativeWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(::DefWindowProcW, current_ ? current_ : hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CNativeWindow::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<CNativeWindow*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CNativeWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  // The window this message is for: after a close and re-open inside a handler, the
  // object's own handle already names the next window while this message is unfinished.
  HWND outer = self->current_;
  self->current_ = hwnd;
  try {
    result = self->WindowProc(message, wParam, lParam);
  } catch (...) {
    result = ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  self->current_ = outer;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    // A reused object may already hold its next window.
    if (self->hwnd_ == hwnd) self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace KRUI
