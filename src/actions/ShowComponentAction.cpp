#include "actions/ShowComponentAction.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Win32Component.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShowComponent", CShowComponentAction);
const ElementDeclaration CShowComponentAction::kDeclaration = {
    kKindAction, "shows, hides or toggles a component (tray icon, menu)", {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowId, "", 0, nullptr,
         "the id of the component host window holding the component (\"owner\" is an id like any other); empty "
         "does nothing",
         Into<&CShowComponentAction::windowId_>()},
        {"componentid", AttributeSyntax::kComponentId, "", 0, nullptr,
         "the id of a component written directly inside that window; empty does nothing",
         Into<&CShowComponentAction::componentId_>()},
        {"show", AttributeSyntax::kChoice, "", 0, "show|true|hide|false|auto|toggle",
         "show or true, hide or false, auto or toggle (switch between the two); any other, or none, does nothing",
         Into<&CShowComponentAction::show_>()},
        {"destroy", AttributeSyntax::kFlag, "false", 0, nullptr, "stored only", Into<&CShowComponentAction::destroy_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowComponent", CShowComponentAction::kDeclaration);

ActionResult CShowComponentAction::Execute(CEventx&) {
  if (windowId_.empty() || componentId_.empty()) return ActionResult::Continue;
  // A plain id: "owner" means nothing special here.
  CHostWindow* window = CLayoutLoader::Instance().FindTopLevelWindow(windowId_);
  if (!window) return ActionResult::Continue;
  // Only the component host window holds components.
  CWin32Component* component = window->FindComponent(componentId_);
  if (!component) return ActionResult::Continue;

  switch (show_) {
    case Show::kShow:
    case Show::kTrue: component->Show(); break;
    case Show::kHide:
    case Show::kFalse: component->Hide(); break;
    case Show::kAuto:
    case Show::kToggle: component->Toggle(0, 0); break;
    case Show::kOther: break;
  }
  return ActionResult::Continue;
}

}  // namespace KRUI
