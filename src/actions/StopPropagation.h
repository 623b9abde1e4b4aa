// "StopPropagation": ends the event's delivery, both the rest of this handler and every
// later handler.
#pragma once
#include "ui/core/Action.h"

namespace KRUI {

class CStopPropagation : public CAction {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Clears the event's propagate flag and stops.
  ActionResult Execute(CEventx& event) override;
};

}  // namespace KRUI
