#include "browser/CefLibrary.h"

#include <cstring>

#include "ui/core/Paths.h"

namespace KRUI {

CCefLibrary& CCefLibrary::Instance() {
  // Deliberately never destroyed: unloading libcef under its own threads would crash.
  static CCefLibrary* library = [] {
    CCefLibrary* l = new CCefLibrary();
    std::wstring folder = ModuleFolderW();
    if (!folder.empty()) l->Load(folder);
    return l;
  }();
  return *library;
}

template <typename Fn>
bool CCefLibrary::Resolve(Fn& slot, const char* name) {
  slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module_.get(), name)));
  return slot != nullptr;
}

bool CCefLibrary::Load(const std::wstring& folder) {
  if (module_) return true;
  std::wstring path = CombinePathW(folder, L"libcef.dll");
  if (path.empty() || ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // Altered search path: the library's own dependencies are found beside it.
  module_.reset(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!module_) return false;

  bool required = Resolve(api_hash, "cef_api_hash") && Resolve(execute_process, "cef_execute_process") &&
                  Resolve(initialize, "cef_initialize") && Resolve(shutdown, "cef_shutdown") &&
                  Resolve(string_utf16_set, "cef_string_utf16_set") &&
                  Resolve(string_utf16_clear, "cef_string_utf16_clear");
  if (!required) {
    Clear();
    module_.reset();
    return false;
  }
  Resolve(version_info, "cef_version_info");
  Resolve(string_utf8_to_utf16, "cef_string_utf8_to_utf16");
  Resolve(string_utf16_to_utf8, "cef_string_utf16_to_utf8");
  Resolve(string_utf8_clear, "cef_string_utf8_clear");
  Resolve(string_userfree_utf16_alloc, "cef_string_userfree_utf16_alloc");
  Resolve(string_userfree_utf16_free, "cef_string_userfree_utf16_free");
  Resolve(browser_host_create_browser, "cef_browser_host_create_browser");
  Resolve(post_task, "cef_post_task");
  Resolve(post_delayed_task, "cef_post_delayed_task");
  Resolve(currently_on, "cef_currently_on");
  Resolve(cookie_manager_get_global_manager, "cef_cookie_manager_get_global_manager");
  return true;
}

bool CCefLibrary::ApiHashMatches() const {
  if (!module_ || !api_hash) return false;
  const char* hash = api_hash(0);
  return hash && std::strcmp(hash, kCefApiHash) == 0;
}

void CCefLibrary::Clear() {
  api_hash = nullptr;
  version_info = nullptr;
  execute_process = nullptr;
  initialize = nullptr;
  shutdown = nullptr;
  string_utf16_set = nullptr;
  string_utf16_clear = nullptr;
  string_utf8_to_utf16 = nullptr;
  string_utf16_to_utf8 = nullptr;
  string_utf8_clear = nullptr;
  string_userfree_utf16_alloc = nullptr;
  string_userfree_utf16_free = nullptr;
  browser_host_create_browser = nullptr;
  post_task = nullptr;
  post_delayed_task = nullptr;
  currently_on = nullptr;
  cookie_manager_get_global_manager = nullptr;
}

}  // namespace KRUI
