// "Layout": a plain control that groups and positions its children and can give an area of
// the window a hit-test code (drag caption, resize grip). It draws nothing.
#pragma once
#include "ui/core/Control.h"

namespace KRUI {

class CLayoutControl : public CControl {
 public:
  ~CLayoutControl() override = default;

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
};

}  // namespace KRUI
