#include "ui/core/ElementDeclaration.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

using S = AttributeSyntax;

const AttributeDeclaration* ElementDeclaration::FindAttribute(const std::string& name) const {
  for (const auto& attribute : attributes)
    if (name == attribute.name) return &attribute;
  for (const AttributeSet* set : inherited)
    for (const auto& attribute : set->attributes)
      if (name == attribute.name) return &attribute;
  return nullptr;
}

std::vector<const AttributeDeclaration*> ElementDeclaration::AllAttributes() const {
  std::vector<const AttributeDeclaration*> all;
  for (const AttributeSet* set : inherited)
    for (const auto& attribute : set->attributes) all.push_back(&attribute);
  for (const auto& attribute : attributes) all.push_back(&attribute);
  return all;
}

bool ElementDeclaration::Raises(int id) const {
  for (const auto& event : events)
    if (event.id == id) return true;
  return false;
}

void LoadDeclaredAttributes(CObjectx& element, const ElementDeclaration& declaration,
                            const AttributeMap& attributes) {
  for (const AttributeDeclaration* attribute : declaration.AllAttributes()) {
    if (!attribute->bind.store) continue;
    auto found = attributes.find(attribute->name);
    if (found == attributes.end()) continue;
    std::string value = found->second;
    if (attribute->limit && value.size() > attribute->limit) value.resize(attribute->limit);
    attribute->bind.store(element, *attribute, value);
  }
}

const char* AttributeSyntaxName(AttributeSyntax syntax) {
  switch (syntax) {
    case S::kFlag: return "flag";
    case S::kInteger: return "integer";
    case S::kPair: return "pair";
    case S::kColour: return "colour";
    case S::kList: return "list";
    case S::kText: return "text";
    case S::kChoice: return "choice";
    case S::kPath: return "path";
    case S::kWindowRef: return "window reference";
    case S::kWindowRefOrNone: return "window reference, empty for none";
    case S::kWindowId: return "window id";
    case S::kControlPath: return "control path";
    case S::kComponentId: return "component id";
    case S::kHotkeyText: return "hotkey text";
    case S::kEventNumber: return "event number";
    case S::kBitmapId: return "bitmap id";
    case S::kBitmapList: return "bitmap id list";
  }
  return "text";
}

const char* ElementKindName(ElementKind kind) {
  switch (kind) {
    case kKindWindow: return "window";
    case kKindControl: return "control";
    case kKindComponent: return "component";
    case kKindEventHandler: return "event handler";
    case kKindAction: return "action";
  }
  return "element";
}

ElementDeclarationRegistration::ElementDeclarationRegistration(const char* name,
                                                               const ElementDeclaration* declaration) {
  ElementRegistry::Instance().Declare(name, declaration);
}

}  // namespace KRUI
