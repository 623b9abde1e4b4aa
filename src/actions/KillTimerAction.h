// "KillTimer": stops a timer that CreateTimer started, before it ticks.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CKillTimerAction : public CAction {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues; a timer that is not running is no error.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string windowId_;
  int timerId_ = 0;
};

}  // namespace KRUI
