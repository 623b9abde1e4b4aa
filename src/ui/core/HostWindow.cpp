#include "ui/core/HostWindow.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/Control.h"

namespace KRUI {

bool CHostWindow::LoadAttributes(const AttributeMap& attributes) {
  ReadString(attributes, "id", id_);
  ReadPair(attributes, "pos", x_, y_);
  ReadPair(attributes, "size", width_, height_);
  ReadPair(attributes, "minsize", minWidth_, minHeight_);
  ReadFlag(attributes, "center", center_);
  ReadFlag(attributes, "visible", visible_);
  ReadFlag(attributes, "active", active_);
  return true;
}

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
