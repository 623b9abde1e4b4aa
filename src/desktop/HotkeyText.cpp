#include "desktop/HotkeyText.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <string.h>

namespace {

bool EqualsNoCase(const std::string& token, const char* word) {
  return _stricmp(token.c_str(), word) == 0;
}

unsigned LeadingNumber(const std::string& token) {
  unsigned value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') break;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (value > (UINT_MAX - digit) / 10) return UINT_MAX;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

unsigned HotkeyCombination::Modifiers() const {
  return (ctrl ? MOD_CONTROL : 0) | (alt ? MOD_ALT : 0) | (shift ? MOD_SHIFT : 0);
}

HotkeyCombination ParseHotkeyText(const std::string& text) {
  HotkeyCombination combination;
  const std::string copy = text.substr(0, kHotkeyTextLimit);
  size_t start = 0;
  while (start <= copy.size()) {
    size_t end = copy.find('_', start);
    if (end == std::string::npos) end = copy.size();
    const std::string token = copy.substr(start, end - start);
    if (!token.empty()) {
      if (EqualsNoCase(token, "ctrl")) {
        combination.ctrl = true;
      } else if (EqualsNoCase(token, "alt")) {
        combination.alt = true;
      } else if (EqualsNoCase(token, "shift")) {
        combination.shift = true;
      } else {
        combination.key = LeadingNumber(token);
      }
    }
    start = end + 1;
  }
  return combination;
}

std::string FormatHotkeyValue(const HotkeyCombination& combination) {
  std::string value;
  if (combination.ctrl) value += "ctrl_";
  if (combination.alt) value += "alt_";
  if (combination.shift) value += "shift_";
  return value + std::to_string(combination.key);
}

std::string FormatHotkeyDisplay(const HotkeyCombination& combination) {
  std::string text;
  if (combination.ctrl) text += "CTRL + ";
  if (combination.alt) text += "ALT + ";
  if (combination.shift) text += "SHIFT + ";
  const unsigned key = combination.key;
  if (key >= 0x30 && key <= 0x5A) {
    text += static_cast<char>(key);
  } else if (key >= VK_F1 && key <= VK_F12) {
    text += "F" + std::to_string(key - 111);
  }
  return text;
}
