#include "desktop/ShowMessagebox.h"

#include "actions/ActionTargets.h"
#include "ui/controls/ButtonControl.h"
#include "ui/controls/TextControl.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"
#include "ui/windows/PopupHostDialog.h"

KRUI_REGISTER_ELEMENT("ShowMessagebox", CShowMessagebox);
const KRUI::ElementDeclaration CShowMessagebox::kDeclaration = {
    KRUI::kKindAction,
    "asks a question in a popup dialog, modally over the event's owner window; stops the handler unless the answer "
    "is continue. Directly under the dialog's root it fills the Text controls msgbox.title and msgbox.message and "
    "the captions of the Buttons msgbox.yes and msgbox.no (each one optional; a Button made without text has no "
    "caption to fill)",
    {&KRUI::CAction::kAttributes},
    {
        {"windowid", KRUI::AttributeSyntax::kWindowId, "", 0, nullptr,
         "the popup dialog that asks; empty: the first window without an id",
         KRUI::Into<&CShowMessagebox::windowId_>()},
        {"title", KRUI::AttributeSyntax::kText, "", 0, nullptr, "text of the dialog's msgbox.title",
         KRUI::Into<&CShowMessagebox::title_>()},
        {"message", KRUI::AttributeSyntax::kText, "", 0, nullptr, "text of the dialog's msgbox.message",
         KRUI::Into<&CShowMessagebox::message_>()},
        {"yes", KRUI::AttributeSyntax::kText, "", 0, nullptr, "caption of the dialog's button msgbox.yes",
         KRUI::Into<&CShowMessagebox::yes_>()},
        {"no", KRUI::AttributeSyntax::kText, "", 0, nullptr, "caption of the dialog's button msgbox.no",
         KRUI::Into<&CShowMessagebox::no_>()},
        {"continue", KRUI::AttributeSyntax::kInteger, "1", 0, nullptr,
         "the dialog's end code that lets the handler go on (1 Enter, 2 Escape or close, a button's retcode)",
         KRUI::Into<&CShowMessagebox::continue_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowMessagebox", CShowMessagebox::kDeclaration);

namespace {

// A button made without a caption keeps none.
void SetChildCaption(KRUI::CControl* root, const char* id, const std::string& text) {
  if (auto* button = dynamic_cast<KRUI::CButtonControl*>(root->FindChild(id))) button->SetText(text);
}

}  // namespace

KRUI::ActionResult CShowMessagebox::Execute(KRUI::CEventx& event) {
  // A plain id: "owner" means nothing special here.
  auto* dialog = dynamic_cast<KRUI::CPopupHostDialog*>(KRUI::CLayoutLoader::Instance().FindTopLevelWindow(windowId_));
  // Only a popup dialog runs modally and answers with the user's choice; one that is up
  // already (a second request while the question is open) is not asked again.
  if (!dialog || dialog->GetHwnd()) return KRUI::ActionResult::Stop;

  if (KRUI::CControl* root = dialog->GetRootControl()) {
    // Every run sets every text, an absent attribute giving the empty one.
    KRUI::CTextControl::SetChildText(root, kMessageboxTitleId, title_);
    KRUI::CTextControl::SetChildText(root, kMessageboxMessageId, message_);
    SetChildCaption(root, kMessageboxYesId, yes_);
    SetChildCaption(root, kMessageboxNoId, no_);
  }

  KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event);
  dialog->Create(owner ? owner->GetHwnd() : nullptr);
  dialog->SetActive(true);
  // Modal: returns when the dialog has ended, with its end code (-1 when it could not run).
  const int code = dialog->Show(0, false);
  return code == continue_ ? KRUI::ActionResult::Continue : KRUI::ActionResult::Stop;
}
