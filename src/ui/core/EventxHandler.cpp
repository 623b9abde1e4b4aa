#include "ui/core/EventxHandler.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("EventHandler", CEventxHandler);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindEventHandler, "runs its actions, in order, when its owner raises the event it is interested in", {},
    {
        {"interest", ::KRUI::AttributeSyntax::kEventNumber, "0", 0, nullptr, "the event number of the owner"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("EventHandler", kElementDeclaration);

bool CEventxHandler::LoadAttributes(const AttributeMap& attributes) {
  ReadInt(attributes, "interest", interest_);
  return true;
}

}  // namespace KRUI
