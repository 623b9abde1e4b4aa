#include "ui/core/Action.h"

#include "ui/core/AttributeValue.h"

namespace KRUI {

bool CAction::LoadAttributes(const AttributeMap& attributes) {
  ReadInt(attributes, "interest", interest_);
  ReadInt(attributes, "retval", retval_);
  ReadString(attributes, "fromdata", fromdata_);
  return true;
}

}  // namespace KRUI
