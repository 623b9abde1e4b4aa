// Element type name -> factory. Each element class registers itself with one line in its
// own .cpp:   KRUI_REGISTER_ELEMENT("Button", CButtonControl);
#pragma once
#include <map>
#include <string>
#include <vector>

#include "ui/core/Objectx.h"

namespace KRUI {

struct ElementDeclaration;

using ElementCreator = bool (*)(CObjectx** out);

class ElementRegistry {
 public:
  static ElementRegistry& Instance();
  void Register(const std::string& name, ElementCreator creator);
  bool Create(const std::string& name, CObjectx** out) const;
  std::vector<std::string> Names() const;
  // The vocabulary an element declared beside its registration, or none.
  void Declare(const std::string& name, const ElementDeclaration* declaration);
  const ElementDeclaration* Declaration(const std::string& name) const;

 private:
  std::map<std::string, ElementCreator> creators_;
  std::map<std::string, const ElementDeclaration*> declarations_;
};

// Inserts or replaces the creator for name.
void RegisterElementType(const std::string& name, ElementCreator creator);
// The creator's result for a registered name; false (out unchanged) otherwise.
bool CreateElement(const std::string& name, CObjectx** out);

template <typename T>
bool CreateElementOf(CObjectx** out) {
  *out = new T();
  return true;
}

struct ElementRegistration {
  ElementRegistration(const char* name, ElementCreator creator) { RegisterElementType(name, creator); }
};

}  // namespace KRUI

#define KRUI_CONCAT_INNER(a, b) a##b
#define KRUI_CONCAT(a, b) KRUI_CONCAT_INNER(a, b)
#define KRUI_REGISTER_ELEMENT(name, Class)                          \
  static const ::KRUI::ElementRegistration KRUI_CONCAT(krui_element_, __LINE__)( \
      name, &::KRUI::CreateElementOf<Class>)
