#include "desktop/HotkeyConfigWriter.h"

#include "actions/ActionTargets.h"
#include "app/AppConfiger.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("HotkeyConfigWriter", CHotkeyConfigWriter);
const KRUI::ElementDeclaration CHotkeyConfigWriter::kDeclaration = {
    KRUI::kKindAction, "saves the combination of the hotkey edit named by fromdata to conf.dat",
    {&KRUI::CAction::kAttributes},
    {
        {"group", KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat section",
         KRUI::Into<&CHotkeyConfigWriter::group_>()},
        {"key", KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat key", KRUI::Into<&CHotkeyConfigWriter::key_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("HotkeyConfigWriter", CHotkeyConfigWriter::kDeclaration);

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
