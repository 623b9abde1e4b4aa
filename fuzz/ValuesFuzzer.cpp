// The attribute value syntaxes and ${id} expansion. Input: a value, then string entries
// ("id=value" each), separated by 0x1E. Properties: a list never has an empty item or a
// comma in an item and keeps every other character in order; a pair or colour is read
// exactly when the list has enough items, from those items; an expanded text inserts at most
// kExpandedTextLimit characters, and a text without "${" comes back unchanged.
#include <tinyxml.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "support/TempDir.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/StringTable.h"

namespace {

constexpr size_t kMaxEntries = 16;

void CheckList(const std::string& value, size_t limit) {
  const std::vector<std::string> items = KRUI::ParseList(value, limit);
  std::string joined, expected;
  for (const std::string& item : items) {
    KRUI_FUZZ_CHECK("values", !item.empty(), "an empty list item");
    KRUI_FUZZ_CHECK("values", item.find(',') == std::string::npos, "a comma inside a list item");
    joined += item;
  }
  for (size_t i = 0; i < value.size() && i < limit; ++i) {
    if (value[i] != ',') expected += value[i];
  }
  KRUI_FUZZ_CHECK("values", joined == expected, "list items lost or added characters");
}

// ParsePair / ParseColor against the list they are defined by.
void CheckNumbers(const std::string& value) {
  const std::vector<std::string> pairItems = KRUI::ParseList(value, KRUI::kPairLimit);
  int first = 12345, second = 67890;
  const bool pair = KRUI::ParsePair(value, first, second);
  KRUI_FUZZ_CHECK("values", pair == (pairItems.size() >= 2), "pair read with the wrong number of items");
  if (pair) {
    KRUI_FUZZ_CHECK("values", first == std::atoi(pairItems[0].c_str()) && second == std::atoi(pairItems[1].c_str()),
                    "pair differs from its items");
  } else {
    KRUI_FUZZ_CHECK("values", first == 12345 && second == 67890, "a refused pair changed its outputs");
  }
  const std::vector<std::string> colorItems = KRUI::ParseList(value, KRUI::kColorLimit);
  uint32_t argb = 0x12345678;
  const bool color = KRUI::ParseColor(value, argb);
  KRUI_FUZZ_CHECK("values", color == (colorItems.size() >= 3), "colour read with the wrong number of items");
  if (color) {
    const uint32_t expected = KRUI::MakeOpaqueColor(std::atoi(colorItems[0].c_str()), std::atoi(colorItems[1].c_str()),
                                                    std::atoi(colorItems[2].c_str()));
    KRUI_FUZZ_CHECK("values", argb == expected && (argb >> 24) == 0xFF, "colour differs from its items");
  } else {
    KRUI_FUZZ_CHECK("values", argb == 0x12345678, "a refused colour changed its output");
  }
  KRUI::ParseFlag(value);
  KRUI::ParseInt(value);
}

void CheckExpansion(const std::string& text, const std::vector<std::string>& parts, const std::vector<bool>& present) {
  static KRUITest::TempDir folder;
  TiXmlDocument document;
  auto* root = new TiXmlElement("StringRoot");
  document.LinkEndChild(root);
  for (size_t i = 1; i < parts.size(); ++i) {
    if (!present[i]) break;
    const size_t equals = parts[i].find('=');
    auto* entry = new TiXmlElement("String");
    entry->SetAttribute("id", parts[i].substr(0, equals));
    entry->SetAttribute("value", equals == std::string::npos ? "" : parts[i].substr(equals + 1));
    root->LinkEndChild(entry);
  }
  TiXmlPrinter printer;
  document.Accept(&printer);
  KRUI::StringTable strings;
  strings.Load(folder.Write("strings.xml", printer.Str()));

  const std::string expanded = strings.ExpandString(text);
  KRUI_FUZZ_CHECK("values", expanded.size() <= text.size() + KRUI::kExpandedTextLimit,
                  "expansion inserted " + std::to_string(expanded.size() - text.size()) + " characters");
  if (text.find("${") == std::string::npos) KRUI_FUZZ_CHECK("values", expanded == text, "a plain text changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<bool> present;
  const std::vector<std::string> parts = KRUIFuzz::SplitParts(data, size, kMaxEntries + 1, &present);
  const std::string& value = parts[0];
  CheckList(value, KRUI::kListLimit);
  CheckList(value, 3);
  CheckNumbers(value);
  CheckExpansion(value, parts, present);
  return 0;
}
