#include "desktop/HotkeyEditControl.h"

#include <imm.h>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"

KRUI_REGISTER_ELEMENT("HotkeyEdit", CHotkeyEditControl);
const KRUI::ElementDeclaration CHotkeyEditControl::kDeclaration = {
    KRUI::kKindControl, "an edit box that records a key combination",
    {&KRUI::CControl::kAttributes, &KRUI::CEditControl::kFontAttributes}, {}, {}, {}};
KRUI_DECLARE_ELEMENT("HotkeyEdit", CHotkeyEditControl::kDeclaration);

namespace {

// Every hotkey edit replaces the same system edit procedure, so one remembered copy
// serves them all.
WNDPROC g_editProc = nullptr;

// The flag a modifier key sets in a combination; none for any other key.
bool* ModifierOf(HotkeyCombination& combination, unsigned key) {
  switch (key) {
    case VK_CONTROL:
      return &combination.ctrl;
    case VK_SHIFT:
      return &combination.shift;
    case VK_MENU:
      return &combination.alt;
    default:
      return nullptr;
  }
}

}  // namespace

LRESULT CHotkeyEditControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CEditControl::HandleMessage(message, wParam, lParam, handled);
  if (message == WM_CREATE || message == WM_INITDIALOG) Subclass();
  return result;
}

void CHotkeyEditControl::Subclass() {
  HWND edit = EditHandle();
  if (!edit) return;
  ::SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  auto previous = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CHotkeyEditControl::EditProc)));
  if (previous && previous != &CHotkeyEditControl::EditProc) g_editProc = previous;
  // No input method composes text into the box: it takes keys only.
  ::ImmAssociateContext(edit, nullptr);
}

LRESULT CALLBACK CHotkeyEditControl::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CHotkeyEditControl*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    try {
      switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
          // An input method's stand-in code is no key the player pressed.
          if (wParam != VK_PROCESSKEY) self->OnKeyDown(static_cast<unsigned>(wParam));
          return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
          if (wParam != VK_PROCESSKEY) self->OnKeyUp(static_cast<unsigned>(wParam));
          return 0;
        // Alt+letter would reach the system (Alt+Space opens the window menu) and composed
        // or dead-key characters would be typed.
        case WM_SYSCHAR:
        case WM_SYSDEADCHAR:
        case WM_DEADCHAR:
        case WM_IME_CHAR:
        case WM_IME_COMPOSITION:
        case WM_CHAR:
        // Pasting, cutting, clearing and undoing from the box's own menu would put
        // characters in (or take the shown combination out) just as typing would.
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
          return 0;
        case WM_KILLFOCUS:
          // Keys released while the box had no focus never report their release; still
          // counted as held, their next press would pass for auto-repeat.
          self->pressed_.clear();
          break;
        default:
          break;
      }
    } catch (...) {
      return 0;  // the set could not grow: the key is dropped
    }
  }
  if (!g_editProc) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return ::CallWindowProcW(g_editProc, hwnd, message, wParam, lParam);
}

void CHotkeyEditControl::OnKeyDown(unsigned key) {
  // Held keys repeat their key-down: only the first press counts.
  if (!pressed_.insert(key).second) return;
  // A new key after a complete combination starts the next one; modifiers still held
  // from it count again only when pressed anew.
  if (IsComplete()) combination_ = HotkeyCombination();
  if (bool* modifier = ModifierOf(combination_, key)) {
    *modifier = true;
  } else {
    combination_.key = key;
  }
  Refresh();
}

void CHotkeyEditControl::OnKeyUp(unsigned key) {
  pressed_.erase(key);
  // A complete combination stays on display after every key is released.
  if (IsComplete()) return;
  if (bool* modifier = ModifierOf(combination_, key)) *modifier = false;
  Refresh();
}

std::string CHotkeyEditControl::GetValue() { return FormatHotkeyValue(combination_); }

void CHotkeyEditControl::SetValue(const std::string& text) {
  combination_ = ParseHotkeyText(text);
  Refresh();
}

void CHotkeyEditControl::Refresh() {
  if (HWND edit = EditHandle()) ::SetWindowTextW(edit, KRUI::ThreadAnsiToWide(DisplayText()).c_str());
}
