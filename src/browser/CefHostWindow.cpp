#include "browser/CefHostWindow.h"

#include <cwchar>

#include "browser/CefBrowserControl.h"
#include "ui/core/HostWindow.h"

namespace KRUI {
namespace {

// A class name of the process's own making, unique to this module instance.
const wchar_t* GeneratedClassName() {
  static wchar_t name[40] = {0};
  if (!name[0]) std::swprintf(name, 40, L"KRUI:%p", static_cast<const void*>(&name));
  return name;
}

}  // namespace

HWND _CefHostWindow::Create(const RECT& rect) {
  if (Handle()) return Handle();
  return CreateNative(GeneratedClassName(), kClassStyle, kExStyle, nullptr, kStyle, rect, nullptr);
}

void _CefHostWindow::Destroy() {
  if (Handle()) ::DestroyWindow(Handle());
}

LRESULT _CefHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  CHostWindow* host = control_.HostWindow();
  HWND hostHwnd = host ? host->GetHwnd() : nullptr;
  if (!hostHwnd || !::IsWindow(hostHwnd)) return DefaultProc(message, wParam, lParam);
  switch (message) {
    case WM_SYSCOMMAND:
      // Alt+F4 in the page: the host decides as for its own system close (its layout may
      // ask first), later, in its own loop.
      if ((wParam & 0xFFF0) != SC_CLOSE) break;
      ::PostMessageW(hostHwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_CLOSE:
      // Synchronously: the host decides (first round: the page is asked; second round: the
      // host closes). This window never goes by itself: it goes with its host.
      ::SendMessageW(hostHwnd, WM_CLOSE, 0, 0);
      return 0;
    default:
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace KRUI
