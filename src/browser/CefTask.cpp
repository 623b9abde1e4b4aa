#include "browser/CefTask.h"

#include <new>
#include <utility>

#include "browser/CefLibrary.h"
#include "browser/CefRuntime.h"

namespace KRUI {

CCefTask::CCefTask(std::function<void()> work) noexcept : table_(this), work_(std::move(work)) {
  table_.get()->execute = &Execute;
}

bool CCefTask::Post(cef_thread_id_t thread, std::function<void()> work, int64 delayMs) {
  CCefLibrary& library = CCefLibrary::Instance();
  // Tasks for a runtime that never started would never run, and the call itself is not
  // allowed before cef_initialize.
  if (!IsCefRuntimeInitialized() || !library.post_delayed_task) return false;
  CCefTask* task = new (std::nothrow) CCefTask(std::move(work));
  if (!task) return false;
  // The runtime takes over the shared reference, whether it accepts the task or not.
  bool posted = library.post_delayed_task(thread, task->table_.Share(), delayMs) == 1;
  task->Release();
  return posted;
}

void CEF_CALLBACK CCefTask::Execute(cef_task_t* self) noexcept {
  auto* task = static_cast<CCefTask*>(CCefStruct<cef_task_t>::Owner(self));
  try {
    if (task->work_) task->work_();
  } catch (...) {
  }
}

}  // namespace KRUI
