#include "desktop/ShowMessagebox.h"

#include "actions/ActionTargets.h"
#include "ui/controls/ButtonControl.h"
#include "ui/controls/TextControl.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"
#include "ui/windows/PopupHostDialog.h"

KRUI_REGISTER_ELEMENT("ShowMessagebox", CShowMessagebox);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "asks a question in a dialog; stops the handler unless the answer matches", {&::KRUI::kActionAttributes},
    {
        {"windowid", ::KRUI::AttributeSyntax::kWindowId, "", 0, nullptr, "the popup dialog that asks; empty: the first window without an id"},
        {"title", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, ""},
        {"message", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, ""},
        {"yes", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the yes button's caption"},
        {"no", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the no button's caption"},
        {"continue", ::KRUI::AttributeSyntax::kInteger, "1", 0, nullptr, "the answer (1 yes, 2 no) that lets the handler go on"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShowMessagebox", kElementDeclaration);

namespace {

// A button made without a caption keeps none.
void SetChildCaption(KRUI::CControl* root, const char* id, const std::string& text) {
  if (auto* button = dynamic_cast<KRUI::CButtonControl*>(root->FindChild(id))) button->SetText(text);
}

}  // namespace

bool CShowMessagebox::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "windowid", windowId_);
  KRUI::ReadString(attributes, "title", title_);
  KRUI::ReadString(attributes, "message", message_);
  KRUI::ReadString(attributes, "yes", yes_);
  KRUI::ReadString(attributes, "no", no_);
  KRUI::ReadInt(attributes, "continue", continue_);
  return true;
}

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
