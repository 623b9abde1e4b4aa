#include "desktop/Win32MenuItem.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

KRUI_REGISTER_ELEMENT("Win32MenuItem", CWin32MenuItem);
const KRUI::ElementDeclaration CWin32MenuItem::kDeclaration = {
    KRUI::kKindComponent, "an entry of a context menu", {&KRUI::CWin32Component::kAttributes},
    {
        {"separator", KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, "a separator line instead of an entry",
         KRUI::Into<&CWin32MenuItem::separator_>()},
        {"index", KRUI::AttributeSyntax::kInteger, "-1", 0, nullptr,
         "position code in the menu's group; only 0 to 99 can be chosen", KRUI::Into<&CWin32MenuItem::index_>()},
        {"text", KRUI::AttributeSyntax::kText, "", 0, nullptr, "the entry's caption",
         KRUI::Into<&CWin32MenuItem::text_>()},
    },
    {{kMenuCommandEvent, "chosen", "the entry was chosen in its menu"}},
    {}};
KRUI_DECLARE_ELEMENT("Win32MenuItem", CWin32MenuItem::kDeclaration);

LRESULT CWin32MenuItem::HandleMessage(UINT message, WPARAM wParam, LPARAM, bool&) {
  // The menu hands on only indexes 0..99, so an index outside them never matches.
  if (message == WM_COMMAND && index_ >= 0 && static_cast<WPARAM>(index_) == wParam) {
    RaiseEvent(this, kMenuCommandEvent);
  }
  return 0;
}
