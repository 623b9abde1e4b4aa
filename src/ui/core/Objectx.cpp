#include "ui/core/Objectx.h"

#include "ui/core/ElementDeclaration.h"

namespace KRUI {

bool CObjectx::LoadAttributes(const AttributeMap& attributes) {
  LoadDeclaredAttributes(*this, Declaration(), attributes);
  return true;
}

}  // namespace KRUI
