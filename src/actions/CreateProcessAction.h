// "CreateProcess": starts a program that lies relative to the launcher's own folder, with a
// command line taken unchanged from the layout. The program runs on its own: nothing of it
// is kept and nothing waits for it.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CCreateProcessAction : public CAction {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues; a program that cannot be started is ignored.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string filePath_;
  std::string commandLine_;
};

}  // namespace KRUI
