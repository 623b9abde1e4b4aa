#include "StandinUiThread.h"

#include <map>

#include "StandinLog.h"
#include "browser/CefRefCounted.h"

namespace CefStandin {
namespace {

const UINT kRunTaskMessage = WM_APP + 1;

void RunAndRelease(cef_task_t* task) noexcept {
  if (task->execute) task->execute(task);
  KRUI::CefRelease(task);
}

}  // namespace

bool CStandinUiThread::Start() {
  if (thread_) return true;
  ready_.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!ready_) return false;
  thread_.reset(::CreateThread(nullptr, 0, &ThreadMain, this, 0, &threadId_));
  if (!thread_) return false;
  HANDLE waits[] = {ready_.get(), thread_.get()};
  return ::WaitForMultipleObjects(2, waits, FALSE, 10000) == WAIT_OBJECT_0;
}

void WaitWithoutGivingUp(HANDLE handle, const char* what) {
  if (::WaitForSingleObject(handle, kStuckAfterMs) != WAIT_TIMEOUT) return;
  CStandinLog::Instance().Write(what, "stuck", 1);
  ::WaitForSingleObject(handle, INFINITE);
}

void CStandinUiThread::Stop() {
  if (!thread_) return;
  ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitWithoutGivingUp(thread_.get(), "ui_thread_stop");
  thread_.reset();
  threadId_ = 0;
}

bool CStandinUiThread::PostTask(cef_task_t* task, long long delayMs) {
  if (!thread_ || !task) return false;
  if (delayMs < 0) delayMs = 0;
  return ::PostThreadMessageW(threadId_, kRunTaskMessage, reinterpret_cast<WPARAM>(task),
                              static_cast<LPARAM>(delayMs)) != FALSE;
}

DWORD WINAPI CStandinUiThread::ThreadMain(void* param) {
  static_cast<CStandinUiThread*>(param)->Loop();
  return 0;
}

void CStandinUiThread::Loop() {
  MSG msg = {};
  ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // creates the queue before Start returns
  ::SetEvent(ready_.get());
  std::multimap<ULONGLONG, cef_task_t*> delayed;
  for (;;) {
    DWORD timeout = INFINITE;
    if (!delayed.empty()) {
      ULONGLONG now = ::GetTickCount64();
      timeout = delayed.begin()->first > now ? static_cast<DWORD>(delayed.begin()->first - now) : 0;
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout, QS_ALLINPUT);
    while (!delayed.empty() && delayed.begin()->first <= ::GetTickCount64()) {
      cef_task_t* task = delayed.begin()->second;
      delayed.erase(delayed.begin());
      RunAndRelease(task);
    }
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // Tasks that never ran are dropped as the runtime drops them at shutdown.
        for (auto& entry : delayed) KRUI::CefRelease(entry.second);
        return;
      }
      if (msg.message == kRunTaskMessage && msg.hwnd == nullptr) {
        cef_task_t* task = reinterpret_cast<cef_task_t*>(msg.wParam);
        if (msg.lParam == 0)
          RunAndRelease(task);
        else
          delayed.emplace(::GetTickCount64() + static_cast<ULONGLONG>(msg.lParam), task);
        continue;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

}  // namespace CefStandin
