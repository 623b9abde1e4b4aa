#include "ui/core/EventxHandler.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("EventHandler", CEventxHandler);

bool CEventxHandler::LoadAttributes(const AttributeMap& attributes) {
  ReadInt(attributes, "interest", interest_);
  return true;
}

}  // namespace KRUI
