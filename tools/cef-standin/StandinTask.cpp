#include "StandinTask.h"

namespace CefStandin {

cef_task_t* CStandinTask::Make(std::function<void()> work) {
  CStandinTask* task = new CStandinTask(std::move(work));
  cef_task_t* shared = task->table_.Share();
  task->Release();
  return shared;
}

void CEF_CALLBACK CStandinTask::Execute(cef_task_t* self) noexcept {
  auto* task = static_cast<CStandinTask*>(KRUI::CCefStruct<cef_task_t>::Owner(self));
  try {
    task->work_();
  } catch (...) {
  }
}

}  // namespace CefStandin
