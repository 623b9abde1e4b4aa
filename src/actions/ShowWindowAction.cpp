#include "actions/ShowWindowAction.h"

#include <windows.h>

#include "actions/ActionTargets.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShowWindow", CShowWindowAction);
const ElementDeclaration CShowWindowAction::kDeclaration = {
    kKindAction,
    "shows, hides, minimises, maximises, restores, closes or toggles an active window; stops the handler when "
    "the window is not found, cannot be created, or show is none of its words",
    {&CAction::kAttributes},
    {
        {"windowid", AttributeSyntax::kWindowRef, "", 0, nullptr, kOwnerWhenEmptyHelp,
         Into<&CShowWindowAction::windowId_>()},
        // A window id here is no parent: only the two words are.
        {"parentid", AttributeSyntax::kChoice, "desktop", 0, "owner|desktop",
         "the parent of a native window made by showopt=\"active\": the window holding this element, or the "
         "desktop (also when empty); any other value makes nothing and stops the handler",
         Via<&CShowWindowAction::SetParent, &CShowWindowAction::ParentWord>()},
        {"show", AttributeSyntax::kChoice, "", 0,
         "show|true|hide|false|min|minimize|max|maximize|restore|nomal|close|auto|toggle",
         "show or true (with cmd), hide or false, min or minimize, max or maximize, restore or nomal (spelt so), "
         "close (ends a dialog with retcode), auto or toggle; any other, or none, stops the handler",
         Into<&CShowWindowAction::show_>()},
        {"showopt", AttributeSyntax::kChoice, "", 0, "active|deactive",
         "active: create the window if needed and mark it active first; deactive: mark it inactive after; any "
         "other, or none, neither",
         Into<&CShowWindowAction::showOption_>()},
        {"cmd", AttributeSyntax::kInteger, "0", 0, nullptr,
         "the ShowWindow command for show and toggle; 0 for the window's showdefault, -1 for SW_SHOW",
         Into<&CShowWindowAction::command_>()},
        {"retcode", AttributeSyntax::kInteger, "0", 0, nullptr, "a dialog's result when hidden, closed or toggled off",
         Into<&CShowWindowAction::returnCode_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowWindow", CShowWindowAction::kDeclaration);

ActionResult CShowWindowAction::Execute(CEventx& event) {
  CHostWindow* window = ResolveWindowReference(windowId_, event, AttributeSyntax::kWindowRef);
  if (!window) return ActionResult::Stop;

  if (showOption_ == ShowOption::kActive) {
    if (!window->GetHwnd()) {
      // The parent only matters when the native window is made here.
      HWND parent = nullptr;
      switch (parent_) {
        case Parent::kOwner: {
          CHostWindow* owner = OwnerWindowOf(event);
          parent = owner ? owner->GetHwnd() : nullptr;
          break;
        }
        case Parent::kDesktop: parent = ::GetDesktopWindow(); break;
        case Parent::kOther: return ActionResult::Stop;
      }
      window->Create(parent);
    }
    window->SetActive(true);
  }

  if (!window->IsActive()) return ActionResult::Continue;
  // A popup dialog's Show returns only when the dialog has ended.
  if (!ApplyShow(*window)) return ActionResult::Stop;

  if (showOption_ == ShowOption::kDeactive) window->SetActive(false);
  return ActionResult::Continue;
}

void CShowWindowAction::SetParent(const std::string& word) {
  parent_ = word == "owner" ? Parent::kOwner : word.empty() || word == "desktop" ? Parent::kDesktop : Parent::kOther;
}

const char* CShowWindowAction::ParentWord() const {
  return parent_ == Parent::kOwner ? "owner" : parent_ == Parent::kDesktop ? "desktop" : "";
}

bool CShowWindowAction::ApplyShow(CHostWindow& window) {
  switch (show_) {
    case Show::kShow:
    case Show::kTrue: window.Show(command_, false); break;
    case Show::kHide:
    case Show::kFalse: window.Hide(returnCode_); break;
    case Show::kMin:
    case Show::kMinimize: window.Show(SW_SHOWMINIMIZED, false); break;
    case Show::kMax:
    case Show::kMaximize: window.Show(SW_SHOWMAXIMIZED, false); break;
    case Show::kRestore:
    case Show::kNomal: window.Show(SW_SHOWNORMAL, false); break;
    case Show::kClose: window.Hide(returnCode_); break;  // ends a dialog with the code, hides a frame window
    case Show::kAuto:
    case Show::kToggle: window.Toggle(command_, returnCode_); break;
    case Show::kOther: return false;
  }
  return true;
}

}  // namespace KRUI
