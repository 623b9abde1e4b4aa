// The in-memory template a popup dialog runs from: a visible popup with one invisible,
// zero-sized default push button (id 1) so that Enter ends the dialog with 1.
#pragma once
#include "ui/core/Handles.h"

namespace KRUI {

constexpr size_t kDialogTemplateBytes = 1024;

// A zero-filled GMEM_ZEROINIT block of 1024 bytes; none when it cannot be allocated. The
// declared pixel position and size go in as dialog units.
UniqueHglobal BuildDialogTemplate(int x, int y, int width, int height);

}  // namespace KRUI
