#include "browser/CefRuntime.h"

#include <windows.h>

#include <string>

#include "app/DataDirectory.h"
#include "browser/CefLibrary.h"
#include "browser/CefMainArgs.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefStringField.h"
#include "browser/CefWebclientApp.h"
#include "ui/core/Paths.h"

namespace KRUI {
namespace {

// Written and read on the main thread only (start-up and shutdown).
bool g_initialized = false;

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

void ShutdownCefRuntime() {
  if (!g_initialized) return;
  g_initialized = false;
  // Callbacks still under way must not wait on a main thread that no longer pumps.
  CCefMainThreadCall::Close();
  CCefLibrary::Instance().shutdown();
}

bool IsCefRuntimeInitialized() { return g_initialized; }

}  // namespace KRUI
