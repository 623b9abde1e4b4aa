// "QuitApplication": ends the process, ends the message loop, or closes every top-level
// window, as `method` says ("exitprocess", "quitmessage", "closewindow").
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CQuitApplicationAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Continues for every method that returns; any other method does nothing.
  ActionResult Execute(CEventx& event) override;

 private:
  std::string method_;
};

}  // namespace KRUI
