// The root of every layout element.
#pragma once
#include "ui/core/AttributeMap.h"

namespace KRUI {

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
  // Reads the element's settings; every attribute is optional.
  virtual bool LoadAttributes(const AttributeMap& attributes) = 0;
  virtual ElementKind GetKind() const = 0;
};

}  // namespace KRUI
