#include "actions/CreateTimerAction.h"

#include <cstdint>

#include "actions/ActionTargets.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("CreateTimer", CCreateTimerAction);
const ElementDeclaration CCreateTimerAction::kDeclaration = {
    kKindAction,
    "starts (or restarts) a one-shot timer of a window, which raises the window's timer event (103) and stops "
    "the handler: the actions after it never run",
    {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowRef, "", 0, nullptr, kOwnerWhenEmptyHelp,
         Into<&CCreateTimerAction::windowId_>()},
        {"timerid", AttributeSyntax::kInteger, "0", 0, nullptr, "the timer's number, one per timer of the window",
         Into<&CCreateTimerAction::timerId_>()},
        {"elapse", AttributeSyntax::kInteger, "0", 0, nullptr,
         "the delay in seconds (not milliseconds); a negative one is the longest the system allows",
         Into<&CCreateTimerAction::elapse_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("CreateTimer", CCreateTimerAction::kDeclaration);

UINT CCreateTimerAction::DelayMilliseconds(int seconds) {
  if (seconds == 0) return 0;
  // seconds x 1000 reaches the window system as an unsigned count: a negative delay is a
  // huge one, which the system clamps to its maximum (not to its minimum: a handler that
  // re-arms its own timer would then spin).
  if (seconds < 0) return USER_TIMER_MAXIMUM;
  const int64_t ms = static_cast<int64_t>(seconds) * 1000;
  return ms > USER_TIMER_MAXIMUM ? USER_TIMER_MAXIMUM : static_cast<UINT>(ms);
}

ActionResult CCreateTimerAction::Execute(CEventx& event) {
  CHostWindow* window = ResolveWindowReference(windowId_, event, AttributeSyntax::kWindowRef);
  if (!window) return ActionResult::Stop;
  // A window without a native window has nowhere to tick: SetTimer with a null handle
  // would make a repeating thread timer under a new id that nothing could kill.
  if (HWND hwnd = window->GetHwnd()) {
    // Same window and id: the running timer restarts with the new delay.
    ::SetTimer(hwnd, static_cast<UINT_PTR>(static_cast<unsigned>(timerId_)), DelayMilliseconds(elapse_), nullptr);
  }
  return ActionResult::Stop;
}

}  // namespace KRUI
