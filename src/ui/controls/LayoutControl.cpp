#include "ui/controls/LayoutControl.h"

#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Layout", CLayoutControl);

}  // namespace KRUI
