#include "actions/KillTimerAction.h"

#include <windows.h>

#include "actions/ActionTargets.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("KillTimer", CKillTimerAction);

bool CKillTimerAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadInt(attributes, "timerid", timerId_);
  return true;
}

bool CKillTimerAction::Execute(CEventx& event) {
  CHostWindow* window = ResolveWindowReference(windowId_, event, EmptyReference::kOwner);
  if (!window) return kContinueHandler;
  // With a null handle KillTimer would address this thread's timers instead.
  if (HWND hwnd = window->GetHwnd()) ::KillTimer(hwnd, static_cast<UINT_PTR>(static_cast<unsigned>(timerId_)));
  return kContinueHandler;
}

}  // namespace KRUI
