// "QuitApplication": ends the process, ends the message loop, or closes every top-level
// window, as `method` says ("exitprocess", "quitmessage", "closewindow").
#pragma once
#include "ui/core/Action.h"

namespace KRUI {

class CQuitApplicationAction : public CAction {
 public:
  // The words of "method", in their declared order; 0 is any other word, which does nothing.
  enum class Method { kOther, kCloseWindow, kExitProcess, kQuitMessage };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Continues for every method that returns; any other method does nothing.
  ActionResult Execute(CEventx& event) override;

 private:
  Method method_ = Method::kOther;
};

}  // namespace KRUI
