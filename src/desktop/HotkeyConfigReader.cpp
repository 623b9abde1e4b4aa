#include "desktop/HotkeyConfigReader.h"

#include "actions/ActionTargets.h"
#include "app/AppConfiger.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("HotkeyConfigReader", CHotkeyConfigReader);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "puts a hotkey of conf.dat into a hotkey edit", {&::KRUI::kActionAttributes},
    {
        {"group", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat section"},
        {"key", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat key"},
        {"to", ::KRUI::AttributeSyntax::kControlPath, "", 127, nullptr, "the hotkey edit"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("HotkeyConfigReader", kElementDeclaration);

bool CHotkeyConfigReader::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "group", group_);
  KRUI::ReadString(attributes, "key", key_);
  KRUI::ReadString(attributes, "to", to_);
  return true;
}

KRUI::ActionResult CHotkeyConfigReader::Execute(KRUI::CEventx& event) {
  KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event);
  if (!owner) return KRUI::ActionResult::Stop;
  KRUI::CControl* control = owner->FindControl(to_);
  if (!control) return KRUI::ActionResult::Stop;
  control->SetValue(KRUI::CAppConfiger::Instance().Read(group_, key_, "ctrl_k"));
  // Stops in every case: what follows a reader in its handler never runs.
  return KRUI::ActionResult::Stop;
}
