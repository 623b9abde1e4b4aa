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
  // The words of "show" and "showopt", in their declared order; 0 is any other word.
  // "nomal" is the layout's keyword for restoring, spelt so.
  enum class Show {
    kOther, kShow, kTrue, kHide, kFalse, kMin, kMinimize, kMax, kMaximize, kRestore, kNomal, kClose, kAuto, kToggle
  };
  enum class ShowOption { kOther, kActive, kDeactive };
  // "parentid": "owner", "desktop" (also the empty value), or any other, which creates nothing.
  enum class Parent { kOther, kOwner, kDesktop };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Stops when the window is not found, when it would need creating under a parent
  // other than "owner" or "desktop", and for an unknown `show` keyword.
  ActionResult Execute(CEventx& event) override;

 private:
  // False when `show` is not a known keyword.
  bool ApplyShow(CHostWindow& window);

  void SetParent(const std::string& word);
  const char* ParentWord() const;

  std::string windowId_;
  Parent parent_ = Parent::kDesktop;
  Show show_ = Show::kOther;
  ShowOption showOption_ = ShowOption::kOther;
  int command_ = 0;
  int returnCode_ = 0;
};

}  // namespace KRUI
