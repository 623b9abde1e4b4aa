#include "actions/WBNavigateAction.h"

#include "actions/BrowserTarget.h"
#include "browser/EmbedBrowser.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("WBNavigate", CWBNavigateAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "loads an address in a browser control", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowRef, "", 0, nullptr, "the target window: an id, or \"owner\" for the window holding this element"},
        {"wbid", ::KRUI::AttributeSyntax::kControlPath, "", 127, nullptr, "the browser control"},
        {"url", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the address; with fromdata=\"event\" the event's text"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("WBNavigate", kElementDeclaration);

bool CWBNavigateAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadString(attributes, "wbid", browserId_);
  ReadString(attributes, "url", url_);
  return true;
}

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
