// "WBCommand": sends a command to an embedded browser control; "refresh" reloads the page
// through the cache.
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CWBCommandAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Always continues.
  ActionResult Execute(CEventx& event) override;

  const std::string& Param() const { return param_; }

 private:
  std::string windowId_;
  std::string browserId_;
  std::string command_;
  std::string param_;  // accepted from layouts; no command uses it
};

}  // namespace KRUI
