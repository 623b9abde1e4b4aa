#include "ui/core/XmlNesting.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstring>

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

// The most bytes the library takes for one UTF-8 character.
constexpr size_t kUtf8LongestSequence = 4;

// The parser reads "<" as an element only before a letter, '_' or any byte from 127 up;
// anything else is an unknown node that ends at the first '>', quotes or not.
bool OpensElement(const char* data, size_t size, size_t pos) {
  if (pos + 1 >= size) return false;
  const unsigned char c = static_cast<unsigned char>(data[pos + 1]);
  return c >= 127 || c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
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
    } else if (!OpensElement(data, size, pos)) {
      // An unknown node ("<&", "< a", "<>"): a quote in it quotes nothing.
      pos = SkipPast(data, size, pos + 1, ">");
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

namespace {

// The whole file in one read (the stream iterators take many times longer).
bool ReadWholeFile(const std::string& path, std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  const long size = ok ? std::ftell(file) : -1;
  ok = ok && size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
  if (ok) {
    bytes.resize(static_cast<size_t>(size));
    ok = size == 0 || std::fread(&bytes[0], 1, bytes.size(), file) == bytes.size();
  }
  std::fclose(file);
  return ok;
}

}  // namespace

bool XmlFileNestingWithin(const std::string& path, size_t limit) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return true;
  return XmlNestingDepth(bytes.data(), bytes.size()) <= limit;
}

bool LoadXmlWithin(TiXmlDocument& document, const std::string& path, size_t limit) {
  std::string bytes;
  return ReadWholeFile(path, bytes) && ParseXmlWithin(document, bytes, path, limit);
}

bool ParseXmlWithin(TiXmlDocument& document, const std::string& bytes, const std::string& name, size_t limit) {
  if (XmlNestingDepth(bytes.data(), bytes.size()) > limit) return false;
  // CR LF and lone CR become LF, and the text ends at the first NUL, as when the library
  // reads the file itself.
  std::string text;
  text.reserve(bytes.size() + kUtf8LongestSequence);
  for (size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
    if (bytes[i] == '\r') {
      text += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text += bytes[i];
    }
  }
  // In UTF-8 the library steps over a whole multi-byte character at once, even when the
  // text ends inside it ("\xEF" as the last byte), and goes on reading past the end. NULs
  // after the end give it something of ours to read, and it stops there.
  text.append(kUtf8LongestSequence, '\0');
  document.Clear();  // a document read before gives way, as with the library's loader
  document.SetValue(name.c_str());
  document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  return !document.Error();
}

}  // namespace KRUI
