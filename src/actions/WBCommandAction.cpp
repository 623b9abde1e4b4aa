#include "actions/WBCommandAction.h"

#include "actions/ActionTargets.h"
#include "actions/BrowserTarget.h"
#include "browser/EmbedBrowser.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("WBCommand", CWBCommandAction);
const ElementDeclaration CWBCommandAction::kDeclaration = {
    kKindAction, "sends a command to a browser control", {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowRefOrNone, "", 0, nullptr, kNoneWhenEmptyHelp,
         Into<&CWBCommandAction::windowId_>()},
        // Not cut: FindControl finds nothing for a longer path.
        {"wbid", AttributeSyntax::kControlPath, "", 0, nullptr, kBrowserPathHelp,
         Into<&CWBCommandAction::browserId_>()},
        {"cmd", AttributeSyntax::kChoice, "", 0, "refresh",
         "refresh: reload the page, using the cache; any other, or none, does nothing",
         Into<&CWBCommandAction::command_>()},
        {"param", AttributeSyntax::kText, "", 0, nullptr, "stored only", Into<&CWBCommandAction::param_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("WBCommand", CWBCommandAction::kDeclaration);

ActionResult CWBCommandAction::Execute(CEventx& event) {
  CEmbedBrowser* browser = FindEmbedBrowser(windowId_, browserId_, event);
  if (!browser) return ActionResult::Continue;
  if (command_ == Command::kRefresh) browser->Refresh(false);
  return ActionResult::Continue;
}

}  // namespace KRUI
