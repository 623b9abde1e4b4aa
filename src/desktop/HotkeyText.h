// The hotkey text stored in conf.dat and exchanged with settings controls: tokens joined
// by '_', the modifiers "ctrl", "alt", "shift" (any case, any order) and one decimal
// virtual-key code, e.g. ctrl_alt_65 for Ctrl+Alt+A.
#pragma once
#include <string>

// Only the first 260 bytes of a text are read (a conf.dat value has at most 259).
constexpr size_t kHotkeyTextLimit = 260;

struct HotkeyCombination {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  // 0 when no key token was given or it did not start with a digit.
  unsigned key = 0;

  // The MOD_* bits RegisterHotKey takes.
  unsigned Modifiers() const;
};

// Empty tokens are skipped; a token that is no modifier sets the key to its leading
// decimal digits (0 without any), a later key token replacing an earlier one. Digits past
// what an unsigned holds saturate, so garbage never overflows.
HotkeyCombination ParseHotkeyText(const std::string& text);

// "ctrl_", "alt_", "shift_" as set, then the key code, always ("0" for none).
std::string FormatHotkeyValue(const HotkeyCombination& combination);
// "CTRL + ", "ALT + ", "SHIFT + " as set, then the key's name: the character for codes
// 48..90, F1..F12 for 112..123, nothing for any other code.
std::string FormatHotkeyDisplay(const HotkeyCombination& combination);
