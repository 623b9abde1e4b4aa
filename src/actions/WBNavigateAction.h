// "WBNavigate": loads a URL into an embedded browser control, the `url` attribute's or
// (fromdata "event") the text the event carries, and writes `retval` into the event.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CWBNavigateAction : public CAction {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues. The result is written whenever the browser was found, also when
  // there was no URL to load.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string windowId_;
  std::string browserId_;
  std::string url_;
};

}  // namespace KRUI
