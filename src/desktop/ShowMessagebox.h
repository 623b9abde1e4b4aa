// "ShowMessagebox": fills the title, message and button captions of a popup dialog page
// (the controls named below), runs the dialog modally over the event's owner window, and
// lets its handler go on only when the dialog ended with the code "continue".
#pragma once
#include <string>

#include "ui/core/Action.h"

// The ids of the controls ShowMessagebox fills, direct children of the dialog's root: two
// Text controls and two Buttons made with a caption.
constexpr const char kMessageboxTitleId[] = "msgbox.title";
constexpr const char kMessageboxMessageId[] = "msgbox.message";
constexpr const char kMessageboxYesId[] = "msgbox.yes";
constexpr const char kMessageboxNoId[] = "msgbox.no";

class CShowMessagebox : public KRUI::CAction {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

 private:
  std::string windowId_;
  std::string title_;
  std::string message_;
  std::string yes_;
  std::string no_;
  // Enter (IDOK) when a layout leaves it out.
  int continue_ = 1;
};
