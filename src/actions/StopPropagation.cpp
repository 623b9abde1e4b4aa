#include "actions/StopPropagation.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("StopPropagation", CStopPropagation);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "stops the event from going to the parents' handlers", {&::KRUI::kActionAttributes},
    {
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("StopPropagation", kElementDeclaration);

ActionResult CStopPropagation::Execute(CEventx& event) {
  event.propagate = false;
  return ActionResult::Stop;
}

}  // namespace KRUI
