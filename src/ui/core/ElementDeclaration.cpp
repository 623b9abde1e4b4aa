#include "ui/core/ElementDeclaration.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

using S = AttributeSyntax;

const AttributeSet kControlAttributes = {
    "control",
    {
        {"id", S::kText, "", 0, nullptr, "name used in control paths (\"page:name\")"},
        {"pos", S::kPair, "0,0", kPairLimit, nullptr,
         "position in the parent; a negative number counts from the parent's far edge"},
        {"size", S::kPair, "0,0", kPairLimit, nullptr,
         "size; 0 or less stretches to the parent's edge less that many pixels"},
        {"visible", S::kFlag, "true", 0, nullptr, "shown"},
        {"hitalbe", S::kFlag, "true", 0, nullptr, "takes the pointer (spelt so by the runtime)"},
        {"hitval", S::kInteger, "-1", 0, nullptr,
         "hit-test value answered for the window (2 caption, 17 size grip); -1 none"},
    }};

const AttributeSet kHostWindowAttributes = {
    "window",
    {
        {"id", S::kText, "", 0, nullptr, "name other elements use in windowid"},
        {"pos", S::kPair, "0,0", kPairLimit, nullptr, "position on the screen when not centred"},
        {"size", S::kPair, "0,0", kPairLimit, nullptr, "client size"},
        {"minsize", S::kPair, "0,0", kPairLimit, nullptr, "smallest size the player may drag to"},
        {"center", S::kFlag, "true", 0, nullptr, "centred on the screen (or its owner)"},
        {"visible", S::kFlag, "true", 0, nullptr, "shown when created"},
        {"active", S::kFlag, "false", 0, nullptr, "the main window, created at start-up"},
    }};

const AttributeSet kComponentAttributes = {
    "component",
    {
        {"id", S::kText, "", 0, nullptr, "name used in componentid"},
        {"visible", S::kFlag, "false", 0, nullptr, "shown when its window is created"},
    }};

const AttributeSet kActionAttributes = {
    "action",
    {
        {"interest", S::kEventNumber, "-1", 0, nullptr, "stored only: the handler's interest decides"},
        {"retval", S::kInteger, "0", 0, nullptr, "result stored into the event"},
        {"fromdata", S::kText, "", 0, nullptr,
         "where the action takes its text: \"event\" or a control path of the owner window"},
    }};

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
