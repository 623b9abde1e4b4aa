// "ShowControl": makes a control visible or invisible and repaints its window. The control
// is a path inside a window, or "owner" for the control that raised the event.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CShowControlAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string windowId_;
  std::string controlId_;
  std::string show_;
};

}  // namespace KRUI
