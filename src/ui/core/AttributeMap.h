// The attributes of one XML element: names and values in the system ANSI code page,
// names compared byte by byte, one value per name.
#pragma once
#include <map>
#include <string>

namespace KRUI {

using AttributeMap = std::map<std::string, std::string>;

// True and a copy of the value when name is present; out is unchanged otherwise.
bool GetAttribute(const AttributeMap& map, const std::string& name, std::string& out);

// With an empty or missing prefix every source entry is added to target, keeping what
// target already has; otherwise each entry whose name begins with prefix is stored under
// the name without the prefix, replacing an existing value.
void CopyAttributesWithPrefix(AttributeMap& target, const AttributeMap& source, const char* prefix);

}  // namespace KRUI
