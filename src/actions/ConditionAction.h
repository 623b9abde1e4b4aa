// "Condition": a guard. It tests the event's param, as text ("str": "contain", "equal") or
// as a signed 32-bit number ("num": "eq", "neq", "lt", "elt", "gt", "egt"), and stops the
// handler when the test fails, so the actions after it run only when it holds.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CConditionAction : public CAction {
 public:
  // The words of "type" and "condition", in their declared order; 0 is any other word,
  // whose test always fails.
  enum class Type { kOther, kStr, kNum };
  enum class Test { kOther, kEq, kEqual, kNeq, kGt, kLt, kEgt, kElt, kContain };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Continues when the test passes; an unknown type or condition fails.
  ActionResult Execute(CEventx& event) override;

 private:
  bool Passes(const CEventx& event) const;

  Type type_ = Type::kStr;
  std::string text_;
  int number_ = 0;
  Test condition_ = Test::kOther;
};

}  // namespace KRUI
