// An object that may take a message out of the UI loop before it is translated and
// dispatched (the ActiveX browser uses it for keyboard accelerators).
#pragma once
#include <windows.h>

namespace KRUI {

class _IMessageFilter {
 public:
  virtual ~_IMessageFilter() = default;
  // True consumes the message: it is neither translated nor dispatched.
  virtual bool PreTranslateMessage(MSG* msg) = 0;
};

}  // namespace KRUI
