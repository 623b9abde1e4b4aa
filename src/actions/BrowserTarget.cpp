#include "actions/BrowserTarget.h"

#include "actions/ActionTargets.h"
#include "browser/EmbedBrowser.h"
#include "ui/core/Control.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

CEmbedBrowser* FindEmbedBrowser(const std::string& windowId, const std::string& browserPath,
                                const CEventx& event) {
  // An empty window id disables the action, even inside the browser's own window.
  CHostWindow* window = ResolveWindowReference(windowId, event, AttributeSyntax::kWindowRefOrNone);
  if (!window) return nullptr;
  CControl* control = window->FindControl(browserPath);
  // A cross-cast: the browser controls derive from CControl and CEmbedBrowser side by side.
  return control ? dynamic_cast<CEmbedBrowser*>(control) : nullptr;
}

}  // namespace KRUI
