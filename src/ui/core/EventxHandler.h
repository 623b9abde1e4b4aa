// "EventHandler": runs its actions, in document order, for events numbered `interest`.
#pragma once
#include <vector>

#include "ui/core/Objectx.h"

namespace KRUI {

class CAction;

class CEventxHandler : public CObjectx {
 public:
  ElementKind GetKind() const override { return kKindEventHandler; }
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;

  void AddAction(CAction* action) { actions_.push_back(action); }
  int Interest() const { return interest_; }
  const std::vector<CAction*>& Actions() const { return actions_; }

 private:
  int interest_ = 0;
  std::vector<CAction*> actions_;
};

}  // namespace KRUI
