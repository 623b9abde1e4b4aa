// "ShowMessagebox": fills the title, message and button captions of a popup dialog page
// ("msgbox.title", "msgbox.message", "msgbox.yes", "msgbox.no" among the root's direct
// children), runs the dialog modally over the event's owner window, and lets its handler
// go on only when the dialog ended with the code "continue".
#pragma once
#include <string>

#include "ui/core/Action.h"

class CShowMessagebox : public KRUI::CAction {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
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
