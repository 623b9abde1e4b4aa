#include "desktop/Win32ContextMenu.h"

#include "desktop/Win32MenuItem.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("Win32ContextMenu", CWin32ContextMenu);
const KRUI::ElementDeclaration CWin32ContextMenu::kDeclaration = {
    KRUI::kKindComponent, "a pop-up menu of Win32MenuItem entries", {&KRUI::CWin32Component::kAttributes},
    {
        {"group", KRUI::AttributeSyntax::kInteger, "0", 0, nullptr,
         "menu group: its entries' command identifiers are group * 100 + index",
         KRUI::Into<&CWin32ContextMenu::group_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Win32ContextMenu", CWin32ContextMenu::kDeclaration);

LRESULT CWin32ContextMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  switch (message) {
    case WM_CREATE:
      Build();
      break;
    case WM_DESTROY:
      menu_.reset();
      break;
    case WM_COMMAND:
      // A menu command has a zero high word; only this menu's group reaches its items.
      if (HIWORD(wParam) == 0) {
        const unsigned id = LOWORD(wParam);
        if (group_ >= 0 && id / kMenuItemsPerGroup == static_cast<unsigned>(group_)) {
          return CWin32Component::HandleMessage(message, id % kMenuItemsPerGroup, lParam, handled);
        }
      }
      break;
    default:
      break;
  }
  return 0;
}

void CWin32ContextMenu::Build() {
  menu_.reset(::CreatePopupMenu());
  if (!menu_) return;
  for (KRUI::CWin32Component* child : children_) {
    auto* item = dynamic_cast<CWin32MenuItem*>(child);
    if (!item) continue;
    const long long id = static_cast<long long>(group_) * kMenuItemsPerGroup + item->Index();
    UINT flags = item->IsSeparator() ? MF_SEPARATOR : MF_STRING;
    // An index outside 0..99, or an identifier a WM_COMMAND cannot carry, would come back
    // as a command of another group's entry: such an entry is shown but cannot be chosen.
    const bool choosable = item->Index() >= 0 && item->Index() < kMenuItemsPerGroup && id >= 0 && id <= 0xFFFF;
    if (!item->IsSeparator() && !choosable) flags |= MF_GRAYED;
    const std::wstring text = KRUI::ThreadAnsiToWide(item->Text());
    ::AppendMenuW(menu_.get(), flags, static_cast<UINT_PTR>(id), item->IsSeparator() ? nullptr : text.c_str());
  }
}

void CWin32ContextMenu::Show() {
  if (!menu_) return;
  HWND host = host_ ? host_->GetHwnd() : nullptr;
  POINT pt = {};
  ::GetCursorPos(&pt);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(host);
  ::TrackPopupMenu(menu_.get(), 0, pt.x + 1, pt.y - 1, 0, host, nullptr);
  // Lets the menu's own loop end cleanly before the next pop-up.
  ::PostMessageW(host, WM_NULL, 0, 0);
}
