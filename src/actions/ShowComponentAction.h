// "ShowComponent": shows, hides or toggles a component (tray icon, menu) held by a
// top-level window, in practice the component host window.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CShowComponentAction : public CAction {
 public:
  // The words of "show", in their declared order; 0 is any other word, which does nothing.
  enum class Show { kOther, kShow, kTrue, kHide, kFalse, kAuto, kToggle };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

  bool Destroy() const { return destroy_; }

 private:
  std::string windowId_;
  std::string componentId_;
  Show show_ = Show::kOther;
  bool destroy_ = false;  // accepted from layouts; nothing depends on it
};

}  // namespace KRUI
