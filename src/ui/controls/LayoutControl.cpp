#include "ui/controls/LayoutControl.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Layout", CLayoutControl);
const ElementDeclaration CLayoutControl::kDeclaration = {
    kKindControl, "a container that lays out its child controls", {&CControl::kAttributes}, {}, {}, {}};
KRUI_DECLARE_ELEMENT("Layout", CLayoutControl::kDeclaration);

}  // namespace KRUI
