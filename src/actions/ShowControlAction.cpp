#include "actions/ShowControlAction.h"

#include "actions/ActionTargets.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShowControl", CShowControlAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "shows or hides a control", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowRef, "", 0, nullptr, "the target window: an id, or \"owner\" for the window holding this element"},
        {"controlid", ::KRUI::AttributeSyntax::kControlPath, "", 127, nullptr, "the control"},
        {"show", ::KRUI::AttributeSyntax::kChoice, "", 0, "show|true|hide|false", ""},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowControl", kElementDeclaration);

bool CShowControlAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadString(attributes, "controlid", controlId_);
  ReadString(attributes, "show", show_);
  return true;
}

ActionResult CShowControlAction::Execute(CEventx& event) {
  CControl* control = nullptr;
  if (controlId_ == "owner") {
    // The sender itself, provided it is a control in an active window.
    CHostWindow* owner = OwnerWindowOf(event);
    if (!owner || !owner->IsActive()) return ActionResult::Continue;
    control = SenderControlOf(event);
  } else {
    CHostWindow* window = ResolveWindowReference(windowId_, event, EmptyReference::kOwner);
    if (!window || !window->IsActive()) return ActionResult::Continue;
    control = window->FindControl(controlId_);
  }
  if (!control) return ActionResult::Continue;

  bool visible;
  if (show_ == "true" || show_ == "show") {
    visible = true;
  } else if (show_ == "false" || show_ == "hide") {
    visible = false;
  } else {
    return ActionResult::Continue;
  }
  control->SetVisible(visible);
  control->Invalidate();
  return ActionResult::Continue;
}

}  // namespace KRUI
