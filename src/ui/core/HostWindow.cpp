#include "ui/core/HostWindow.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/Control.h"

namespace KRUI {

const AttributeSet CHostWindow::kAttributes = {
    "window",
    {
        {"id", AttributeSyntax::kText, "", 0, nullptr, "name other elements use in windowid", Into<&CHostWindow::id_>()},
        {"pos", AttributeSyntax::kPair, "0,0", kPairLimit, nullptr, "position on the screen when not centred",
         IntoPair<&CHostWindow::x_, &CHostWindow::y_>()},
        {"size", AttributeSyntax::kPair, "0,0", kPairLimit, nullptr, "client size",
         IntoPair<&CHostWindow::width_, &CHostWindow::height_>()},
        {"minsize", AttributeSyntax::kPair, "0,0", kPairLimit, nullptr, "smallest size the player may drag to",
         IntoPair<&CHostWindow::minWidth_, &CHostWindow::minHeight_>()},
        {"center", AttributeSyntax::kFlag, "true", 0, nullptr, "centred on the screen (or its owner)",
         Into<&CHostWindow::center_>()},
        {"visible", AttributeSyntax::kFlag, "true", 0, nullptr, "shown when created", Into<&CHostWindow::visible_>()},
        {"active", AttributeSyntax::kFlag, "false", 0, nullptr, "the main window, created at start-up",
         Into<&CHostWindow::active_>()},
    }};
const ElementDeclaration CHostWindow::kDeclaration = {kKindWindow, "a window", {&kAttributes}, {}, {}, {}};

HWND CHostWindow::Create(HWND) { return GetHwnd(); }

void CHostWindow::Close() {
  if (HWND hwnd = GetHwnd()) ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

int CHostWindow::Toggle(int command, int code) {
  HWND hwnd = GetHwnd();
  if (!hwnd) return 0;
  if (!::IsWindowVisible(hwnd)) return Show(command, false);
  if (::IsIconic(hwnd)) return Show(SW_RESTORE, false);
  Hide(code);
  return 0;
}

bool CHostWindow::Invalidate() {
  HWND hwnd = GetHwnd();
  return hwnd && ::InvalidateRect(hwnd, nullptr, FALSE);
}

bool CHostWindow::SetRootControl(CControl* control) {
  root_ = control;
  if (control) control->SetHostWindow(this);
  return true;
}

CControl* CHostWindow::GetRootControl() { return root_; }

CControl* CHostWindow::FindControl(const std::string& path) {
  if (!root_ || path.empty() || path.size() > kControlPathLimit) return nullptr;
  CControl* found = nullptr;
  size_t start = 0;
  for (;;) {
    size_t colon = path.find(':', start);
    std::string id = path.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    found = found ? found->FindChild(id) : (root_->Id() == id ? root_ : nullptr);
    if (!found || colon == std::string::npos) return found;
    start = colon + 1;
  }
}

bool CHostWindow::AddComponent(CWin32Component*) { return false; }

CWin32Component* CHostWindow::FindComponent(const std::string&) { return nullptr; }

}  // namespace KRUI
