// Texts by id from strings.xml; ${id} references are expanded at load time.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/core/AttributeMap.h"

class TiXmlDocument;

namespace KRUI {

// Most characters the references of one text may insert; what goes beyond is cut. Entries
// that each repeat the one before twice would otherwise double in length with every line.
constexpr size_t kExpandedTextLimit = 64 * 1024;
// The root element of strings.xml.
constexpr const char kStringRootName[] = "StringRoot";

class StringTable {
 public:
  StringTable();
  ~StringTable();
  static StringTable& Instance();

  // Told the id of each ${id} that names no entry (the reference then inserts nothing).
  using UnknownReference = std::function<void(const std::string& id)>;

  // Adds the entries of a kStringRootName document; the first entry for an id wins.
  bool Load(const std::string& path);
  // One "String" element of the document, as Load reads it: skipped without "id" or
  // "value"; its value expanded against the entries so far unless "expand" is given and is
  // not "true"; kept unless its id is already present. True when it was added.
  bool AddEntry(const AttributeMap& attributes, const UnknownReference& unknown = nullptr);
  // The text for id, or an empty string.
  std::string LookupString(const std::string& id) const;
  // Replaces each ${id} with LookupString(id); an unclosed "${" is copied unchanged. The
  // references together insert at most kExpandedTextLimit characters.
  std::string ExpandString(const std::string& text) const { return ExpandString(text, nullptr); }
  std::string ExpandString(const std::string& text, const UnknownReference& unknown) const;

 private:
  std::unique_ptr<TiXmlDocument> document_;
  std::map<std::string, std::string> entries_;
};

}  // namespace KRUI
