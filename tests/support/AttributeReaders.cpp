#include "support/AttributeReaders.h"

#include "ui/core/AttributeValue.h"

namespace KRUI {
namespace {

// The value of name in map without copying it; none when absent.
const std::string* Find(const AttributeMap& map, const char* name) {
  auto it = map.find(name);
  return it == map.end() ? nullptr : &it->second;
}

}  // namespace

bool ReadString(const AttributeMap& map, const char* name, std::string& out) {
  const std::string* v = Find(map, name);
  if (!v) return false;
  out = *v;
  return true;
}

bool ReadFlag(const AttributeMap& map, const char* name, bool& out) {
  const std::string* v = Find(map, name);
  if (!v) return false;
  out = ParseFlag(*v);
  return true;
}

bool ReadInt(const AttributeMap& map, const char* name, int& out) {
  const std::string* v = Find(map, name);
  if (!v) return false;
  out = ParseInt(*v);
  return true;
}

bool ReadPair(const AttributeMap& map, const char* name, int& first, int& second) {
  const std::string* v = Find(map, name);
  return v && ParsePair(*v, first, second);
}

bool ReadColor(const AttributeMap& map, const char* name, uint32_t& argb) {
  const std::string* v = Find(map, name);
  return v && ParseColor(*v, argb);
}

bool ReadList(const AttributeMap& map, const char* name, std::vector<std::string>& out) {
  const std::string* v = Find(map, name);
  if (!v) return false;
  out = ParseList(*v);
  return true;
}

}  // namespace KRUI
