// The process roles of the runtime as the stand-in plays them:
//  - cef_execute_process: -1 in the browser process (no --type switch); in a sub-process it
//    gives the app its command-line hook, asks a renderer for its handler, and returns 0;
//  - cef_initialize: once per process; gives the app its command-line hook, records the
//    settings and the final command line, starts the UI thread when asked to;
//  - cef_shutdown: stops the UI thread and drops the app.
#pragma once
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

 private:
  CStandinRuntime() = default;

  std::mutex mutex_;
  bool initialized_ = false;
  cef_app_t* app_ = nullptr;  // the reference cef_initialize was given
  CStandinUiThread uiThread_;
};

}  // namespace CefStandin
