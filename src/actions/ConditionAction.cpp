#include "actions/ConditionAction.h"

#include <cstdint>
#include <cstring>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Condition", CConditionAction);
const ElementDeclaration CConditionAction::kDeclaration = {
    kKindAction, "stops the handler unless the event's data passes a test", {&CAction::kAttributes},
    {
        {"type", AttributeSyntax::kChoice, "str", 0, "str|num",
         "compare the event's data as text or as a signed number; any other fails", Into<&CConditionAction::type_>()},
        {"str", AttributeSyntax::kText, "", 0, nullptr, "the text compared", Into<&CConditionAction::text_>()},
        {"num", AttributeSyntax::kInteger, "0", 0, nullptr, "the number compared", Into<&CConditionAction::number_>()},
        {"condition", AttributeSyntax::kChoice, "", 0, "eq|equal|neq|gt|lt|egt|elt|contain",
         "the test: contain or equal for str, the others for num; any other, or none, fails",
         Into<&CConditionAction::condition_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Condition", CConditionAction::kDeclaration);

ActionResult CConditionAction::Execute(CEventx& event) {
  return Passes(event) ? ActionResult::Continue : ActionResult::Stop;
}

bool CConditionAction::Passes(const CEventx& event) const {
  if (type_ == Type::kStr) {
    // An event without text compares as the empty text.
    const char* text = event.ParamText();
    if (!text) text = "";
    if (condition_ == Test::kContain) return std::strstr(text, text_.c_str()) != nullptr;
    if (condition_ == Test::kEqual) return text_ == text;
    return false;
  }
  if (type_ == Type::kNum) {
    // Numbers travel in the low 32 bits of the param, signed.
    const auto d = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uintptr_t>(event.param)));
    const int32_t n = number_;
    switch (condition_) {
      case Test::kEq: return d == n;
      case Test::kNeq: return d != n;
      case Test::kLt: return d < n;
      case Test::kElt: return d <= n;
      case Test::kGt: return d > n;
      case Test::kEgt: return d >= n;
      default: return false;
    }
  }
  return false;
}

}  // namespace KRUI
