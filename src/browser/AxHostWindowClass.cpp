#include "browser/AxHostWindowClass.h"

#include <string>

#include "browser/AxContainer.h"

namespace KRUI {
namespace {

bool RegisterOne(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  if (::GetClassInfoExW(instance, name, &wc)) return true;
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = name;
  return ::RegisterClassExW(&wc) != 0;
}

}  // namespace

bool CAxHostWindowClass::Register(HINSTANCE instance) {
  if (!instance) instance = ::GetModuleHandleW(nullptr);
  GetHostMessage();
  GetControlMessage();
  const bool plain = RegisterOne(instance, kClassName, &WindowProc);
  // Licensed creation needs a key we never have: the same window as the plain class.
  const bool licensed = RegisterOne(instance, kLicClassName, &WindowProc);
  return plain && licensed;
}

void CAxHostWindowClass::Unregister(HINSTANCE instance) {
  if (!instance) instance = ::GetModuleHandleW(nullptr);
  ::UnregisterClassW(kLicClassName, instance);
  ::UnregisterClassW(kClassName, instance);
}

UINT CAxHostWindowClass::GetHostMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"WM_ATLGETHOST");
  return message;
}

UINT CAxHostWindowClass::GetControlMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"WM_ATLGETCONTROL");
  return message;
}

LRESULT CALLBACK CAxHostWindowClass::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandleMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT CAxHostWindowClass::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CAxContainer* container = CAxContainer::FromWindow(hwnd);
  switch (message) {
    case WM_CREATE:
      if (!CAxContainer::AttachTo(hwnd)) return -1;
      CreateControlFromTitle(hwnd);
      break;
    case WM_SIZE:
      if (container) container->OnSize();
      break;
    case WM_SETFOCUS:
      if (container) container->OnSetFocus();
      break;
    case WM_ERASEBKGND:
      if (container && container->CoversClientArea()) return 1;
      break;
    case WM_DESTROY:
      // The control's own windows, children of this one, still exist here (they are gone
      // by WM_NCDESTROY): it is deactivated, closed and let go of while it can tear them down.
      if (container) container->ReleaseControl();
      break;
    case WM_NCDESTROY:
      CAxContainer::DetachFrom(hwnd);
      break;
    default:
      if (message == GetHostMessage()) {
        if (!container) return 0;
        container->AddRef();
        return reinterpret_cast<LRESULT>(static_cast<IOleClientSite*>(container));
      }
      if (message == GetControlMessage()) {
        return container ? reinterpret_cast<LRESULT>(container->ControlUnknown()) : 0;
      }
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void CAxHostWindowClass::CreateControlFromTitle(HWND hwnd) {
  CAxContainer* container = CAxContainer::FromWindow(hwnd);
  const int length = ::GetWindowTextLengthW(hwnd);
  if (!container || length <= 0) return;
  std::wstring title(static_cast<size_t>(length) + 1, L'\0');
  title.resize(static_cast<size_t>(::GetWindowTextW(hwnd, &title[0], length + 1)));
  if (title.empty()) return;
  CLSID clsid;
  const HRESULT hr = title[0] == L'{' ? ::CLSIDFromString(title.c_str(), &clsid)
                                      : ::CLSIDFromProgID(title.c_str(), &clsid);
  if (SUCCEEDED(hr)) container->CreateControl(clsid);
}

}  // namespace KRUI
