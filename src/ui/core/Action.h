// Base of every action element.
#pragma once
#include <string>

#include "ui/core/Eventx.h"
#include "ui/core/Objectx.h"

namespace KRUI {

struct AttributeSet;

// What an action tells the handler running it: run the next action, or skip the rest.
enum class ActionResult { Continue, Stop };

class CAction : public CObjectx {
 public:
  ElementKind GetKind() const override { return kKindAction; }
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  // The attributes every action reads, and the declaration of a action with no more.
  static const AttributeSet kAttributes;
  static const ElementDeclaration kDeclaration;
  // Performs the action; Stop skips the remaining actions of the same handler.
  virtual ActionResult Execute(CEventx& event) = 0;

  int Interest() const { return interest_; }
  int Retval() const { return retval_; }
  const std::string& Fromdata() const { return fromdata_; }

 protected:
  int interest_ = -1;  // stored only; dispatch goes by the handler's interest
  int retval_ = 0;
  std::string fromdata_;
};

}  // namespace KRUI
