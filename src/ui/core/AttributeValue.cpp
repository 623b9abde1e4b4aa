#include "ui/core/AttributeValue.h"

#include <cstdlib>

namespace KRUI {

bool ParseFlag(const std::string& value) { return value == "true"; }

int ParseInt(const std::string& value) { return std::atoi(value.c_str()); }

std::vector<std::string> ParseList(const std::string& value, size_t limit) {
  std::vector<std::string> items;
  const std::string text = value.substr(0, limit);
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    if (comma > start) items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

bool ParsePair(const std::string& value, int& first, int& second) {
  const auto parts = ParseList(value, kPairLimit);
  if (parts.size() < 2) return false;
  first = ParseInt(parts[0]);
  second = ParseInt(parts[1]);
  return true;
}

uint32_t MakeOpaqueColor(int red, int green, int blue) {
  return 0xFF000000u | (static_cast<uint32_t>(red & 0xFF) << 16) |
         (static_cast<uint32_t>(green & 0xFF) << 8) | static_cast<uint32_t>(blue & 0xFF);
}

bool ParseColor(const std::string& value, uint32_t& argb) {
  const auto parts = ParseList(value, kColorLimit);
  if (parts.size() < 3) return false;
  argb = MakeOpaqueColor(ParseInt(parts[0]), ParseInt(parts[1]), ParseInt(parts[2]));
  return true;
}

bool ReadString(const AttributeMap& map, const char* name, std::string& out) {
  return GetAttribute(map, name, out);
}

bool ReadFlag(const AttributeMap& map, const char* name, bool& out) {
  std::string v;
  if (!GetAttribute(map, name, v)) return false;
  out = ParseFlag(v);
  return true;
}

bool ReadInt(const AttributeMap& map, const char* name, int& out) {
  std::string v;
  if (!GetAttribute(map, name, v)) return false;
  out = ParseInt(v);
  return true;
}

bool ReadPair(const AttributeMap& map, const char* name, int& first, int& second) {
  std::string v;
  return GetAttribute(map, name, v) && ParsePair(v, first, second);
}

bool ReadColor(const AttributeMap& map, const char* name, uint32_t& argb) {
  std::string v;
  return GetAttribute(map, name, v) && ParseColor(v, argb);
}

bool ReadList(const AttributeMap& map, const char* name, std::vector<std::string>& out) {
  std::string v;
  if (!GetAttribute(map, name, v)) return false;
  out = ParseList(v);
  return true;
}

}  // namespace KRUI
