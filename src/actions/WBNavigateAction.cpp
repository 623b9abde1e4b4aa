#include "actions/WBNavigateAction.h"

#include "actions/ActionTargets.h"
#include "actions/BrowserTarget.h"
#include "browser/EmbedBrowser.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("WBNavigate", CWBNavigateAction);
const ElementDeclaration CWBNavigateAction::kDeclaration = {
    kKindAction, "loads an address in a browser control and writes retval into the event", {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowRefOrNone, "", 0, nullptr, kNoneWhenEmptyHelp,
         Into<&CWBNavigateAction::windowId_>()},
        // Not cut: FindControl finds nothing for a longer path.
        {"wbid", AttributeSyntax::kControlPath, "", 0, nullptr, kBrowserPathHelp,
         Into<&CWBNavigateAction::browserId_>()},
        {"url", AttributeSyntax::kText, "", 0, nullptr,
         "the address; with fromdata=\"event\" the event's text instead, and with any other fromdata nothing "
         "(retval is still written)",
         Into<&CWBNavigateAction::url_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("WBNavigate", CWBNavigateAction::kDeclaration);

ActionResult CWBNavigateAction::Execute(CEventx& event) {
  CEmbedBrowser* browser = FindEmbedBrowser(windowId_, browserId_, event);
  if (!browser) return ActionResult::Continue;

  if (fromdata_.empty()) {
    browser->Navigate(url_);
  } else if (fromdata_ == "event" && event.ParamText()) {
    // A copy: the browser may keep the text beyond this event.
    browser->Navigate(std::string(event.ParamText()));
  }
  // Any other fromdata (or an event without text) loads nothing.
  event.result = retval_;
  return ActionResult::Continue;
}

}  // namespace KRUI
