// "CreateTimer": starts (or restarts) the timer `timerid` on a host window, `elapse`
// seconds long. The window answers the tick by killing the timer and raising its timer
// event, so every timer ticks once.
#pragma once
#include <windows.h>

#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CCreateTimerAction : public CAction {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always stops: the actions after it in the handler never run.
  ActionResult Execute(CEventx& event) override;

  // The delay in milliseconds for a number of seconds: a negative delay and one longer than
  // the window system accepts are its maximum (USER_TIMER_MAXIMUM, about 24.8 days).
  static UINT DelayMilliseconds(int seconds);

 private:
  std::string windowId_;
  int timerId_ = 0;
  int elapse_ = 0;
};

}  // namespace KRUI
