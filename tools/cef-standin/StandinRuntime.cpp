#include "StandinRuntime.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "StandinBrowser.h"
#include "StandinCommandLine.h"
#include "StandinLog.h"
#include "StandinTask.h"
#include "browser/CefRefCounted.h"
#include "ui/core/Handles.h"

namespace CefStandin {
namespace {

// The process's command line after the app's hook has seen it.
CStandinCommandLine* ProcessCommandLine(cef_app_t* app, const std::wstring& processType, bool browser) {
  CStandinCommandLine* line = new CStandinCommandLine();
  line->InitFromString(::GetCommandLineW());
  if (app && app->on_before_command_line_processing) {
    cef_string_t type = {};
    type.str = const_cast<char16*>(processType.c_str());
    type.length = processType.size();
    // The command line travels with a reference of its own, which the hook gives back.
    app->on_before_command_line_processing(app, browser ? nullptr : &type, line->Share());
  }
  return line;
}

void LogCommandLine(const std::string& event, const CStandinCommandLine& line) {
  CStandinLog& log = CStandinLog::Instance();
  for (const auto& s : line.Switches()) log.Write(event, "switch", s.first + L"=" + s.second);
  log.Write(event, "command_line", line.ToString());
}

std::wstring FieldText(const cef_string_t& s) { return FromCefString(&s); }

// Milliseconds until the requested browser is made; -1 for never. A list ("400,1200")
// gives the first request its first value, the next one the next, the last value the rest.
long long CreateDelay() {
  static std::atomic<unsigned> requests{0};
  const unsigned request = requests++;
  char value[64] = {0};
  DWORD n = ::GetEnvironmentVariableA("KRUI_CEF_STANDIN_CREATE_DELAY_MS", value, sizeof(value));
  if (n == 0 || n >= sizeof(value)) return 0;
  const std::string list(value);
  size_t start = 0;  // this request's item, or the last one
  for (unsigned i = 0; i < request && list.find(',', start) != std::string::npos; ++i) start = list.find(',', start) + 1;
  const size_t end = list.find(',', start);
  const std::string item = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (item == "never") return -1;
  return std::atoll(item.c_str());
}

}  // namespace

CStandinRuntime& CStandinRuntime::Instance() {
  static CStandinRuntime* runtime = new CStandinRuntime();  // outlives every caller
  return *runtime;
}

int CStandinRuntime::ExecuteProcess(const cef_main_args_t*, cef_app_t* app) {
  CStandinLog& log = CStandinLog::Instance();
  CStandinCommandLine* probe = new CStandinCommandLine();
  probe->InitFromString(::GetCommandLineW());
  std::wstring type = probe->GetSwitchValue(L"type");
  probe->Release();

  log.Write("execute_process", "type", type);
  if (type.empty()) {
    KRUI::CefRelease(app);
    return -1;
  }

  // A sub-process: its whole life is this call.
  CStandinCommandLine* line = ProcessCommandLine(app, type, false);
  LogCommandLine("execute_process", *line);
  line->Release();
  if (app && type == L"renderer" && app->get_render_process_handler) {
    cef_render_process_handler_t* handler = app->get_render_process_handler(app);
    log.Write("execute_process", "render_process_handler", handler ? 1 : 0);
    if (handler && handler->on_process_message_received)
      log.Write("execute_process", "message_handled",
                handler->on_process_message_received(handler, nullptr, PID_BROWSER, nullptr));
    KRUI::CefRelease(handler);
  }
  KRUI::CefRelease(app);
  log.Write("execute_process", "exit_code", 0);
  return 0;
}

int CStandinRuntime::Initialize(const cef_main_args_t* args, const cef_settings_t* settings, cef_app_t* app) {
  CStandinLog& log = CStandinLog::Instance();
  std::lock_guard<std::mutex> lock(mutex_);
  if (!args || !settings || initialized_) {
    log.Write("initialize", "result", 0);
    KRUI::CefRelease(app);
    return 0;
  }

  log.Write("initialize", "instance_is_module", args->instance == ::GetModuleHandleW(nullptr) ? 1 : 0);
  log.Write("initialize", "size", static_cast<long long>(settings->size));
  log.Write("initialize", "single_process", settings->single_process);
  log.Write("initialize", "no_sandbox", settings->no_sandbox);
  log.Write("initialize", "multi_threaded_message_loop", settings->multi_threaded_message_loop);
  log.Write("initialize", "windowless_rendering_enabled", settings->windowless_rendering_enabled);
  log.Write("initialize", "command_line_args_disabled", settings->command_line_args_disabled);
  log.Write("initialize", "cache_path", FieldText(settings->cache_path));
  log.Write("initialize", "persist_session_cookies", settings->persist_session_cookies);
  log.Write("initialize", "user_agent", FieldText(settings->user_agent));
  log.Write("initialize", "log_severity", settings->log_severity);
  log.Write("initialize", "remote_debugging_port", settings->remote_debugging_port);
  log.Write("initialize", "ignore_certificate_errors", settings->ignore_certificate_errors);
  log.Write("initialize", "accept_language_list", FieldText(settings->accept_language_list));

  CStandinCommandLine* line = ProcessCommandLine(app, std::wstring(), true);
  LogCommandLine("initialize", *line);
  line->Release();

  if (settings->multi_threaded_message_loop) log.Write("initialize", "ui_thread", uiThread_.Start() ? 1 : 0);
  app_ = app;
  initialized_ = true;
  log.Write("initialize", "result", 1);
  return 1;
}

void CStandinRuntime::Shutdown() {
  std::lock_guard<std::mutex> lock(mutex_);
  CStandinLog& log = CStandinLog::Instance();
  if (!initialized_) {
    log.Write("shutdown", "initialized", 0);
    return;
  }
  // The runtime requires every browser closed, none being made and no browser reference
  // held by now; anything else is the caller's fault.
  const int open = CStandinBrowser::OpenCount();
  const int pending = CStandinBrowser::PendingCount();
  log.Write("shutdown", "open_browsers", open);
  log.Write("shutdown", "pending_browsers", pending);
  log.Write("shutdown", "program_browser_references", CStandinBrowser::ProgramReferences());
  if (open || pending) log.Write("shutdown", "fault", L"browsers alive at shutdown");
  bool hadThread = uiThread_.IsRunning();
  if (hadThread) {
    // As the runtime: the work queued on the UI thread runs first, then every browser
    // still open is destroyed there (its OnBeforeClose comes), and this thread waits for
    // it without a timeout and without pumping its own messages.
    KRUI::UniqueKernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE doneEvent = done.get();
    int destroyed = 0;
    if (RunOnUiThread([&destroyed, doneEvent] {
          destroyed = CStandinBrowser::DestroyOpen();
          ::SetEvent(doneEvent);
        })) {
      WaitWithoutGivingUp(doneEvent, "shutdown");
    }
    log.Write("shutdown", "destroyed_browsers", destroyed);
    uiThread_.Stop();
  }
  CStandinBrowser::DropAll();
  log.Write("shutdown", "ui_thread_stopped", hadThread ? 1 : 0);
  KRUI::CefRelease(app_);
  app_ = nullptr;
  initialized_ = false;
  log.Write("shutdown", "initialized", 1);
}

bool CStandinRuntime::PostTask(cef_thread_id_t thread, cef_task_t* task, long long delayMs) {
  CStandinLog::Instance().Write("post_task", "delay_ms", delayMs);
  if (!task) return false;
  if (thread != TID_UI || !uiThread_.IsRunning()) {
    KRUI::CefRelease(task);
    return false;
  }
  // Counted while queued: the count drops when the program's task starts, or when it is
  // dropped without running.
  struct CQueued {
    CQueued(cef_task_t* t, std::atomic<long>& c) : task(t), count(c) {}
    CQueued(const CQueued&) = delete;
    CQueued& operator=(const CQueued&) = delete;
    cef_task_t* task;
    std::atomic<long>& count;
    bool waiting = true;
    void Start() {
      if (std::exchange(waiting, false)) --count;
    }
    ~CQueued() {
      Start();
      KRUI::CefRelease(task);
    }
  };
  ++programTasks_;
  auto held = std::make_shared<CQueued>(task, programTasks_);
  return RunOnUiThread(
      [held] {
        held->Start();
        if (held->task->execute) held->task->execute(held->task);
      },
      delayMs);
}

bool CStandinRuntime::RunOnUiThread(std::function<void()> work, long long delayMs) {
  if (!uiThread_.IsRunning()) return false;
  cef_task_t* task = CStandinTask::Make(std::move(work));
  if (uiThread_.PostTask(task, delayMs)) return true;
  KRUI::CefRelease(task);
  return false;
}

int CStandinRuntime::CreateBrowser(const cef_window_info_t* info, cef_client_t* client, const cef_string_t* url,
                                   const cef_browser_settings_t* settings, struct _cef_request_context_t* context) {
  CStandinLog& log = CStandinLog::Instance();
  KRUI::CefRelease(context);
  if (!info || !settings || !client || !initialized_ || !uiThread_.IsRunning()) {
    log.Write("create_browser", "result", 0);
    KRUI::CefRelease(client);
    return 0;
  }
  log.Write("create_browser", "style", static_cast<long long>(info->style));
  log.Write("create_browser", "ex_style", static_cast<long long>(info->ex_style));
  log.Write("create_browser", "x", info->x);
  log.Write("create_browser", "y", info->y);
  log.Write("create_browser", "width", info->width);
  log.Write("create_browser", "height", info->height);
  log.Write("create_browser", "parent_is_window", ::IsWindow(info->parent_window) ? 1 : 0);
  log.Write("create_browser", "window_name", FieldText(info->window_name));
  log.Write("create_browser", "menu", info->menu ? 1 : 0);
  log.Write("create_browser", "windowless_rendering_enabled", info->windowless_rendering_enabled);
  log.Write("create_browser", "settings_size", static_cast<long long>(settings->size));
  log.Write("create_browser", "client_size", static_cast<long long>(client->base.size));
  log.Write("create_browser", "url", FromCefString(url));

  CStandinBrowser* browser = CStandinBrowser::Add(*info, client, FromCefString(url), false);
  long long delay = CreateDelay();
  log.Write("create_browser", "delay_ms", delay);
  if (delay >= 0) browser->RunOnUiThread([](CStandinBrowser* b) { b->CreateOnUiThread(); }, delay);
  log.Write("create_browser", "result", 1);
  return 1;
}

bool CStandinRuntime::CurrentlyOn(cef_thread_id_t thread) {
  return thread == TID_UI && uiThread_.IsRunning() && ::GetCurrentThreadId() == uiThread_.ThreadId();
}

}  // namespace CefStandin
