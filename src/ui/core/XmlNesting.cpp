#include "ui/core/XmlNesting.h"

#include <tinyxml.h>

#include <string.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

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

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsNameChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 127 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || c == '_' ||
         c == '-' || c == '.' || c == ':';
}

// Where the parser ends an "<?xml" declaration that starts at pos: after its '>', where the
// values of "version", "encoding" and "standalone" may quote one; size when it gives up on
// the declaration (and so on the rest of the document).
size_t SkipDeclaration(const char* data, size_t size, size_t pos) {
  pos += 5;
  while (pos < size) {
    if (data[pos] == '>') return pos + 1;
    while (pos < size && IsSpace(data[pos])) ++pos;
    if (pos >= size) break;
    if (_strnicmp(data + pos, "version", 7) == 0 || _strnicmp(data + pos, "encoding", 8) == 0 ||
        _strnicmp(data + pos, "standalone", 10) == 0) {
      while (pos < size && IsNameChar(data[pos])) ++pos;
      while (pos < size && IsSpace(data[pos])) ++pos;
      if (pos >= size || data[pos] != '=') return size;
      for (++pos; pos < size && IsSpace(data[pos]);) ++pos;
      if (pos >= size) return size;
      if (data[pos] == '"' || data[pos] == '\'') {
        const char quote = data[pos];
        for (++pos; pos < size && data[pos] != quote;) ++pos;
        if (pos < size) ++pos;
      } else {
        for (; pos < size && !IsSpace(data[pos]) && data[pos] != '/' && data[pos] != '>'; ++pos) {
          if (data[pos] == '"' || data[pos] == '\'') return size;
        }
      }
    } else {
      while (pos < size && data[pos] != '>' && !IsSpace(data[pos])) ++pos;
    }
  }
  return size;
}

// The bytes the parser takes as one character where it reads text and quoted values in
// UTF-8 (its own table: a lead byte takes its whole sequence, even an ASCII byte after it).
size_t Utf8Step(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 1;
}

// One reading of the bytes: utf8 says whether the parser steps over multi-byte characters,
// from the start (a byte order mark) or from the end of the first top-level "<?xml"
// declaration (which may declare UTF-8); otherwise it reads byte by byte. Calls
// onOpen(at, depth, closed) for each opening tag ('<' at at, depth counting it, closed for
// "<e/>") and onClose(at) for each end tag.
template <typename OnOpen, typename OnClose>
void ScanTags(const char* data, size_t size, bool utf8Reading, OnOpen onOpen, OnClose onClose) {
  bool utf8 = utf8Reading && StartsWith(data, size, 0, "\xEF\xBB\xBF");
  bool declared = false;
  size_t depth = 0, pos = 0;
  auto step = [&](size_t at) { return utf8 ? Utf8Step(static_cast<unsigned char>(data[at])) : 1; };
  while (pos < size) {
    if (data[pos] != '<') {
      pos += step(pos);  // a '<' inside a character is no tag to the parser
      continue;
    }
    if (StartsWith(data, size, pos, "<!--")) {
      pos = SkipPast(data, size, pos + 4, "-->");
    } else if (StartsWith(data, size, pos, "<![CDATA[")) {
      pos = SkipPast(data, size, pos + 9, "]]>");
    } else if (pos + 5 <= size && _strnicmp(data + pos, "<?xml", 5) == 0) {
      pos = SkipDeclaration(data, size, pos);
      if (depth == 0 && !declared) {
        declared = true;  // the first at the top decides the encoding
        if (utf8Reading) utf8 = true;
      }
    } else if (StartsWith(data, size, pos, "<!") || StartsWith(data, size, pos, "<?")) {
      // The parser ends anything else it does not know at the first '>'.
      pos = SkipPast(data, size, pos + 2, ">");
    } else if (StartsWith(data, size, pos, "</")) {
      if (depth > 0) --depth;
      onClose(pos);
      pos = SkipPast(data, size, pos + 2, ">");
    } else if (!OpensElement(data, size, pos)) {
      // An unknown node ("<&", "< a", "<>"): a quote in it quotes nothing.
      pos = SkipPast(data, size, pos + 1, ">");
    } else {
      // An opening tag: its attributes may quote '>' and "/>".
      const size_t at = pos;
      ++depth;
      char quote = 0;
      char last = 0;
      for (++pos; pos < size; ++pos) {
        const char c = data[pos];
        if (quote) {
          if (c == quote) {
            quote = 0;
          } else {
            pos += step(pos) - 1;  // a quoted value is read as text
          }
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          break;
        }
        if (!quote && c != ' ' && c != '\t' && c != '\r' && c != '\n') last = c;
      }
      const bool closed = pos < size && last == '/';  // "<e/>" opens and closes
      onOpen(at, depth, closed);
      if (closed) --depth;
      if (pos < size) ++pos;
    }
  }
}

size_t ScanDepth(const char* data, size_t size, bool utf8Reading) {
  size_t deepest = 0;
  ScanTags(
      data, size, utf8Reading, [&](size_t, size_t depth, bool) { deepest = std::max(deepest, depth); },
      [](size_t) {});
  return deepest;
}

// The element name that starts at pos, as far as name characters go.
std::string NameAt(const char* data, size_t size, size_t pos) {
  size_t end = pos;
  while (end < size && IsNameChar(data[end])) ++end;
  return std::string(data + pos, end - pos);
}

// The parser's line of pos: LF, CR LF and a lone CR each end one.
int LineAt(const char* data, size_t pos) {
  int line = 1;
  for (size_t i = 0; i < pos; ++i) {
    if (data[i] == '\n' || (data[i] == '\r' && data[i + 1] != '\n')) ++line;
  }
  return line;
}

}  // namespace

size_t XmlNestingDepth(const char* data, size_t size) {
  // Whether the parser reads in UTF-8 depends on the byte order mark and the declaration:
  // the deeper of both readings bounds what it builds.
  return std::max(ScanDepth(data, size, false), ScanDepth(data, size, true));
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

bool FindUnclosedXmlElement(const std::string& bytes, XmlElementAt& element) {
  struct Open {
    std::string name;
    size_t at;
  };
  std::vector<Open> open;
  bool decided = false, found = false;
  size_t foundAt = 0;
  const char* data = bytes.data();
  const size_t size = bytes.size();
  ScanTags(
      data, size, true,
      [&](size_t at, size_t, bool closed) {
        if (!decided && !closed) open.push_back({NameAt(data, size, at + 1), at});
      },
      [&](size_t at) {
        if (decided) return;
        const std::string name = NameAt(data, size, at + 2);
        if (!open.empty() && open.back().name == name) {
          open.pop_back();
          return;
        }
        decided = true;
        // An end tag for an element around the innermost open one: that one was left open.
        for (const Open& outer : open) found = found || outer.name == name;
        if (found) foundAt = open.back().at;
      });
  if (!decided && !open.empty()) {
    found = true;  // still open at the end
    foundAt = open.back().at;
  }
  if (!found) return false;
  element.name = NameAt(data, size, foundAt + 1);
  element.line = LineAt(data, foundAt);
  return true;
}

bool FindUnclosedXmlFileElement(const std::string& path, XmlElementAt& element) {
  std::string bytes;
  return ReadWholeFile(path, bytes) && FindUnclosedXmlElement(bytes, element);
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
