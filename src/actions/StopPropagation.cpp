#include "actions/StopPropagation.h"

#include "actions/ActionTargets.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("StopPropagation", CStopPropagation);

bool CStopPropagation::Execute(CEventx& event) {
  event.propagate = false;
  return kStopHandler;
}

}  // namespace KRUI
