#include "browser/AcxHostWindow.h"

#include "browser/AxContainer.h"
#include "browser/AxHostWindowClass.h"

namespace KRUI {

WNDPROC _CAcxHostWindow::baseProc_ = nullptr;

_CAcxHostWindow::~_CAcxHostWindow() { Destroy(); }

bool _CAcxHostWindow::RegisterSuperclass() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  if (baseProc_ && ::GetClassInfoExW(instance, kClassName, &wc)) return true;
  if (!::GetClassInfoExW(instance, CAxHostWindowClass::kClassName, &wc)) return false;
  // Everything of the base class but its name and procedure, which now runs underneath ours.
  baseProc_ = wc.lpfnWndProc;
  wc.cbSize = sizeof(wc);
  wc.style &= ~CS_GLOBALCLASS;
  wc.lpfnWndProc = &_CAcxHostWindow::WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND _CAcxHostWindow::Create(HWND parent, const RECT& rect, DWORD style, DWORD exStyle) {
  Destroy();
  if (!RegisterSuperclass()) return nullptr;
  ::CreateWindowExW(exStyle, kClassName, nullptr, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, nullptr, ::GetModuleHandleW(nullptr), this);
  return hwnd_;
}

void _CAcxHostWindow::Destroy() {
  if (hwnd_) ::DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
  hwnd_ = nullptr;
}

HRESULT _CAcxHostWindow::CreateControl(REFCLSID clsid) {
  CAxContainer* container = CAxContainer::FromWindow(hwnd_);
  return container ? container->CreateControl(clsid) : E_FAIL;
}

HRESULT _CAcxHostWindow::QueryControl(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  CAxContainer* container = CAxContainer::FromWindow(hwnd_);
  return container ? container->QueryControl(iid, out) : E_FAIL;
}

LRESULT CALLBACK _CAcxHostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<_CAcxHostWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (self) self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  const LRESULT result = ::CallWindowProcW(baseProc_, hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    auto* self = reinterpret_cast<_CAcxHostWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (self) self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace KRUI
