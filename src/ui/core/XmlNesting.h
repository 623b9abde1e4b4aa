// A cheap look at how deeply an XML document nests its elements, taken before the XML
// library parses it: the library parses recursively, one stack frame chain per level, so a
// document nested thousands of levels deep would exhaust the stack inside the parse.
#pragma once
#include <cstddef>
#include <string>

class TiXmlDocument;

namespace KRUI {

// Deepest nesting any document may have; every real document stays far below it, and
// parsing this deep takes a small part of the stack.
constexpr size_t kXmlNestingLimit = 1024;

// An upper bound of the element nesting of the bytes (never less than the nesting the
// parser would build): comments, CDATA sections, declarations and quoted attribute values
// are skipped, each ending where the parser ends it at the earliest; an unclosed element
// counts as open to the end.
size_t XmlNestingDepth(const char* data, size_t size);

// False when the file exists and nests deeper than limit; a file that cannot be read is
// left for the parser to refuse.
bool XmlFileNestingWithin(const std::string& path, size_t limit = kXmlNestingLimit);

// Reads the file once, refuses it when it nests deeper than limit, and parses it as the
// library's own file loader would (line ends normalised, the text ending at a NUL byte).
// False for a file that cannot be read, is too deep, or does not parse.
bool LoadXmlWithin(TiXmlDocument& document, const std::string& path, size_t limit = kXmlNestingLimit);
// The same for bytes already read; name becomes the document's value, as the path does.
bool ParseXmlWithin(TiXmlDocument& document, const std::string& bytes, const std::string& name,
                    size_t limit = kXmlNestingLimit);

// An element a document leaves open, for telling an author which one: the parser names
// only the place where it gave up (the end tag of an element around it, or the end).
struct XmlElementAt {
  std::string name;
  int line = 0;  // counted as the parser counts lines
};
// The innermost element open where an end tag first closes an element around it, or at the
// end of the bytes. False when every end tag closes the innermost open element, or when the
// first that does not names no open element (a misspelt end tag, not a missing one).
bool FindUnclosedXmlElement(const std::string& bytes, XmlElementAt& element);
// The same for a file; false when it cannot be read.
bool FindUnclosedXmlFileElement(const std::string& path, XmlElementAt& element);

}  // namespace KRUI
