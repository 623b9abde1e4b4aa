#include "actions/ConditionAction.h"

#include <cstdint>
#include <cstring>

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Condition", CConditionAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "stops the handler unless the event's data passes a test", {&::KRUI::kActionAttributes},
    {
        {"type", ::KRUI::AttributeSyntax::kChoice, "str", 0, "str|num", "compare as text or as a number"},
        {"str", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the text compared"},
        {"num", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "the number compared"},
        {"condition", ::KRUI::AttributeSyntax::kChoice, "", 0, "eq|equal|neq|gt|lt|egt|elt|contain", "the test"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Condition", kElementDeclaration);

bool CConditionAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "type", type_);
  ReadString(attributes, "str", text_);
  ReadInt(attributes, "num", number_);
  ReadString(attributes, "condition", condition_);
  return true;
}

ActionResult CConditionAction::Execute(CEventx& event) {
  return Passes(event) ? ActionResult::Continue : ActionResult::Stop;
}

bool CConditionAction::Passes(const CEventx& event) const {
  if (type_ == "str") {
    // An event without text compares as the empty text.
    const char* text = event.ParamText();
    if (!text) text = "";
    if (condition_ == "contain") return std::strstr(text, text_.c_str()) != nullptr;
    if (condition_ == "equal") return text_ == text;
    return false;
  }
  if (type_ == "num") {
    // Numbers travel in the low 32 bits of the param, signed.
    const auto d = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uintptr_t>(event.param)));
    const int32_t n = number_;
    if (condition_ == "eq") return d == n;
    if (condition_ == "neq") return d != n;
    if (condition_ == "lt") return d < n;
    if (condition_ == "elt") return d <= n;
    if (condition_ == "gt") return d > n;
    if (condition_ == "egt") return d >= n;
    return false;
  }
  return false;
}

}  // namespace KRUI
