#include "ui/core/EventxDispatch.h"

#include "ui/core/Action.h"
#include "ui/core/EventxHandler.h"

namespace KRUI {

int CEventxDispatch::AddHandler(CEventxHandler* handler) {
  if (!handler) return 0;
  handlers_.push_back(handler);
  return static_cast<int>(handlers_.size());
}

namespace {
thread_local int g_dispatchDepth = 0;

struct DepthGuard {
  DepthGuard() { ++g_dispatchDepth; }
  ~DepthGuard() { --g_dispatchDepth; }
};
}  // namespace

bool CEventxDispatch::Dispatch(CEventx& event) {
  if (g_dispatchDepth >= kDispatchDepthLimit) return true;
  DepthGuard depth;
  for (CEventxHandler* handler : handlers_) {
    if (!handler || handler->Interest() != event.id) continue;
    for (CAction* action : handler->Actions()) {
      if (action && action->Execute(event) == ActionResult::Stop) break;
    }
    if (!event.propagate) break;
  }
  return true;
}

int CEventxDispatch::RaiseEvent(CObjectx* sender, int id, EventParam param) {
  CEventx event(id, sender, param);
  Dispatch(event);
  return event.result;
}

int CEventxDispatch::RaiseTextEvent(CObjectx* sender, int id, const char* text) {
  CEventx event = CEventx::WithText(id, sender, text);
  Dispatch(event);
  return event.result;
}

}  // namespace KRUI
