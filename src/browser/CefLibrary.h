// libcef.dll, loaded at run time by its full path in the executable's folder (never through
// the search path: a libcef.dll in the current folder or on PATH must not be picked up).
// Without the library the program runs on without embedded Chromium.
#pragma once
#include <string>

#include "browser/CefCapi.h"
#include "ui/core/Handles.h"

namespace KRUI {

// The API version this program was written against (platform hash, cef_api_hash(0)).
constexpr const char kCefApiHash[] = "cf092ef692a2ff18b0fc732b58bde9b8b8655fcc";

class CCefLibrary {
 public:
  // The process's library, loaded from the executable's folder on first use. Never
  // unloaded: the runtime's own threads may outlive every caller.
  static CCefLibrary& Instance();

  CCefLibrary() = default;
  CCefLibrary(const CCefLibrary&) = delete;
  CCefLibrary& operator=(const CCefLibrary&) = delete;

  // Loads folder\libcef.dll and looks up its exports; false when the file is absent or
  // lacks one of the exports every process needs.
  bool Load(const std::wstring& folder);
  bool IsLoaded() const { return static_cast<bool>(module_); }
  // True when the loaded library answers our API hash.
  bool ApiHashMatches() const;

  // Exports; none when the library is not loaded. The optional ones may be none even then.
  cef_api_hash_fn api_hash = nullptr;
  cef_version_info_fn version_info = nullptr;
  cef_execute_process_fn execute_process = nullptr;
  cef_initialize_fn initialize = nullptr;
  cef_shutdown_fn shutdown = nullptr;
  cef_string_utf16_set_fn string_utf16_set = nullptr;
  cef_string_utf16_clear_fn string_utf16_clear = nullptr;
  cef_string_utf8_to_utf16_fn string_utf8_to_utf16 = nullptr;
  cef_string_utf16_to_utf8_fn string_utf16_to_utf8 = nullptr;
  cef_string_utf8_clear_fn string_utf8_clear = nullptr;
  cef_string_userfree_utf16_alloc_fn string_userfree_utf16_alloc = nullptr;
  cef_string_userfree_utf16_free_fn string_userfree_utf16_free = nullptr;
  cef_browser_host_create_browser_fn browser_host_create_browser = nullptr;
  cef_post_task_fn post_task = nullptr;
  cef_post_delayed_task_fn post_delayed_task = nullptr;
  cef_currently_on_fn currently_on = nullptr;
  cef_cookie_manager_get_global_manager_fn cookie_manager_get_global_manager = nullptr;

 private:
  template <typename Fn>
  bool Resolve(Fn& slot, const char* name);
  void Clear();

  UniqueHmodule module_;
};

}  // namespace KRUI
