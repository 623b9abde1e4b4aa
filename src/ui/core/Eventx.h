// One raised event: made by its sender, dispatched to the sender's own handlers, gone after.
#pragma once
#include <cstdint>

namespace KRUI {

class CObjectx;

// Pointer-sized so that a text param fits on 64-bit builds (32 bits on the 32-bit build).
using EventParam = intptr_t;

class CEventx {
 public:
  // An event whose param is a number (a size type, a count) or nothing.
  CEventx(int id, CObjectx* sender, EventParam param = 0) noexcept
      : id(id), sender(sender), param(param) {}
  virtual ~CEventx() = default;

  // An event whose param is a narrow text (a URL); the text must outlive the dispatch.
  static CEventx WithText(int id, CObjectx* sender, const char* text) noexcept {
    CEventx event(id, sender, reinterpret_cast<EventParam>(text));
    event.hasText_ = text != nullptr;
    return event;
  }

  // The param as text, or none when the sender raised a number: a size type of 1 read as
  // an address would crash whoever reads it.
  const char* ParamText() const noexcept {
    return hasText_ ? reinterpret_cast<const char*>(param) : nullptr;
  }
  bool HasText() const noexcept { return hasText_; }

  int id;
  CObjectx* sender;
  EventParam param;
  int result = 0;
  bool propagate = true;

 private:
  bool hasText_ = false;
};

}  // namespace KRUI
