#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "desktop/HotkeyText.h"

namespace {

struct TextCase {
  std::string text;
  bool ctrl, alt, shift;
  unsigned key;
  const char* value;    // FormatHotkeyValue of the parse
  const char* display;  // FormatHotkeyDisplay of the parse
};

TEST(HotkeyText, ParsesTokensAnyCaseAndFormatsBothWays) {
  const std::string underscores(300, '_');
  const std::string huge = "ctrl_" + std::string(5000, '9');
  const TextCase cases[] = {
      {"CTRL_Alt_65", true, true, false, 65, "ctrl_alt_65", "CTRL + ALT + A"},
      {"shift_alt_ctrl_112", true, true, true, 112, "ctrl_alt_shift_112", "CTRL + ALT + SHIFT + F1"},
      {"65", false, false, false, 65, "65", "A"},
      {"ctrl", true, false, false, 0, "ctrl_0", "CTRL + "},
      {"ctrl_k", true, false, false, 0, "ctrl_0", "CTRL + "},  // the reader's default
      {"__ctrl__66_", true, false, false, 66, "ctrl_66", "CTRL + B"},
      {"shift_66_67", false, false, true, 67, "shift_67", "SHIFT + C"},  // a later key wins
      {"alt_12abc", false, true, false, 12, "alt_12", "ALT + "},
      {"ctrl_96", true, false, false, 96, "ctrl_96", "CTRL + "},  // numeric keypad: no name
      {"58", false, false, false, 58, "58", ":"},
      {"123", false, false, false, 123, "123", "F12"},
      {"124", false, false, false, 124, "124", ""},
      {"-5_ctrlx", false, false, false, 0, "0", ""},
      {"", false, false, false, 0, "0", ""},
      {underscores, false, false, false, 0, "0", ""},
      {"garbage", false, false, false, 0, "0", ""},
      {huge, true, false, false, 4294967295u, "ctrl_4294967295", "CTRL + "},
      // Only the first 260 bytes count: a modifier beyond them is not read.
      {std::string(259, '_') + "_shift", false, false, false, 0, "0", ""},
  };
  for (const auto& c : cases) {
    const HotkeyCombination h = ParseHotkeyText(c.text);
    const std::string label = c.text.substr(0, 40);
    EXPECT_EQ(c.ctrl, h.ctrl) << label;
    EXPECT_EQ(c.alt, h.alt) << label;
    EXPECT_EQ(c.shift, h.shift) << label;
    EXPECT_EQ(c.key, h.key) << label;
    EXPECT_EQ(c.value, FormatHotkeyValue(h)) << label;
    EXPECT_EQ(c.display, FormatHotkeyDisplay(h)) << label;
  }
  EXPECT_EQ(static_cast<unsigned>(MOD_CONTROL | MOD_ALT), ParseHotkeyText("ctrl_alt_65").Modifiers());
  EXPECT_EQ(static_cast<unsigned>(MOD_SHIFT), ParseHotkeyText("SHIFT_66").Modifiers());
}

}  // namespace
