// "ShowComponent": shows, hides or toggles a component (tray icon, menu) held by a
// top-level window, in practice the component host window.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CShowComponentAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

  bool Destroy() const { return destroy_; }

 private:
  std::string windowId_;
  std::string componentId_;
  std::string show_;
  bool destroy_ = false;  // accepted from layouts; nothing depends on it
};

}  // namespace KRUI
