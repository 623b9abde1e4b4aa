// The launcher's settings inputs. Input parts (separated by 0x1E): a command line (UTF-8),
// conf.dat's bytes, a section, a key, a hotkey text. Properties: every switch parsed reads
// back through the lookups; a conf.dat value never exceeds what the runtime's buffer holds;
// the hotkey text survives a round trip (what the formatter writes, the parser reads back
// the same), also through conf.dat as the settings dialog stores it.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/AppConfiger.h"
#include "app/CommandLineSwitches.h"
#include "desktop/HotkeyText.h"
#include "support/TempDir.h"
#include "ui/core/Encoding.h"

namespace {

bool Same(const HotkeyCombination& a, const HotkeyCombination& b) {
  return a.ctrl == b.ctrl && a.alt == b.alt && a.shift == b.shift && a.key == b.key;
}

void CheckSwitches(const std::string& line) {
  KRUI::CommandLineSwitches switches;
  const std::wstring wide = L"launcher.exe " + KRUI::Utf8ToWide(line);
  switches.ParseFrom(wide.c_str());
  for (const auto& [name, value] : switches.Switches()) {
    KRUI_FUZZ_CHECK("settings", switches.Has(name) && switches.GetSwitch(name) == value, "a switch does not read back");
  }
  switches.GetSwitch(L"gameName");
  switches.GetSwitch(L"data_dir");
}

// What the formatter writes, the parser reads back the same; formatting it again gives the
// same text.
std::string CheckRoundTrip(const std::string& text) {
  const HotkeyCombination parsed = ParseHotkeyText(text);
  const std::string value = FormatHotkeyValue(parsed);
  KRUI_FUZZ_CHECK("settings", value.size() < kHotkeyTextLimit, "a formatted hotkey longer than conf.dat holds");
  const HotkeyCombination again = ParseHotkeyText(value);
  KRUI_FUZZ_CHECK("settings", Same(parsed, again), "hotkey '" + value + "' does not read back as written");
  KRUI_FUZZ_CHECK("settings", FormatHotkeyValue(again) == value, "hotkey formats differently the second time");
  FormatHotkeyDisplay(parsed);
  return value;
}

void CheckConfig(const std::string& bytes, const std::string& section, const std::string& key) {
  static KRUITest::TempDir folder;
  const KRUI::CAppConfiger config(folder.Write("conf.dat", bytes));
  for (const std::string& value : {config.Read(section, key, "ctrl_k"), config.Read("hotkey", "toggle", "")}) {
    KRUI_FUZZ_CHECK("settings", value.size() < 260, "a conf.dat value longer than its buffer");
    // The settings dialog shows the stored text and writes back what the box formats. In a
    // damaged file an earlier line may shadow the written key (the system's profile reader
    // finds that one first), so the round trip is checked in a sound file.
    const std::string formatted = CheckRoundTrip(value);
    config.Write("hotkey", "toggle", formatted);
    const KRUI::CAppConfiger sound(folder.Write("sound.dat", "[hotkey]\r\ntoggle=ctrl_alt_71\r\n"));
    sound.Write("hotkey", "toggle", formatted);
    KRUI_FUZZ_CHECK("settings", sound.Read("hotkey", "toggle", "") == formatted,
                    "hotkey '" + formatted + "' written to conf.dat reads back differently");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> parts = KRUIFuzz::SplitParts(data, size, 5);
  CheckSwitches(parts[0]);
  CheckConfig(parts[1], parts[2], parts[3]);
  CheckRoundTrip(parts[4]);
  return 0;
}
