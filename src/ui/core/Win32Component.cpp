#include "ui/core/Win32Component.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

bool CWin32Component::LoadAttributes(const AttributeMap& attributes) {
  ReadString(attributes, "id", id_);
  ReadFlag(attributes, "visible", visible_);
  return true;
}

LRESULT CWin32Component::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  for (CWin32Component* child : children_) {
    if (!child) continue;
    bool childHandled = false;
    LRESULT r = child->HandleMessage(message, wParam, lParam, childHandled);
    if (childHandled) {
      handled = true;
      return r;
    }
  }
  return 0;
}

int CWin32Component::AddChild(CWin32Component* component) {
  if (!component) return 0;
  children_.push_back(component);
  return static_cast<int>(children_.size());
}

void CWin32Component::Show() {
  if (host_) host_->Create(nullptr);
}

void CWin32Component::Hide() {}

void CWin32Component::Toggle(int, int) {}

}  // namespace KRUI
