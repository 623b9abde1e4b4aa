// "SendMessage": sends (sync "true", the default) or posts a window message with both
// parameters 0 to a top-level host window named by id.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CSendMessageAction : public CAction {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string windowId_;
  int message_ = 0;
  bool sync_ = true;
};

}  // namespace KRUI
