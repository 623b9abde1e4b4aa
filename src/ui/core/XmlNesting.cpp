#include "ui/core/XmlNesting.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace KRUI {
namespace {

// The position just after the first occurrence of marker at or after pos, or size.
size_t SkipPast(const char* data, size_t size, size_t pos, const char* marker) {
  const size_t n = std::strlen(marker);
  for (; pos + n <= size; ++pos) {
    if (std::memcmp(data + pos, marker, n) == 0) return pos + n;
  }
  return size;
}

bool StartsWith(const char* data, size_t size, size_t pos, const char* text) {
  const size_t n = std::strlen(text);
  return pos + n <= size && std::memcmp(data + pos, text, n) == 0;
}

}  // namespace

size_t XmlNestingDepth(const char* data, size_t size) {
  size_t depth = 0, deepest = 0, pos = 0;
  while (pos < size) {
    if (data[pos] != '<') {
      ++pos;
      continue;
    }
    if (StartsWith(data, size, pos, "<!--")) {
      pos = SkipPast(data, size, pos + 4, "-->");
    } else if (StartsWith(data, size, pos, "<![CDATA[")) {
      pos = SkipPast(data, size, pos + 9, "]]>");
    } else if (StartsWith(data, size, pos, "<!") || StartsWith(data, size, pos, "<?")) {
      // The parser ends declarations and anything it does not know at a '>' (at the first
      // one for all but quoted declaration values); stopping at the first one never skips
      // elements the parser would read.
      pos = SkipPast(data, size, pos + 2, ">");
    } else if (StartsWith(data, size, pos, "</")) {
      if (depth > 0) --depth;
      pos = SkipPast(data, size, pos + 2, ">");
    } else {
      // An opening tag: its attributes may quote '>' and "/>".
      if (++depth > deepest) deepest = depth;
      char quote = 0;
      char last = 0;
      for (++pos; pos < size; ++pos) {
        const char c = data[pos];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          break;
        }
        if (!quote && c != ' ' && c != '\t' && c != '\r' && c != '\n') last = c;
      }
      if (pos < size) {
        if (last == '/') --depth;  // "<e/>" opens and closes
        ++pos;
      }
    }
  }
  return deepest;
}

bool XmlFileNestingWithin(const std::string& path, size_t limit) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) return true;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return XmlNestingDepth(bytes.data(), bytes.size()) <= limit;
}

}  // namespace KRUI
