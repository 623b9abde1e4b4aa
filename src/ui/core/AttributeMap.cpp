#include "ui/core/AttributeMap.h"

#include <cstring>

namespace KRUI {

bool GetAttribute(const AttributeMap& map, const std::string& name, std::string& out) {
  auto it = map.find(name);
  if (it == map.end()) return false;
  out = it->second;
  return true;
}

void CopyAttributesWithPrefix(AttributeMap& target, const AttributeMap& source, const char* prefix) {
  if (!prefix || !*prefix) {
    target.insert(source.begin(), source.end());
    return;
  }
  const size_t n = std::strlen(prefix);
  for (const auto& entry : source) {
    if (entry.first.compare(0, n, prefix) == 0) target[entry.first.substr(n)] = entry.second;
  }
}

}  // namespace KRUI
