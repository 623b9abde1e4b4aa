// The event handlers of a sender (window, control, component), in document order.
#pragma once
#include <vector>

#include "ui/core/Eventx.h"

namespace KRUI {

class CEventxHandler;

constexpr int kDispatchDepthLimit = 64;

class CEventxDispatch {
 public:
  virtual ~CEventxDispatch() = default;
  // Appends a handler (none is ignored: 0); returns the new count.
  virtual int AddHandler(CEventxHandler* handler);
  // Runs every handler whose interest is the event's id, in order, until one leaves the
  // event's propagate flag cleared. Always true. A dispatch nested deeper than
  // kDispatchDepthLimit inside other dispatches on this thread is dropped: an action that
  // re-raises its own event synchronously would otherwise recurse until the stack is gone.
  virtual bool Dispatch(CEventx& event);

  // Creates the event, dispatches it to this sender's handlers and returns its result.
  int RaiseEvent(CObjectx* sender, int id, EventParam param = 0);
  // The same for an event that carries a text (alive until this returns).
  int RaiseTextEvent(CObjectx* sender, int id, const char* text);

  const std::vector<CEventxHandler*>& Handlers() const { return handlers_; }

 private:
  std::vector<CEventxHandler*> handlers_;
};

}  // namespace KRUI
