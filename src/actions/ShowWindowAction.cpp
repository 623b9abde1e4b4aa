#include "actions/ShowWindowAction.h"

#include <windows.h>

#include "actions/ActionTargets.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShowWindow", CShowWindowAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "shows, hides, minimises, restores or closes a window", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowRef, "", 0, nullptr, "the target window: an id, or \"owner\" for the window holding this element"},
        {"parentid", ::KRUI::AttributeSyntax::kWindowRef, "desktop", 0, nullptr, "owner of a window shown active: \"owner\", \"desktop\" or an id"},
        {"show", ::KRUI::AttributeSyntax::kChoice, "", 0, "show|true|hide|false|min|minimize|max|maximize|restore|nomal|close|auto|toggle", ""},
        {"showopt", ::KRUI::AttributeSyntax::kChoice, "", 0, "active|deactive", "activation"},
        {"cmd", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "ShowWindow command for restore"},
        {"retcode", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "a dialog's result when closed"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowWindow", kElementDeclaration);

bool CShowWindowAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "windowid", windowId_);
  ReadString(attributes, "parentid", parentId_);
  ReadString(attributes, "show", show_);
  ReadString(attributes, "showopt", showOption_);
  ReadInt(attributes, "cmd", command_);
  ReadInt(attributes, "retcode", returnCode_);
  return true;
}

ActionResult CShowWindowAction::Execute(CEventx& event) {
  CHostWindow* window = ResolveWindowReference(windowId_, event, EmptyReference::kOwner);
  if (!window) return ActionResult::Stop;

  if (showOption_ == "active") {
    if (!window->GetHwnd()) {
      // The parent only matters when the native window is made here.
      HWND parent = nullptr;
      if (parentId_ == "owner") {
        CHostWindow* owner = OwnerWindowOf(event);
        parent = owner ? owner->GetHwnd() : nullptr;
      } else if (parentId_.empty() || parentId_ == "desktop") {
        parent = ::GetDesktopWindow();
      } else {
        return ActionResult::Stop;
      }
      window->Create(parent);
    }
    window->SetActive(true);
  }

  if (!window->IsActive()) return ActionResult::Continue;
  // A popup dialog's Show returns only when the dialog has ended.
  if (!ApplyShow(*window)) return ActionResult::Stop;

  if (showOption_ == "deactive") window->SetActive(false);
  return ActionResult::Continue;
}

bool CShowWindowAction::ApplyShow(CHostWindow& window) {
  const std::string& s = show_;
  if (s == "show" || s == "true") {
    window.Show(command_, false);
  } else if (s == "hide" || s == "false") {
    window.Hide(returnCode_);
  } else if (s == "min" || s == "minimize") {
    window.Show(SW_SHOWMINIMIZED, false);
  } else if (s == "max" || s == "maximize") {
    window.Show(SW_SHOWMAXIMIZED, false);
  } else if (s == "restore" || s == "nomal") {  // "nomal" is the layout keyword, spelled so
    window.Show(SW_SHOWNORMAL, false);
  } else if (s == "close") {
    window.Hide(returnCode_);  // ends a dialog with the code, hides a frame window
  } else if (s == "auto" || s == "toggle") {
    window.Toggle(command_, returnCode_);
  } else {
    return false;
  }
  return true;
}

}  // namespace KRUI
