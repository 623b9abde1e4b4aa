// One raised event: made by its sender, dispatched to the sender's own handlers, gone after.
#pragma once
#include <cstdint>

namespace KRUI {

class CObjectx;

// Pointer-sized so that a text param fits on 64-bit builds (32 bits on the 32-bit build).
using EventParam = intptr_t;

class CEventx {
 public:
  CEventx(int id, CObjectx* sender, EventParam param = 0) noexcept
      : id(id), sender(sender), param(param) {}
  virtual ~CEventx() = default;

  // The param read as a narrow text (events that carry one); valid during dispatch only.
  const char* ParamText() const noexcept { return reinterpret_cast<const char*>(param); }
  static EventParam TextParam(const char* text) noexcept { return reinterpret_cast<EventParam>(text); }

  int id;
  CObjectx* sender;
  EventParam param;
  int result = 0;
  bool propagate = true;
};

}  // namespace KRUI
