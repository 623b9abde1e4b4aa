#include "actions/StopPropagation.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("StopPropagation", CStopPropagation);
const ElementDeclaration CStopPropagation::kDeclaration = {
    kKindAction, "stops the event: no later action of this handler and no later handler runs",
    {&CAction::kAttributes}, {}, {}, {}};
KRUI_DECLARE_ELEMENT("StopPropagation", CStopPropagation::kDeclaration);

ActionResult CStopPropagation::Execute(CEventx& event) {
  event.propagate = false;
  return ActionResult::Stop;
}

}  // namespace KRUI
