// A unit of work for one of the runtime's threads (cef_post_task, cef_post_delayed_task).
// What the work needs is captured in it (a copy of a URL, a reference to a client) and goes
// when the runtime releases the task, after it ran or when it is dropped.
#pragma once
#include <functional>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace KRUI {

class CCefTask : public CCefRefCounted {
 public:
  // Posts work to thread after delayMs through the library; false when the runtime refused
  // it (the runtime then released the task, and the work with it).
  static bool Post(cef_thread_id_t thread, std::function<void()> work, int64 delayMs);

 private:
  explicit CCefTask(std::function<void()> work) noexcept;
  ~CCefTask() override = default;
  static void CEF_CALLBACK Execute(cef_task_t* self) noexcept;

  CCefStruct<cef_task_t> table_;
  std::function<void()> work_;
};

}  // namespace KRUI
