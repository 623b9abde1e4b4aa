#include "desktop/Win32MenuItem.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

KRUI_REGISTER_ELEMENT("Win32MenuItem", CWin32MenuItem);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindComponent, "an entry of a context menu", {&::KRUI::kComponentAttributes},
    {
        {"separator", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, ""},
        {"index", ::KRUI::AttributeSyntax::kInteger, "-1", 0, nullptr, "position in the menu"},
        {"text", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, ""},
    },
    {{101, "chosen"}},
    {}};
KRUI_DECLARE_ELEMENT("Win32MenuItem", kElementDeclaration);

bool CWin32MenuItem::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CWin32Component::LoadAttributes(attributes);
  KRUI::ReadFlag(attributes, "separator", separator_);
  KRUI::ReadInt(attributes, "index", index_);
  KRUI::ReadString(attributes, "text", text_);
  return true;
}

LRESULT CWin32MenuItem::HandleMessage(UINT message, WPARAM wParam, LPARAM, bool&) {
  // The menu hands on only indexes 0..99, so an index outside them never matches.
  if (message == WM_COMMAND && index_ >= 0 && static_cast<WPARAM>(index_) == wParam) {
    RaiseEvent(this, kMenuCommandEvent);
  }
  return 0;
}
