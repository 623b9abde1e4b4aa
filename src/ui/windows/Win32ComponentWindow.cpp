#include "ui/windows/Win32ComponentWindow.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Win32Component.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Win32ComponentHostWindow", CWin32ComponentWindow);
const ElementDeclaration CWin32ComponentWindow::kDeclaration = {
    kKindWindow, "a window never shown that holds components (tray icon, menu, hotkey)", {&CHostWindow::kAttributes},
    {}, {}, {}};
KRUI_DECLARE_ELEMENT("Win32ComponentHostWindow", CWin32ComponentWindow::kDeclaration);

HWND CWin32ComponentWindow::Create(HWND) {
  if (Handle() && ::IsWindow(Handle())) return Handle();
  const RECT rect = {-1, -1, 0, 0};
  // The class name is spelled as the components' code has always known it.
  CreateNative(L"WIN32_COMPNONTE_WINDOW", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, WS_EX_TOOLWINDOW, nullptr,
               WS_POPUP, rect, ::GetDesktopWindow());
  return GetHwnd();
}

bool CWin32ComponentWindow::AddComponent(CWin32Component* component) {
  if (!component) return false;
  component->SetHostWindow(this);
  components_.push_back(component);
  return true;
}

CWin32Component* CWin32ComponentWindow::FindComponent(const std::string& id) {
  for (CWin32Component* component : components_) {
    if (component->Id() == id) return component;
  }
  return nullptr;
}

LRESULT CWin32ComponentWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  for (CWin32Component* component : components_) {
    bool handled = false;
    LRESULT result = component->HandleMessage(message, wParam, lParam, handled);
    if (handled) return result;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace KRUI
