// "ShowControl": makes a control visible or invisible and repaints its window. The control
// is a path inside a window, or "owner" for the control that raised the event.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CShowControlAction : public CAction {
 public:
  // The words of "show", in their declared order; 0 is any other word, which does nothing.
  enum class Show { kOther, kShow, kTrue, kHide, kFalse };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string windowId_;
  std::string controlId_;
  Show show_ = Show::kOther;
};

}  // namespace KRUI
