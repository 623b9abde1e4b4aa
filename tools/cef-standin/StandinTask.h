// The stand-in's own work for its UI thread, wrapped as a runtime task so that it queues
// and runs in order with the program's posted tasks.
#pragma once
#include <functional>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinTask : public KRUI::CCefRefCounted {
 public:
  // A task table carrying the one reference a poster hands over.
  static cef_task_t* Make(std::function<void()> work);

 private:
  explicit CStandinTask(std::function<void()> work) : table_(this), work_(std::move(work)) {
    table_.get()->execute = &Execute;
  }
  ~CStandinTask() override = default;
  static void CEF_CALLBACK Execute(cef_task_t* self) noexcept;

  KRUI::CCefStruct<cef_task_t> table_;
  std::function<void()> work_;
};

}  // namespace CefStandin
