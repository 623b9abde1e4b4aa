// Reads layout.xml once: one object per element through the registry, attributes expanded
// from the string table, objects linked by kind. Keeps the top-level objects.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/core/AttributeMap.h"
#include "ui/core/Objectx.h"

class TiXmlDocument;
class TiXmlElement;

namespace KRUI {

class CHostWindow;
class StringTable;

// Deepest element the loader builds (the root's children are level 1). Real layouts nest a
// dozen levels or so. The bound is for the walks over the trees: a handler that clicks its
// own button again nests one walk down the whole tree per dispatch, and 64 such walks of 64
// levels take about half a megabyte of the 2 MiB main-thread stack.
constexpr size_t kLayoutNestingLimit = 64;
// The root element of layout.xml; under another root the document holds nothing.
constexpr const char kLayoutRootName[] = "LayoutRoot";
// Whether the loader builds an element at this depth; deeper ones are skipped with their subtree.
constexpr bool BuildsAtDepth(size_t depth) { return depth <= kLayoutNestingLimit; }

class IXmlAttributeInsertFilter {
 public:
  virtual ~IXmlAttributeInsertFilter() = default;
  // May rewrite value; false drops the attribute.
  virtual bool FilterAttribute(const std::string& name, std::string& value) = 0;
};

class CLayoutLoader : public IXmlAttributeInsertFilter {
 public:
  explicit CLayoutLoader(StringTable& strings);
  ~CLayoutLoader() override;
  // The process's loader, expanding against StringTable::Instance().
  static CLayoutLoader& Instance();

  bool Load(const std::string& path);
  CHostWindow* FindTopLevelWindow(const std::string& id) const;
  // Creates the first window marked active; true only when it has a native window then.
  bool OpenMainWindow();
  void CloseAllWindows();
  bool FilterAttribute(const std::string& name, std::string& value) override;

  // Fills map from one element, UTF-8 values converted to the ANSI code page.
  static bool ReadAttributes(const TiXmlElement* element, IXmlAttributeInsertFilter* filter,
                             AttributeMap& map);

  const std::string& Path() const { return path_; }
  // The layout document being (or last) loaded by any loader: elements resolve their
  // relative file attributes (icons) against its folder while they read their attributes.
  static const std::string& DocumentPath();
  // The .ico file at relative to DocumentPath's folder, at the system's default icon size;
  // none when it cannot be read or its path does not fit the system's limit. The caller
  // owns it.
  static HICON LoadDocumentIcon(const std::string& relative);
  const std::vector<CObjectx*>& TopLevelObjects() const { return topLevel_; }
  // Hands child to parent by their kinds; a child the parent's kind takes no such child of
  // stays unlinked.
  static void LinkChild(CObjectx& parent, CObjectx& child);

 private:
  // depth: 1 for the children of the root element.
  CObjectx* CreateObject(const TiXmlElement& element, size_t depth);

  StringTable& strings_;
  std::unique_ptr<TiXmlDocument> document_;
  std::string path_;
  std::vector<CObjectx*> topLevel_;
  // Every object made from the document; they live as long as the loader (the process).
  std::vector<std::unique_ptr<CObjectx>> owned_;
};

}  // namespace KRUI
