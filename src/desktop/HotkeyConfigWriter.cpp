#include "desktop/HotkeyConfigWriter.h"

#include "actions/ActionTargets.h"
#include "app/AppConfiger.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("HotkeyConfigWriter", CHotkeyConfigWriter);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "saves a hotkey edit's combination to conf.dat", {&::KRUI::kActionAttributes},
    {
        {"group", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat section"},
        {"key", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat key"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("HotkeyConfigWriter", kElementDeclaration);

bool CHotkeyConfigWriter::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "group", group_);
  KRUI::ReadString(attributes, "key", key_);
  return true;
}

KRUI::ActionResult CHotkeyConfigWriter::Execute(KRUI::CEventx& event) {
  // "fromdata" names the control; "event" (the event's own data) means nothing here.
  if (fromdata_.empty() || fromdata_ == "event") return KRUI::ActionResult::Continue;
  KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event);
  if (!owner) return KRUI::ActionResult::Continue;
  KRUI::CControl* control = owner->FindControl(fromdata_);
  if (!control) return KRUI::ActionResult::Continue;
  KRUI::CAppConfiger::Instance().Write(group_, key_, control->GetValue());
  return KRUI::ActionResult::Continue;
}
