// "Condition": a guard. It tests the event's param, as text ("str": "contain", "equal") or
// as a signed 32-bit number ("num": "eq", "neq", "lt", "elt", "gt", "egt"), and stops the
// handler when the test fails, so the actions after it run only when it holds.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CConditionAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Continues when the test passes; an unknown type or condition fails.
  ActionResult Execute(CEventx& event) override;

 private:
  bool Passes(const CEventx& event) const;

  std::string type_ = "str";
  std::string text_;
  int number_ = 0;
  std::string condition_;
};

}  // namespace KRUI
