#include "actions/ShowControlAction.h"

#include "actions/ActionTargets.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShowControl", CShowControlAction);
const ElementDeclaration CShowControlAction::kDeclaration = {
    kKindAction, "shows or hides a control of an active window and repaints the window", {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowRef, "", 0, nullptr, kOwnerWhenEmptyHelp,
         Into<&CShowControlAction::windowId_>()},
        // Not cut: FindControl finds nothing for a longer path.
        {"controlid", AttributeSyntax::kControlPath, "", 0, nullptr,
         "the control's path in that window, or \"owner\" for the control that raised the event; a path longer "
         "than 127 characters finds nothing",
         Into<&CShowControlAction::controlId_>()},
        {"show", AttributeSyntax::kChoice, "", 0, "show|true|hide|false",
         "show or true, hide or false; any other, or none, does nothing", Into<&CShowControlAction::show_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowControl", CShowControlAction::kDeclaration);

ActionResult CShowControlAction::Execute(CEventx& event) {
  CControl* control = nullptr;
  if (controlId_ == "owner") {
    // The sender itself, provided it is a control in an active window.
    CHostWindow* owner = OwnerWindowOf(event);
    if (!owner || !owner->IsActive()) return ActionResult::Continue;
    control = SenderControlOf(event);
  } else {
    CHostWindow* window = ResolveWindowReference(windowId_, event, AttributeSyntax::kWindowRef);
    if (!window || !window->IsActive()) return ActionResult::Continue;
    control = window->FindControl(controlId_);
  }
  if (!control) return ActionResult::Continue;

  bool visible;
  switch (show_) {
    case Show::kShow:
    case Show::kTrue: visible = true; break;
    case Show::kHide:
    case Show::kFalse: visible = false; break;
    default: return ActionResult::Continue;
  }
  control->SetVisible(visible);
  control->Invalidate();
  return ActionResult::Continue;
}

}  // namespace KRUI
