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
  if (message == WM_CLOSE) {
    // Synchronously: the host decides (and closes) before this window goes.
    CHostWindow* host = control_.HostWindow();
    HWND hostHwnd = host ? host->GetHwnd() : nullptr;
    if (hostHwnd) ::SendMessageW(hostHwnd, WM_CLOSE, 0, 0);
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace KRUI
