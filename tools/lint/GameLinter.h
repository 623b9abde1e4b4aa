// Reads a game folder's documents the way the launcher does (layout/strings.xml,
// layout/bitmap.xml, layout/bitmap2.xml, layout/layout.xml, conf.dat) and reports what the
// runtime would silently ignore (errors) or what is legal but suspicious (warnings).
//
// The rules are the runtime's own: string entries are added and ${id} expanded by
// StringTable (which tells of each id it does not know), documents are read and their
// depth bounded by XmlNesting's functions, the layout's depth by BuildsAtDepth, window
// references are read by ReadWindowReference and EventOwnerOf, and a window's components
// are found by the runtime's window itself. Where the linter differs, it is because it
// reads without creating any native window or event:
// - it keeps texts in UTF-8 as written, where the runtime converts them to the ANSI code
//   page first (so its messages show them as the author wrote them);
// - it builds its own tree of the elements, with their lines, instead of the runtime's
//   objects; only to ask a window for a component does it make that window and its own
//   components (without native windows) and link them as the loader does;
// - "owner" is the window that would own the events of the element holding the handler,
//   and an empty window reference what its declared syntax says (EmptyReferenceOf).
// - an empty plain window id is followed nowhere, where SendMessage and ShowMessagebox take
//   the first window written without an id (a layout that relies on it gets no checks of
//   that window's controls).
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "LintReport.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/StringTable.h"

class TiXmlDocument;
class TiXmlElement;

namespace KRUI {

class GameLinter {
 public:
  explicit GameLinter(LintReport& report);
  ~GameLinter();
  // folder: the installation folder (holding layout/ and conf.dat).
  void Run(const std::string& folder);
  // After Run: the full paths of the existing files the documents name (the images of the
  // bitmap tables, the icons of layout.xml), each once, sorted.
  const std::set<std::string>& NamedFiles() const { return namedFiles_; }

  // The errors the linter finds in one document (relative as in its messages, such as
  // "layout/layout.xml"), each a full message line: for a tool that could not read it.
  static std::vector<std::string> DocumentErrors(const std::string& folder, const std::string& relative);

  // The registered name nearest to word (edit distance), or "" when none is near.
  static std::string Nearest(const std::string& word, const std::vector<std::string>& candidates);

 private:
  // A document the launcher could not read, so that references into it are counted, not
  // reported one by one.
  struct Unread {
    std::string file;  // empty while the document was read
    int line = 0;      // of its error
    size_t references = 0;
  };
  // One element of layout.xml that the loader builds.
  struct Node {
    const TiXmlElement* element = nullptr;
    std::string name;
    const ElementDeclaration* declaration = nullptr;
    std::map<std::string, std::string> attributes;  // expanded
    std::map<std::string, int> attributeLines;
    std::set<std::string> unchecked;  // values holding ${id} of strings never read
    Node* parent = nullptr;
    Node* window = nullptr;  // the top-level window holding it
    std::vector<std::unique_ptr<Node>> children;
    Node* root = nullptr;  // windows: the root control (the last control child)
    int Line() const;
    std::string Attribute(const std::string& name) const;
    bool Has(const std::string& name) const { return attributes.count(name) != 0; }
  };

  std::unique_ptr<TiXmlDocument> Parse(const std::string& relative, bool required);
  void LintStrings();
  void LintBitmaps(const std::string& relative, bool required);
  void LintLayout();
  void LintConfig();
  std::unique_ptr<Node> Build(const TiXmlElement& element, Node* parent, Node* window, size_t depth);
  // Marks what failed to read, for the count of references left unchecked.
  void MarkUnread(Unread& unread, const std::string& file, int line);
  void ReportUnread(const Unread& unread, const char* what);
  // Expands ${id} in a layout attribute; reports each reference that names no string.
  std::string Expand(Node& node, const std::string& name, const std::string& text, int line);
  // The window that owns the events an action's handler runs for, as the runtime finds it.
  static const Node* OwnerWindow(const Node& action);
  // Whether the runtime's window of this node finds the component id among its own.
  static bool WindowFindsComponent(const Node& window, const std::string& id);
  void CheckAttributes(Node& node);
  void CheckValue(const Node& node, const std::string& name, const std::string& value,
                  const AttributeDeclaration& declaration, int line);
  // The dialog a ShowMessagebox runs holds the controls it fills.
  void CheckMessageboxDialog(const Node& action);
  void CheckReferences(Node& node);
  void CheckLinking(const Node& node);
  const Node* WindowById(const std::string& id) const;
  static const Node* FindControl(const Node& window, const std::string& path);
  // The window an action's windowid names: where it is a reference, its own window for none
  // or "owner"; where it is a plain id, the window of that id (none for an empty one).
  const Node* TargetWindow(const Node& action) const;
  // An id a bitmap attribute names: in a table, or counted while a table is unread.
  void CheckBitmap(const std::string& id, int line);
  void CheckFile(const std::string& file, int line, const std::string& what, const std::string& path);

  LintReport& report_;
  std::string folder_;
  StringTable strings_;  // UTF-8 texts
  std::map<std::string, int> stringLines_;  // where each id is first defined
  Unread unreadStrings_;
  std::set<std::string> bitmaps_;
  Unread unreadBitmaps_;
  std::map<std::string, std::map<std::string, std::string>> config_;
  std::vector<std::unique_ptr<Node>> topLevel_;
  std::set<std::string> namedFiles_;
  int parseErrorLine_ = 0;  // of the last document Parse refused
};

}  // namespace KRUI
