#include "actions/QuitApplicationAction.h"

#include <windows.h>

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("QuitApplication", CQuitApplicationAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "ends the launcher", {&::KRUI::kActionAttributes},
    {
        {"method", ::KRUI::AttributeSyntax::kChoice, "", 0, "closewindow|exitprocess|quitmessage", "how"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("QuitApplication", kElementDeclaration);

bool CQuitApplicationAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "method", method_);
  return true;
}

ActionResult CQuitApplicationAction::Execute(CEventx&) {
  if (method_ == "exitprocess") {
    // At once: no shutdown step runs.
    ::ExitProcess(0);
  } else if (method_ == "quitmessage") {
    ::PostQuitMessage(0);
  } else if (method_ == "closewindow") {
    // A running popup dialog ends with IDCANCEL; every other window gets WM_CLOSE posted.
    CLayoutLoader::Instance().CloseAllWindows();
  }
  return ActionResult::Continue;
}

}  // namespace KRUI
