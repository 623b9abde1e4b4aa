// The runtime's own UI thread (multi_threaded_message_loop): a thread with a message loop,
// started by cef_initialize and ended by cef_shutdown. Tasks posted to TID_UI run on it.
#pragma once
#include <windows.h>

#include "browser/CefCapi.h"
#include "ui/core/Handles.h"

namespace CefStandin {

// How long a wait on the UI thread may take before the journal calls it stuck.
constexpr DWORD kStuckAfterMs = 10000;
// Waits for handle as the runtime does, without a timeout; past kStuckAfterMs the journal
// says "<what>.stuck=1" (a test then fails on it instead of the wait returning).
void WaitWithoutGivingUp(HANDLE handle, const char* what);

class CStandinUiThread {
 public:
  CStandinUiThread() = default;
  ~CStandinUiThread() { Stop(); }
  CStandinUiThread(const CStandinUiThread&) = delete;
  CStandinUiThread& operator=(const CStandinUiThread&) = delete;

  // Starts the thread and waits until its queue exists; false if it could not start.
  bool Start();
  // Ends the loop and waits for the thread, without giving up.
  void Stop();
  bool IsRunning() const { return static_cast<bool>(thread_); }
  DWORD ThreadId() const { return threadId_; }
  // Runs task on the thread after delayMs; the task's reference is taken over.
  bool PostTask(cef_task_t* task, long long delayMs);

 private:
  static DWORD WINAPI ThreadMain(void* param);
  void Loop();

  KRUI::UniqueKernelHandle thread_;
  KRUI::UniqueKernelHandle ready_;
  DWORD threadId_ = 0;
};

}  // namespace CefStandin
