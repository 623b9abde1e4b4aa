#include "ui/core/Action.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"

namespace KRUI {

const AttributeSet CAction::kAttributes = {
    "action",
    {
        {"interest", AttributeSyntax::kEventNumber, "-1", 0, nullptr, "stored only: the handler's interest decides",
         Into<&CAction::interest_>()},
        {"retval", AttributeSyntax::kInteger, "0", 0, nullptr, "result stored into the event", Into<&CAction::retval_>()},
        {"fromdata", AttributeSyntax::kText, "", 0, nullptr,
         "where the action takes its text: \"event\" or a control path of the owner window", Into<&CAction::fromdata_>()},
    }};
const ElementDeclaration CAction::kDeclaration = {kKindAction, "an action", {&kAttributes}, {}, {}, {}};

}  // namespace KRUI
