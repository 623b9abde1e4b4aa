#include "actions/SendMessageAction.h"

#include <windows.h>

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("SendMessage", CSendMessageAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "sends a window message", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowId, "", 0, nullptr, "the target window; empty: the first window without an id"},
        {"message", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "the message number"},
        {"sync", ::KRUI::AttributeSyntax::kFlag, "true", 0, nullptr, "send (true) or post"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("SendMessage", kElementDeclaration);

bool CSendMessageAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadInt(attributes, "message", message_);
  ReadFlag(attributes, "sync", sync_);
  return true;
}

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
