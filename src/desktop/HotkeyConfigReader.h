// "HotkeyConfigReader": puts the combination stored in conf.dat ("group" section, "key"
// key; "ctrl_k" when missing) into the control "to" of the event's owner window. It always
// stops its handler.
#pragma once
#include <string>

#include "ui/core/Action.h"

class CHotkeyConfigReader : public KRUI::CAction {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

 private:
  std::string group_;
  std::string key_;
  std::string to_;
};
