#include "actions/WBCommandAction.h"

#include "actions/BrowserTarget.h"
#include "browser/EmbedBrowser.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("WBCommand", CWBCommandAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "sends a command to a browser control", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowRef, "", 0, nullptr, "the target window: an id, or \"owner\" for the window holding this element"},
        {"wbid", ::KRUI::AttributeSyntax::kControlPath, "", 127, nullptr, "the browser control"},
        {"cmd", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the command (refresh, ...)"},
        {"param", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "stored only"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("WBCommand", kElementDeclaration);

bool CWBCommandAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadString(attributes, "wbid", browserId_);
  ReadString(attributes, "cmd", command_);
  ReadString(attributes, "param", param_);
  return true;
}

ActionResult CWBCommandAction::Execute(CEventx& event) {
  CEmbedBrowser* browser = FindEmbedBrowser(windowId_, browserId_, event);
  if (!browser) return ActionResult::Continue;
  if (command_ == "refresh") browser->Refresh(false);
  return ActionResult::Continue;
}

}  // namespace KRUI
