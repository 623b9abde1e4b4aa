// Readers for the test elements' own attributes. The runtime's elements read only through
// their declarations; test doubles read whatever their test layouts give them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/core/AttributeMap.h"

namespace KRUI {

// Parse the attribute when present; an absent one leaves the output unchanged.
bool ReadString(const AttributeMap& map, const char* name, std::string& out);
bool ReadFlag(const AttributeMap& map, const char* name, bool& out);
bool ReadInt(const AttributeMap& map, const char* name, int& out);
bool ReadPair(const AttributeMap& map, const char* name, int& first, int& second);
bool ReadColor(const AttributeMap& map, const char* name, uint32_t& argb);
bool ReadList(const AttributeMap& map, const char* name, std::vector<std::string>& out);

}  // namespace KRUI
