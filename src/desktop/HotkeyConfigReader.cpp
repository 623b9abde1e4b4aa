#include "desktop/HotkeyConfigReader.h"

#include "actions/ActionTargets.h"
#include "app/AppConfiger.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/Control.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("HotkeyConfigReader", CHotkeyConfigReader);

bool CHotkeyConfigReader::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "group", group_);
  KRUI::ReadString(attributes, "key", key_);
  KRUI::ReadString(attributes, "to", to_);
  return true;
}

bool CHotkeyConfigReader::Execute(KRUI::CEventx& event) {
  KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event);
  if (!owner) return KRUI::kStopHandler;
  KRUI::CControl* control = owner->FindControl(to_);
  if (!control) return KRUI::kStopHandler;
  control->SetValue(KRUI::CAppConfiger::Instance().Read(group_, key_, "ctrl_k"));
  // Stops in every case: what follows a reader in its handler never runs.
  return KRUI::kStopHandler;
}
