#include "ui/core/ElementRegistry.h"

namespace KRUI {

ElementRegistry& ElementRegistry::Instance() {
  // Function-local static: registrations from other translation units' static
  // initialisers always find it constructed.
  static ElementRegistry registry;
  return registry;
}

void ElementRegistry::Register(const std::string& name, ElementCreator creator) {
  creators_[name] = creator;
}

bool ElementRegistry::Create(const std::string& name, CObjectx** out) const {
  auto it = creators_.find(name);
  if (it == creators_.end() || !it->second || !out) return false;
  return it->second(out);
}

std::vector<std::string> ElementRegistry::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : creators_) names.push_back(entry.first);
  return names;
}

void ElementRegistry::Declare(const std::string& name, const ElementDeclaration* declaration) {
  declarations_[name] = declaration;
}

const ElementDeclaration* ElementRegistry::Declaration(const std::string& name) const {
  auto it = declarations_.find(name);
  return it == declarations_.end() ? nullptr : it->second;
}

void RegisterElementType(const std::string& name, ElementCreator creator) {
  ElementRegistry::Instance().Register(name, creator);
}

bool CreateElement(const std::string& name, CObjectx** out) {
  return ElementRegistry::Instance().Create(name, out);
}

}  // namespace KRUI
