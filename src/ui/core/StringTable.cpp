#include "ui/core/StringTable.h"

#include <tinyxml.h>

#include <algorithm>

#include "ui/core/AttributeMap.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/XmlNesting.h"

namespace KRUI {

StringTable::StringTable() = default;
StringTable::~StringTable() = default;

StringTable& StringTable::Instance() {
  static StringTable* table = new StringTable();  // lives until the process ends
  return *table;
}

bool StringTable::Load(const std::string& path) {
  document_.reset(new TiXmlDocument());
  // Refused before parsing: too deep a document would exhaust the stack in the parser.
  if (path.empty() || !LoadXmlWithin(*document_, path)) return false;
  const TiXmlElement* root = document_->RootElement();
  if (!root || root->ValueStr() != kStringRootName) return false;

  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    AttributeMap attributes;
    CLayoutLoader::ReadAttributes(e, nullptr, attributes);
    AddEntry(attributes);
  }
  return true;
}

bool StringTable::AddEntry(const AttributeMap& attributes, const UnknownReference& unknown) {
  std::string id, value, expand;
  if (!GetAttribute(attributes, "id", id) || !GetAttribute(attributes, "value", value)) return false;
  // Expanded against the entries loaded so far, so forward references come out empty.
  if (!GetAttribute(attributes, "expand", expand) || expand == "true") value = ExpandString(value, unknown);
  return entries_.emplace(id, value).second;  // the first entry for an id wins
}

std::string StringTable::LookupString(const std::string& id) const {
  auto it = entries_.find(id);
  return it == entries_.end() ? std::string() : it->second;
}

std::string StringTable::ExpandString(const std::string& text, const UnknownReference& unknown) const {
  std::string result;
  size_t inserted = 0;  // characters the references have added so far
  size_t pos = 0;
  for (;;) {
    size_t open = text.find("${", pos);
    if (open == std::string::npos) break;
    size_t close = text.find('}', open + 2);
    result.append(text, pos, open - pos);
    if (close == std::string::npos) {
      pos = open;  // an unclosed "${" and the rest are copied as written
      break;
    }
    const std::string id = text.substr(open + 2, close - open - 2);
    auto it = entries_.find(id);
    if (it != entries_.end()) {
      const size_t take = std::min(it->second.size(), kExpandedTextLimit - inserted);
      result.append(it->second, 0, take);
      inserted += take;
    } else if (unknown) {
      unknown(id);
    }
    pos = close + 1;
  }
  result.append(text, pos, std::string::npos);
  return result;
}

}  // namespace KRUI
