// The value syntaxes shared by every element, parsed in one place.
//   flag:   true exactly for "true"
//   int:    decimal, read like atoi (no error; no digits gives 0)
//   pair:   two integers separated by commas ("10,-20"); fewer parts leave the value
//   colour: red,green,blue, each modulo 256, always opaque; fewer parts leave the value
//   list:   items separated by commas, consecutive commas counting as one
// A value longer than its limit is cut to its first `limit` characters before parsing.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/core/AttributeMap.h"

namespace KRUI {

constexpr size_t kPairLimit = 63;
constexpr size_t kColorLimit = 63;
constexpr size_t kListLimit = 255;
// A font face name is used only when it fits LOGFONT's 32-character field with its terminator.
constexpr size_t kFaceNameLimit = 31;

bool ParseFlag(const std::string& value);
int ParseInt(const std::string& value);
std::vector<std::string> ParseList(const std::string& value, size_t limit = kListLimit);
// Returns false (and leaves the outputs) when the value has fewer than two parts.
bool ParsePair(const std::string& value, int& first, int& second);
// 0xAARRGGBB with alpha 255; false (argb unchanged) with fewer than three parts.
bool ParseColor(const std::string& value, uint32_t& argb);
uint32_t MakeOpaqueColor(int red, int green, int blue);

}  // namespace KRUI
