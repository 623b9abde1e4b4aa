#include "ui/core/EventxHandler.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("EventHandler", CEventxHandler);
const ElementDeclaration CEventxHandler::kDeclaration = {
    kKindEventHandler, "runs its actions, in order, when its owner raises the event it is interested in", {},
    {
        {"interest", AttributeSyntax::kEventNumber, "0", 0, nullptr, "the event number of the owner",
         Into<&CEventxHandler::interest_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("EventHandler", CEventxHandler::kDeclaration);

}  // namespace KRUI
