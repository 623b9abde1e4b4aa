// "WBCommand": sends a command to an embedded browser control; "refresh" reloads the page
// through the cache.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CWBCommandAction : public CAction {
 public:
  // The words of "cmd", in their declared order; 0 is any other word, which does nothing.
  enum class Command { kOther, kRefresh };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

  const std::string& Param() const { return param_; }

 private:
  std::string windowId_;
  std::string browserId_;
  Command command_ = Command::kOther;
  std::string param_;  // accepted from layouts; no command uses it
};

}  // namespace KRUI
