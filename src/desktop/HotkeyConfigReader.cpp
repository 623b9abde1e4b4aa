#include "desktop/HotkeyConfigReader.h"

#include "actions/ActionTargets.h"
#include "app/AppConfiger.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("HotkeyConfigReader", CHotkeyConfigReader);
const KRUI::ElementDeclaration CHotkeyConfigReader::kDeclaration = {
    KRUI::kKindAction, "puts a hotkey of conf.dat into a hotkey edit", {&KRUI::CAction::kAttributes},
    {
        {"group", KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat section",
         KRUI::Into<&CHotkeyConfigReader::group_>()},
        {"key", KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat key", KRUI::Into<&CHotkeyConfigReader::key_>()},
        {"to", KRUI::AttributeSyntax::kControlPath, "", 0, nullptr,
         "the hotkey edit in the event's owner window; a path longer than 127 characters finds none",
         KRUI::Into<&CHotkeyConfigReader::to_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("HotkeyConfigReader", CHotkeyConfigReader::kDeclaration);

KRUI::ActionResult CHotkeyConfigReader::Execute(KRUI::CEventx& event) {
  KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event);
  if (!owner) return KRUI::ActionResult::Stop;
  KRUI::CControl* control = owner->FindControl(to_);
  if (!control) return KRUI::ActionResult::Stop;
  control->SetValue(KRUI::CAppConfiger::Instance().Read(group_, key_, "ctrl_k"));
  // Stops in every case: what follows a reader in its handler never runs.
  return KRUI::ActionResult::Stop;
}
