#include "ui/core/Win32Component.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

const AttributeSet CWin32Component::kAttributes = {
    "component",
    {
        {"id", AttributeSyntax::kText, "", 0, nullptr, "name used in componentid", Into<&CWin32Component::id_>()},
        {"visible", AttributeSyntax::kFlag, "false", 0, nullptr, "shown when its window is created",
         Into<&CWin32Component::visible_>()},
    }};
const ElementDeclaration CWin32Component::kDeclaration = {kKindComponent, "a component", {&kAttributes}, {}, {}, {}};

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
