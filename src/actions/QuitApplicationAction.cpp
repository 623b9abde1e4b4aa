#include "actions/QuitApplicationAction.h"

#include <windows.h>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("QuitApplication", CQuitApplicationAction);
const ElementDeclaration CQuitApplicationAction::kDeclaration = {
    kKindAction, "ends the launcher", {&CAction::kAttributes},
    {
        {"method", AttributeSyntax::kChoice, "", 0, "closewindow|exitprocess|quitmessage",
         "closewindow: close every window; exitprocess: end at once, without shutting down; quitmessage: end the "
         "message loop and shut down in order; any other, or none, does nothing",
         Into<&CQuitApplicationAction::method_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("QuitApplication", CQuitApplicationAction::kDeclaration);

ActionResult CQuitApplicationAction::Execute(CEventx&) {
  switch (method_) {
    case Method::kExitProcess:
      // At once: no shutdown step runs.
      ::ExitProcess(0);
    case Method::kQuitMessage:
      ::PostQuitMessage(0);
      break;
    case Method::kCloseWindow:
      // A running popup dialog ends with IDCANCEL; every other window gets WM_CLOSE posted.
      CLayoutLoader::Instance().CloseAllWindows();
      break;
    case Method::kOther:
      break;
  }
  return ActionResult::Continue;
}

}  // namespace KRUI
