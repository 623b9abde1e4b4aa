// One document as the runtime reads every XML file: the nesting scan, then TinyXML's parse
// (ParseXmlWithin, what LoadXmlWithin does after reading the file for the tables and the
// loader). Properties: a document
// the scan lets through parses without exhausting the stack, and the scan's depth is never
// below the depth of the tree the parser built (the scan is what keeps the parse shallow).
// TinyXML's own assertions are on in the fuzzing build: CVE-2023-34194 was one of them, and
// CVE-2021-42260 was a hang in its location tracking.
#include <tinyxml.h>

#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "ui/core/XmlNesting.h"

namespace {

// The element depth of the parsed tree, walked without recursion.
size_t TreeDepth(const TiXmlNode& root) {
  size_t deepest = 0;
  std::vector<std::pair<const TiXmlNode*, size_t>> pending{{&root, 0}};
  while (!pending.empty()) {
    auto [node, depth] = pending.back();
    pending.pop_back();
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling()) {
      const size_t childDepth = depth + (child->ToElement() ? 1 : 0);
      if (childDepth > deepest) deepest = childDepth;
      pending.emplace_back(child, childDepth);
    }
  }
  return deepest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const size_t scanned = KRUI::XmlNestingDepth(bytes.data(), bytes.size());
  TiXmlDocument document;
  const bool parsed = KRUI::ParseXmlWithin(document, bytes, "layout.xml");
  KRUI_FUZZ_CHECK("xml", !parsed || scanned <= KRUI::kXmlNestingLimit, "a document deeper than the limit was parsed");
  const size_t built = TreeDepth(document);
  KRUI_FUZZ_CHECK("xml", built <= scanned,
                  "the parser built depth " + std::to_string(built) + ", the scan said " + std::to_string(scanned));
  return 0;
}
