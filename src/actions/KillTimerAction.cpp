#include "actions/KillTimerAction.h"

#include <windows.h>

#include "actions/ActionTargets.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("KillTimer", CKillTimerAction);
const ElementDeclaration CKillTimerAction::kDeclaration = {
    kKindAction, "stops a timer that CreateTimer started, before it ticks", {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowRef, "", 0, nullptr, kOwnerWhenEmptyHelp,
         Into<&CKillTimerAction::windowId_>()},
        {"timerid", AttributeSyntax::kInteger, "0", 0, nullptr, "the timer's number", Into<&CKillTimerAction::timerId_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("KillTimer", CKillTimerAction::kDeclaration);

ActionResult CKillTimerAction::Execute(CEventx& event) {
  CHostWindow* window = ResolveWindowReference(windowId_, event, AttributeSyntax::kWindowRef);
  if (!window) return ActionResult::Continue;
  // With a null handle KillTimer would address this thread's timers instead.
  if (HWND hwnd = window->GetHwnd()) ::KillTimer(hwnd, static_cast<UINT_PTR>(static_cast<unsigned>(timerId_)));
  return ActionResult::Continue;
}

}  // namespace KRUI
