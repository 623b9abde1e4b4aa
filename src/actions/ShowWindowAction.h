// "ShowWindow": creates, shows, hides, minimises, maximises, restores or toggles a host
// window, optionally activating it first ("showopt" "active") or deactivating it after
// ("deactive"). Only windows whose active flag is set are operated on.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CHostWindow;

class CShowWindowAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Stops when the window is not found, when it would need creating under a parent
  // other than "owner" or "desktop", and for an unknown `show` keyword.
  ActionResult Execute(CEventx& event) override;

 private:
  // False when `show` is not a known keyword.
  bool ApplyShow(CHostWindow& window);

  std::string windowId_;
  std::string parentId_ = "desktop";
  std::string show_;
  std::string showOption_;
  int command_ = 0;
  int returnCode_ = 0;
};

}  // namespace KRUI
