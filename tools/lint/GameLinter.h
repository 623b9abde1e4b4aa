// Reads a game folder's documents the way the launcher does (layout/strings.xml,
// layout/bitmap.xml, layout/bitmap2.xml, layout/layout.xml, conf.dat) and reports what the
// runtime would silently ignore (errors) or what is legal but suspicious (warnings).
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "LintReport.h"
#include "ui/core/ElementDeclaration.h"

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

  // The registered name nearest to word (edit distance), or "" when none is near.
  static std::string Nearest(const std::string& word, const std::vector<std::string>& candidates);

 private:
  struct StringEntry {
    std::string value;  // expanded as the runtime does
    int line = 0;
  };
  // One element of layout.xml that the loader builds.
  struct Node {
    const TiXmlElement* element = nullptr;
    std::string name;
    const ElementDeclaration* declaration = nullptr;
    std::map<std::string, std::string> attributes;  // expanded
    std::map<std::string, int> attributeLines;
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
  // Expands ${id}; reports each reference that names no string (or one defined later).
  std::string Expand(const std::string& text, const std::string& file, int line,
                     const std::map<std::string, StringEntry>& known);
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
  void CheckFile(const std::string& file, int line, const std::string& what, const std::string& path);

  LintReport& report_;
  std::string folder_;
  std::map<std::string, StringEntry> strings_;
  std::set<std::string> bitmaps_;
  std::map<std::string, std::map<std::string, std::string>> config_;
  std::vector<std::unique_ptr<Node>> topLevel_;
  std::set<std::string> namedFiles_;
};

}  // namespace KRUI
