#include "browser/CefRuntime.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/DataDirectory.h"
#include "browser/CefLibrary.h"
#include "browser/CefMainArgs.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefStringField.h"
#include "browser/CefTask.h"
#include "browser/CefWebclient.h"
#include "browser/CefWebclientApp.h"
#include "ui/core/Paths.h"

namespace KRUI {
namespace {

// Written on the main thread (start-up and shutdown), read on the runtime's UI thread too
// (a retry task posting its successor).
std::atomic<bool> g_initialized{false};
// Set when CloseCefBrowsers left a browser alive: cef_shutdown would then never return.
bool g_browsersLeft = false;

// Pumps this thread's messages until done() or timeoutMs have passed; the WM_QUIT that each
// closing browser posts is dropped (the loop is over already). done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return done();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

// Holds the creator's reference to the app for the duration of the start.
class CAppReference {
 public:
  CAppReference() : app_(new CefWebclientApp()) {}
  ~CAppReference() { app_->Release(); }
  CAppReference(const CAppReference&) = delete;
  CAppReference& operator=(const CAppReference&) = delete;
  CefWebclientApp* operator->() const noexcept { return app_; }

 private:
  CefWebclientApp* app_;
};

}  // namespace

int InitCefRuntime() {
  CCefLibrary& library = CCefLibrary::Instance();
  if (!library.IsLoaded()) return 0;

  CefMainArgs args(::GetModuleHandleW(nullptr));
  CAppReference app;

  // A library of another API version is never called: its structs would not match ours.
  int result = 0;
  if (library.ApiHashMatches()) result = library.execute_process(args.get(), app->ShareApp(), nullptr);
  if (result != -1) return -1;

  cef_settings_t settings = {};
  settings.size = sizeof(cef_settings_t);
  CCefStringField cachePath(library, settings.cache_path);
  // A data directory that cannot be named gives no cache path: a relative "cache_data"
  // would land in whatever the current folder is.
  const std::wstring dataDirectory = GetDataDirectory();
  if (!dataDirectory.empty()) cachePath.Set(CombinePathW(dataDirectory, L"cache_data"));
  settings.multi_threaded_message_loop = 1;
  settings.log_severity = LOGSEVERITY_ERROR;
  settings.ignore_certificate_errors = 1;

  if (library.ApiHashMatches()) {
    g_initialized = library.initialize(args.get(), &settings, app->ShareApp(), nullptr) == 1;
  }
  return 0;
}

bool CloseCefBrowsers() {
  // Callbacks from now on are answered without running layout handlers.
  CCefMainThreadCall::Close();
  if (!g_initialized) return true;
  CefWebclient::CloseAllForShutdown();
  // Bounded: a browser that does not close in time is left to the process's end.
  g_browsersLeft = !PumpUntil([] { return CefWebclient::Outstanding() == 0; }, kCefBrowserCloseWaitMs);
  return !g_browsersLeft;
}

void ShutdownCefRuntime() {
  if (!g_initialized) return;
  CCefMainThreadCall::Close();
  // The runtime's shutdown runs the tasks queued on its UI thread first; whatever they send
  // to this thread is served here, while it still pumps.
  auto ran = std::make_shared<std::atomic<bool>>(false);
  const bool posted = CCefTask::Post(TID_UI, [ran] { ran->store(true); }, 0);
  const bool answered = posted && PumpUntil([&ran] { return ran->load(); }, kCefUiThreadWaitMs);
  g_initialized = false;
  if (g_browsersLeft || !answered) return;
  CCefLibrary::Instance().shutdown();
}

bool IsCefRuntimeInitialized() { return g_initialized.load(); }

}  // namespace KRUI
