#include "actions/KillTimerAction.h"

#include <windows.h>

#include "actions/ActionTargets.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("KillTimer", CKillTimerAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "stops a window timer", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowRef, "", 0, nullptr, "the target window: an id, or \"owner\" for the window holding this element"},
        {"timerid", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, ""},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("KillTimer", kElementDeclaration);

bool CKillTimerAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadInt(attributes, "timerid", timerId_);
  return true;
}

ActionResult CKillTimerAction::Execute(CEventx& event) {
  CHostWindow* window = ResolveWindowReference(windowId_, event, EmptyReference::kOwner);
  if (!window) return ActionResult::Continue;
  // With a null handle KillTimer would address this thread's timers instead.
  if (HWND hwnd = window->GetHwnd()) ::KillTimer(hwnd, static_cast<UINT_PTR>(static_cast<unsigned>(timerId_)));
  return ActionResult::Continue;
}

}  // namespace KRUI
