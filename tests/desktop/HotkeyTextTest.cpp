#include <gtest/gtest.h>
#include <windows.h>

#include "desktop/HotkeyText.h"

namespace {

TEST(HotkeyText, ParsesTokensAnyCaseAndFormatsValueAndDisplay) {
  const struct {
    std::string text;
    unsigned modifiers, key;
    const char *value, *display;
  } cases[] = {
      {"CTRL_Alt_65", MOD_CONTROL | MOD_ALT, 65, "ctrl_alt_65", "CTRL + ALT + A"},
      {"shift_alt_ctrl_112", MOD_CONTROL | MOD_ALT | MOD_SHIFT, 112, "ctrl_alt_shift_112", "CTRL + ALT + SHIFT + F1"},
      {"ctrl_k", MOD_CONTROL, 0, "ctrl_0", "CTRL + "},
      {"__ctrl__66_", MOD_CONTROL, 66, "ctrl_66", "CTRL + B"},
      {"shift_66_67", MOD_SHIFT, 67, "shift_67", "SHIFT + C"},  // a later key wins
      {"alt_96x", MOD_ALT, 96, "alt_96", "ALT + "},               // keypad 0: no name
      {"58", 0, 58, "58", ":"},
      {"-5", 0, 0, "0", ""},
      {std::string(300, '_'), 0, 0, "0", ""},
      {"ctrl_" + std::string(500, '9'), MOD_CONTROL, 4294967295u, "ctrl_4294967295", "CTRL + "},
      {std::string(260, '_') + "shift", 0, 0, "0", ""},  // read no further than 260 bytes
  };
  for (const auto& c : cases) {
    const HotkeyCombination h = ParseHotkeyText(c.text);
    EXPECT_EQ(c.modifiers, h.Modifiers()) << c.text;
    EXPECT_EQ(c.key, h.key) << c.text;
    EXPECT_EQ(c.value, FormatHotkeyValue(h)) << c.text;
    EXPECT_EQ(c.display, FormatHotkeyDisplay(h)) << c.text;
  }
}

}  // namespace
