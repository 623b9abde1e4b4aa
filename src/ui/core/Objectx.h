// The root of every layout element.
#pragma once
#include "ui/core/AttributeMap.h"

namespace KRUI {

struct ElementDeclaration;

// How the layout loader links an element into the tree.
enum ElementKind {
  kKindWindow = 0,
  kKindControl = 1,
  kKindComponent = 2,
  kKindEventHandler = 3,
  kKindAction = 4,
};

class CObjectx {
 public:
  virtual ~CObjectx() = default;
  // Reads the element's settings through its declaration: every attribute is optional,
  // an absent one leaves what the element holds. Elements that build more from their
  // attributes (children from prefixed attributes) override, calling this first.
  virtual bool LoadAttributes(const AttributeMap& attributes);
  virtual ElementKind GetKind() const = 0;
  // The vocabulary the element reads; the base classes give their shared sets.
  virtual const ElementDeclaration& Declaration() const = 0;
};

}  // namespace KRUI
