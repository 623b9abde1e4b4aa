#include "ui/core/AttributeValue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ui/core/AttributeBinding.h"
#include "ui/core/ElementDeclaration.h"

namespace KRUI {
namespace {

// The first `count` items ParseList(value, limit) would give, read as numbers, without
// building the list; false (out untouched) when there are fewer.
bool ParseInts(const std::string& value, size_t limit, int* out, size_t count) {
  int numbers[4] = {};
  if (count > 4) return false;
  const size_t end = std::min(value.size(), limit);
  size_t found = 0;
  size_t start = 0;
  while (found < count && start <= end) {
    size_t comma = value.find(',', start);
    if (comma == std::string::npos || comma > end) comma = end;
    // Short items stay in the string's own buffer: no allocation.
    if (comma > start) numbers[found++] = std::atoi(std::string(value, start, comma - start).c_str());
    start = comma + 1;
  }
  if (found < count) return false;
  std::copy(numbers, numbers + count, out);
  return true;
}

}  // namespace

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
  int numbers[2];
  if (!ParseInts(value, kPairLimit, numbers, 2)) return false;
  first = numbers[0];
  second = numbers[1];
  return true;
}

uint32_t MakeOpaqueColor(int red, int green, int blue) {
  return 0xFF000000u | (static_cast<uint32_t>(red & 0xFF) << 16) |
         (static_cast<uint32_t>(green & 0xFF) << 8) | static_cast<uint32_t>(blue & 0xFF);
}

bool ParseColor(const std::string& value, uint32_t& argb) {
  int rgb[3];
  if (!ParseInts(value, kColorLimit, rgb, 3)) return false;
  argb = MakeOpaqueColor(rgb[0], rgb[1], rgb[2]);
  return true;
}

void ParseInto(const AttributeDeclaration&, const std::string& value, std::string& out) { out = value; }
void ParseInto(const AttributeDeclaration&, const std::string& value, bool& out) { out = ParseFlag(value); }
void ParseInto(const AttributeDeclaration&, const std::string& value, int& out) { out = ParseInt(value); }
void ParseInto(const AttributeDeclaration&, const std::string& value, uint32_t& out) { ParseColor(value, out); }
void ParseInto(const AttributeDeclaration& attribute, const std::string& value, std::vector<std::string>& out) {
  out = ParseList(value, attribute.limit ? attribute.limit : kListLimit);
}

std::string ShowValue(const std::string& value) { return value; }
std::string ShowValue(bool value) { return value ? "true" : "false"; }
std::string ShowValue(int value) { return std::to_string(value); }
std::string ShowValue(uint32_t argb) {
  if ((argb >> 24) == 0) return std::string();  // never set: transparent, nothing drawn
  return std::to_string((argb >> 16) & 0xFF) + "," + std::to_string((argb >> 8) & 0xFF) + "," +
         std::to_string(argb & 0xFF);
}
std::string ShowValue(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

int ChoiceIndex(const AttributeDeclaration& attribute, const std::string& word) {
  if (!attribute.choices) return 0;
  int index = 1;
  for (const char* start = attribute.choices;; ++index) {
    const char* bar = std::strchr(start, '|');
    const size_t length = bar ? static_cast<size_t>(bar - start) : std::strlen(start);
    if (word.size() == length && word.compare(0, length, start, length) == 0) return index;
    if (!bar) return 0;
    start = bar + 1;
  }
}

std::string ChoiceWord(const AttributeDeclaration& attribute, int index) {
  if (!attribute.choices || index <= 0) return std::string();
  const char* start = attribute.choices;
  for (int at = 1; at < index; ++at) {
    start = std::strchr(start, '|');
    if (!start) return std::string();
    ++start;
  }
  const char* bar = std::strchr(start, '|');
  return bar ? std::string(start, bar) : std::string(start);
}

}  // namespace KRUI
