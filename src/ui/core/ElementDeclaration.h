// What an element accepts in layout.xml: its attributes with their value syntax, default,
// limit and the member each goes to, and the event numbers it raises. The runtime loads an
// element by walking its declaration (LoadDeclaredAttributes), and the authoring tools and
// the reference read the same rows, so what they say is what the runtime does:
//   KRUI_DECLARE_ELEMENT("Button", CButtonControl::kDeclaration);
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "ui/core/AttributeBinding.h"
#include "ui/core/AttributeMap.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Objectx.h"

namespace KRUI {

enum class AttributeSyntax {
  kFlag,         // "true" or anything else
  kInteger,      // decimal, read like atoi
  kPair,         // "x,y"
  kColour,       // "r,g,b"
  kList,         // comma-separated items
  kText,         // free text
  kChoice,       // one of the words listed in the declaration's choices
  kPath,         // a file path, relative to the layout folder
  kWindowRef,        // a top-level window id, or "owner" (also when empty) for the owner window
  kWindowRefOrNone,  // the same, but empty names no window
  kWindowId,     // a top-level window id as written: "owner" is an id like any other
  kControlPath,  // "control:child:..." below a window's root
  kComponentId,  // a component of a component host window
  kHotkeyText,   // "ctrl_alt_65"
  kEventNumber,  // an event id the owner raises
  kBitmapId,     // an id of the bitmap tables
  kBitmapList,   // comma-separated bitmap ids
};

struct AttributeDeclaration {
  const char* name;
  AttributeSyntax syntax;
  const char* defaultValue;  // what a new element holds when the attribute is absent
  size_t limit;              // characters read; 0 when unbounded
  const char* choices;       // kChoice: the accepted words, separated by '|'
  const char* help;
  AttributeBinding bind;     // where the value goes
  size_t longest = 0;        // a longer value is read but not used (the element ignores it); 0: any
};

struct EventDeclaration {
  int id;
  const char* name;
  const char* help;
};

// The attributes several elements read through a shared base class (CControl::kAttributes,
// CHostWindow::kAttributes, CWin32Component::kAttributes, CAction::kAttributes).
struct AttributeSet {
  const char* name;
  std::vector<AttributeDeclaration> attributes;
};

// "text-height" on a button is "height" of its caption: a prefix forwards to another
// element's vocabulary.
struct PrefixDeclaration {
  const char* prefix;
  const char* element;
  const char* help;
};

struct ElementDeclaration {
  ElementKind kind;
  const char* help;
  std::vector<const AttributeSet*> inherited;
  std::vector<AttributeDeclaration> attributes;
  std::vector<EventDeclaration> events;
  std::vector<PrefixDeclaration> prefixes;

  // The declaration of name among the own and inherited attributes, or none.
  const AttributeDeclaration* FindAttribute(const std::string& name) const;
  // Own and inherited attributes, inherited first.
  std::vector<const AttributeDeclaration*> AllAttributes() const;
  bool Raises(int id) const;
};

const char* AttributeSyntaxName(AttributeSyntax syntax);
const char* ElementKindName(ElementKind kind);

// Stores each declared attribute present in attributes (inherited sets first) into element,
// cut to the row's limit. An absent one leaves what the element holds: its declared default
// when new, and what an earlier load set when read again (a button's caption). Rows without
// a binding are skipped.
void LoadDeclaredAttributes(CObjectx& element, const ElementDeclaration& declaration,
                            const AttributeMap& attributes);

struct ElementDeclarationRegistration {
  ElementDeclarationRegistration(const char* name, const ElementDeclaration* declaration);
};

}  // namespace KRUI

#define KRUI_DECLARE_ELEMENT(name, declaration)                                          \
  static const ::KRUI::ElementDeclarationRegistration KRUI_CONCAT(krui_declaration_, __LINE__)( \
      name, &(declaration))
