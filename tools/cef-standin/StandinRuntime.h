// The process roles of the runtime as the stand-in plays them:
//  - cef_execute_process: -1 in the browser process (no --type switch); in a sub-process it
//    gives the app its command-line hook, asks a renderer for its handler, and returns 0;
//  - cef_initialize: once per process; gives the app its command-line hook, records the
//    settings and the final command line, starts the UI thread when asked to;
//  - cef_browser_host_create_browser: a browser whose window the UI thread makes after the
//    delay KRUI_CEF_STANDIN_CREATE_DELAY_MS names (default 0; "never": no browser comes; a
//    list names one delay per request in turn);
//  - cef_shutdown: journals the browsers still open or being made (a fault of the caller)
//    and the references the program still holds on them, runs the work queued on the UI
//    thread, destroys the browsers still open there (their OnBeforeClose comes) and waits
//    for it without a timeout, as the runtime does (a wait that cannot end is journalled as
//    stuck), then stops the UI thread and drops the app.
#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "StandinUiThread.h"
#include "browser/CefCapi.h"

namespace CefStandin {

class CStandinRuntime {
 public:
  static CStandinRuntime& Instance();

  int ExecuteProcess(const cef_main_args_t* args, cef_app_t* app);
  int Initialize(const cef_main_args_t* args, const cef_settings_t* settings, cef_app_t* app);
  void Shutdown();
  bool PostTask(cef_thread_id_t thread, cef_task_t* task, long long delayMs);
  bool CurrentlyOn(cef_thread_id_t thread);
  int CreateBrowser(const cef_window_info_t* info, cef_client_t* client, const cef_string_t* url,
                    const cef_browser_settings_t* settings, struct _cef_request_context_t* context);
  // The stand-in's own work for its UI thread; false when the thread does not run.
  bool RunOnUiThread(std::function<void()> work, long long delayMs = 0);
  // Tasks the program posted that wait on the UI thread (not started yet).
  long ProgramTasks() const { return programTasks_.load(); }

 private:
  CStandinRuntime() = default;

  std::mutex mutex_;
  bool initialized_ = false;
  cef_app_t* app_ = nullptr;  // the reference cef_initialize was given
  CStandinUiThread uiThread_;
  std::atomic<long> programTasks_{0};
};

}  // namespace CefStandin
