#include "desktop/Win32Hotkey.h"

#include <cstdio>

#include "app/AppConfiger.h"
#include "desktop/HotkeyText.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

KRUI_REGISTER_ELEMENT("Win32Hotkey", CWin32Hotkey);
const KRUI::ElementDeclaration CWin32Hotkey::kDeclaration = {
    KRUI::kKindComponent, "a global hotkey read from conf.dat", {&KRUI::CWin32Component::kAttributes},
    {
        {"config-group", KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat section",
         KRUI::Into<&CWin32Hotkey::group_>()},
        {"config-key", KRUI::AttributeSyntax::kText, "", 0, nullptr, "conf.dat key (a hotkey text)",
         KRUI::Into<&CWin32Hotkey::key_>()},
    },
    {{kHotkeyOddPressEvent, "odd press", "a press that makes the press count odd: the first, third, ..."},
     {kHotkeyEvenPressEvent, "even press", "a press that makes the press count even: the second, fourth, ..."}},
    {}};
KRUI_DECLARE_ELEMENT("Win32Hotkey", CWin32Hotkey::kDeclaration);

namespace {

// The how-manieth hotkey element of the process this one is.
unsigned NextOrdinal() {
  static unsigned made = 0;
  return ++made;
}

}  // namespace

CWin32Hotkey::CWin32Hotkey() : ordinal_(NextOrdinal()) {}

CWin32Hotkey::~CWin32Hotkey() { DeleteAtom(); }

LRESULT CWin32Hotkey::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  // Sub-components see the message first; whatever they do, the hotkey still reacts.
  LRESULT result = CWin32Component::HandleMessage(message, wParam, lParam, handled);
  if (message == WM_CREATE || message == kHotkeyReloadMessage) {
    Register();
  } else if (message == WM_DESTROY) {
    Unregister();
    DeleteAtom();  // global atoms outlive the process: this one goes with its window
  } else if (message == WM_HOTKEY && registrationId_ != -1 && wParam == static_cast<WPARAM>(registrationId_)) {
    OnHotkey();
  }
  return result;
}

void CWin32Hotkey::Register() {
  Unregister();
  HWND hwnd = host_ ? host_->GetHwnd() : nullptr;
  const std::string text = KRUI::CAppConfiger::Instance().Read(group_, key_, "");
  if (text.empty()) return;
  const HotkeyCombination combination = ParseHotkeyText(text);
  modifiers_ = combination.Modifiers();
  keyCode_ = combination.key;
  const ATOM id = Atom();
  if (!id) return;
  registrationId_ = id;
  // A combination another window holds is refused; the identifier is still remembered so
  // the next registration lets go of it first.
  ::RegisterHotKey(hwnd, registrationId_, modifiers_, keyCode_);
}

void CWin32Hotkey::OnHotkey() {
  // Counted without overflow: the count wraps, and its parity still alternates.
  pressCount_ = static_cast<int>(static_cast<unsigned>(pressCount_) + 1u);
  RaiseEvent(this, (pressCount_ & 1) ? kHotkeyOddPressEvent : kHotkeyEvenPressEvent);
}

void CWin32Hotkey::Unregister() {
  if (registrationId_ == -1) return;
  ::UnregisterHotKey(host_ ? host_->GetHwnd() : nullptr, registrationId_);
  registrationId_ = -1;
}

void CWin32Hotkey::DeleteAtom() {
  if (atom_) ::GlobalDeleteAtom(atom_);
  atom_ = 0;
}

ATOM CWin32Hotkey::Atom() {
  if (atom_) return atom_;
  // Named after this element's place among the process's hotkeys, not after its
  // configuration entry: two elements reading the same entry still get identifiers of their
  // own, so each press reaches one of them only. Every launch uses the same names, so even
  // a launcher that ends without destroying its windows never fills the session's table
  // (a hotkey identifier belongs to its window: other launchers holding the atom too are
  // no matter).
  wchar_t name[40] = {0};
  std::swprintf(name, 40, L"KRUI.Win32Hotkey.%u", ordinal_);
  atom_ = ::GlobalAddAtomW(name);
  return atom_;
}
