#include "actions/SendMessageAction.h"

#include <windows.h>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("SendMessage", CSendMessageAction);
const ElementDeclaration CSendMessageAction::kDeclaration = {
    kKindAction, "sends or posts a window message, both parameters 0, to a window", {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowId, "", 0, nullptr,
         "the window's id (\"owner\" is an id like any other); empty: the first window without an id",
         Into<&CSendMessageAction::windowId_>()},
        {"message", AttributeSyntax::kInteger, "0", 0, nullptr, "the message number, in decimal",
         Into<&CSendMessageAction::message_>()},
        {"sync", AttributeSyntax::kFlag, "true", 0, nullptr, "true: send and wait; anything else: post",
         Into<&CSendMessageAction::sync_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("SendMessage", CSendMessageAction::kDeclaration);

ActionResult CSendMessageAction::Execute(CEventx&) {
  // A plain id: "owner" is looked up like any other, and the empty id finds the first
  // window without one.
  CHostWindow* window = CLayoutLoader::Instance().FindTopLevelWindow(windowId_);
  if (!window) return ActionResult::Continue;
  const UINT message = static_cast<UINT>(message_);
  // Without a native window the handle is null: a send reaches nobody, a post lands in
  // this thread's own queue (so a posted WM_QUIT ends this thread's loop).
  if (sync_) {
    ::SendMessageW(window->GetHwnd(), message, 0, 0);
  } else {
    ::PostMessageW(window->GetHwnd(), message, 0, 0);
  }
  return ActionResult::Continue;
}

}  // namespace KRUI
