#include "actions/ShowComponentAction.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Win32Component.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShowComponent", CShowComponentAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "shows or hides a component (tray icon, menu)", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowId, "", 0, nullptr, "the component host window holding the component"},
        {"componentid", ::KRUI::AttributeSyntax::kComponentId, "", 0, nullptr, "the component"},
        {"show", ::KRUI::AttributeSyntax::kChoice, "", 0, "show|true|hide|false|auto|toggle", ""},
        {"destroy", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, "stored only"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowComponent", kElementDeclaration);

bool CShowComponentAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadString(attributes, "componentid", componentId_);
  ReadString(attributes, "show", show_);
  ReadFlag(attributes, "destroy", destroy_);
  return true;
}

ActionResult CShowComponentAction::Execute(CEventx&) {
  if (windowId_.empty() || componentId_.empty()) return ActionResult::Continue;
  // A plain id: "owner" means nothing special here.
  CHostWindow* window = CLayoutLoader::Instance().FindTopLevelWindow(windowId_);
  if (!window) return ActionResult::Continue;
  // Only the component host window holds components.
  CWin32Component* component = window->FindComponent(componentId_);
  if (!component) return ActionResult::Continue;

  if (show_ == "show" || show_ == "true") {
    component->Show();
  } else if (show_ == "hide" || show_ == "false") {
    component->Hide();
  } else if (show_ == "auto" || show_ == "toggle") {
    component->Toggle(0, 0);
  }
  return ActionResult::Continue;
}

}  // namespace KRUI
