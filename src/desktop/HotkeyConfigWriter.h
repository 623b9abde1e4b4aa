// "HotkeyConfigWriter": stores the value of the control "fromdata" of the event's owner
// window in conf.dat ("group" section, "key" key), even an empty one. Always continues.
#pragma once
#include <string>

#include "ui/core/Action.h"

class CHotkeyConfigWriter : public KRUI::CAction {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

 private:
  std::string group_;
  std::string key_;
};
