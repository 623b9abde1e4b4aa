// "KillTimer": stops a timer that CreateTimer started, before it ticks.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CKillTimerAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Always continues; a timer that is not running is no error.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string windowId_;
  int timerId_ = 0;
};

}  // namespace KRUI
