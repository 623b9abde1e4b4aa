#include "ui/controls/LayoutControl.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Layout", CLayoutControl);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindControl, "a container that lays out its child controls", {&::KRUI::kControlAttributes},
    {
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Layout", kElementDeclaration);

}  // namespace KRUI
