// The exported C functions of libcef.dll (branch 3359 names and signatures, __cdecl). The
// process roles live in CStandinRuntime; strings, lists and maps are implemented here; the
// browsers live in CStandinBrowser, the cookie manager in CStandinCookieManager; the
// request-context entry points answer "not available".
#include <windows.h>

#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "StandinCommandLine.h"
#include "StandinCookieManager.h"
#include "StandinLog.h"
#include "StandinRuntime.h"
#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"

#define STANDIN_EXPORT extern "C" __declspec(dllexport)

namespace {

const char kPlatformHash[] = "cf092ef692a2ff18b0fc732b58bde9b8b8655fcc";
const char kUniversalHash[] = "84263345b0b1143139aba560e5e5ed16fb6a9628";
const char kCommitHash[] = "d49d25f881b68f418e243e12801cbbb7caebb563";

// The platform hash, or the one KRUI_CEF_STANDIN_HASH names (to play another version).
const char* PlatformHash() {
  static std::string hash = [] {
    char value[128] = {0};
    DWORD n = ::GetEnvironmentVariableA("KRUI_CEF_STANDIN_HASH", value, sizeof(value));
    return (n > 0 && n < sizeof(value)) ? std::string(value, n) : std::string(kPlatformHash);
  }();
  return hash.c_str();
}

void FreeUtf16(char16* str) { delete[] str; }
void FreeUtf8(char* str) { delete[] str; }

using StringList = std::vector<std::wstring>;
using StringMap = std::vector<std::pair<std::wstring, std::wstring>>;

std::wstring Text(const cef_string_t* s) { return CefStandin::FromCefString(s); }

}  // namespace

namespace CefStandin {

cef_string_userfree_t NewUserfreeString(const std::wstring& text) {
  cef_string_userfree_t s = new cef_string_utf16_t();
  if (!text.empty()) {
    s->str = new char16[text.size() + 1];
    std::memcpy(s->str, text.c_str(), (text.size() + 1) * sizeof(char16));
    s->length = text.size();
    s->dtor = &FreeUtf16;
  }
  return s;
}

}  // namespace CefStandin

// ---- version ---------------------------------------------------------------------------

STANDIN_EXPORT const char* cef_api_hash(int entry) {
  switch (entry) {
    case 0: return PlatformHash();
    case 1: return kUniversalHash;
    case 2: return kCommitHash;
    default: return nullptr;
  }
}

STANDIN_EXPORT int cef_version_info(int entry) {
  static const int kVersion[] = {3, 1774, 66, 0, 3359, 181};
  return entry >= 0 && entry < 6 ? kVersion[entry] : 0;
}

// ---- process roles -----------------------------------------------------------------------

STANDIN_EXPORT int cef_execute_process(const cef_main_args_t* args, cef_app_t* application, void*) {
  return CefStandin::CStandinRuntime::Instance().ExecuteProcess(args, application);
}

STANDIN_EXPORT int cef_initialize(const cef_main_args_t* args, const cef_settings_t* settings,
                                  cef_app_t* application, void*) {
  return CefStandin::CStandinRuntime::Instance().Initialize(args, settings, application);
}

STANDIN_EXPORT void cef_shutdown(void) { CefStandin::CStandinRuntime::Instance().Shutdown(); }

// Only for a runtime without its own UI thread, which this program never asks for.
STANDIN_EXPORT void cef_run_message_loop(void) {}
STANDIN_EXPORT void cef_quit_message_loop(void) {}
STANDIN_EXPORT void cef_do_message_loop_work(void) {}
STANDIN_EXPORT void cef_enable_highdpi_support(void) {}

// ---- tasks --------------------------------------------------------------------------------

STANDIN_EXPORT int cef_post_task(cef_thread_id_t threadId, cef_task_t* task) {
  return CefStandin::CStandinRuntime::Instance().PostTask(threadId, task, 0) ? 1 : 0;
}

STANDIN_EXPORT int cef_post_delayed_task(cef_thread_id_t threadId, cef_task_t* task, int64 delay_ms) {
  return CefStandin::CStandinRuntime::Instance().PostTask(threadId, task, delay_ms) ? 1 : 0;
}

STANDIN_EXPORT int cef_currently_on(cef_thread_id_t threadId) {
  CefStandin::CStandinLog::Instance().Write("currently_on", "thread", threadId);
  return CefStandin::CStandinRuntime::Instance().CurrentlyOn(threadId) ? 1 : 0;
}

STANDIN_EXPORT struct _cef_task_runner_t* cef_task_runner_get_for_current_thread(void) { return nullptr; }
STANDIN_EXPORT struct _cef_task_runner_t* cef_task_runner_get_for_thread(cef_thread_id_t) { return nullptr; }

// ---- browsers, cookies, contexts, messages ----------------------------------------------------

STANDIN_EXPORT int cef_browser_host_create_browser(const struct _cef_window_info_t* windowInfo,
                                                   struct _cef_client_t* client, const cef_string_t* url,
                                                   const struct _cef_browser_settings_t* settings,
                                                   struct _cef_request_context_t* request_context) {
  return CefStandin::CStandinRuntime::Instance().CreateBrowser(windowInfo, client, url, settings, request_context);
}

STANDIN_EXPORT struct _cef_browser_t* cef_browser_host_create_browser_sync(
    const struct _cef_window_info_t*, struct _cef_client_t* client, const cef_string_t*,
    const struct _cef_browser_settings_t*, struct _cef_request_context_t* request_context) {
  KRUI::CefRelease(client);
  KRUI::CefRelease(request_context);
  return nullptr;
}

STANDIN_EXPORT struct _cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    struct _cef_completion_callback_t* callback) {
  CefStandin::CStandinLog::Instance().Write("cookie_manager", "get_global_manager", callback ? 1 : 0);
  if (callback && callback->on_complete) callback->on_complete(callback);
  KRUI::CefRelease(callback);
  return CefStandin::CStandinCookieManager::ShareGlobal();
}

STANDIN_EXPORT struct _cef_request_context_t* cef_request_context_get_global_context(void) { return nullptr; }
STANDIN_EXPORT struct _cef_process_message_t* cef_process_message_create(const cef_string_t*) { return nullptr; }

STANDIN_EXPORT cef_command_line_t* cef_command_line_create(void) {
  CefStandin::CStandinCommandLine* line = new CefStandin::CStandinCommandLine();
  cef_command_line_t* shared = line->Share();  // the caller's reference
  line->Release();                             // the creator's
  return shared;
}

STANDIN_EXPORT cef_command_line_t* cef_command_line_get_global(void) { return nullptr; }

// ---- strings ------------------------------------------------------------------------------

STANDIN_EXPORT void cef_string_utf16_clear(cef_string_utf16_t* str) {
  if (!str) return;
  if (str->dtor && str->str) str->dtor(str->str);
  str->str = nullptr;
  str->length = 0;
  str->dtor = nullptr;
}

STANDIN_EXPORT int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output, int copy) {
  if (!output) return 0;
  cef_string_utf16_clear(output);
  if (!src || src_len == 0) return 1;
  if (copy) {
    char16* buf = new (std::nothrow) char16[src_len + 1];
    if (!buf) return 0;
    std::memcpy(buf, src, src_len * sizeof(char16));
    buf[src_len] = 0;
    output->str = buf;
    output->dtor = &FreeUtf16;
  } else {
    output->str = const_cast<char16*>(src);
  }
  output->length = src_len;
  return 1;
}

STANDIN_EXPORT int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2) {
  return Text(str1).compare(Text(str2));
}

STANDIN_EXPORT void cef_string_utf8_clear(cef_string_utf8_t* str) {
  if (!str) return;
  if (str->dtor && str->str) str->dtor(str->str);
  str->str = nullptr;
  str->length = 0;
  str->dtor = nullptr;
}

STANDIN_EXPORT int cef_string_utf8_set(const char* src, size_t src_len, cef_string_utf8_t* output, int copy) {
  if (!output) return 0;
  cef_string_utf8_clear(output);
  if (!src || src_len == 0) return 1;
  if (copy) {
    char* buf = new (std::nothrow) char[src_len + 1];
    if (!buf) return 0;
    std::memcpy(buf, src, src_len);
    buf[src_len] = 0;
    output->str = buf;
    output->dtor = &FreeUtf8;
  } else {
    output->str = const_cast<char*>(src);
  }
  output->length = src_len;
  return 1;
}

STANDIN_EXPORT int cef_string_utf8_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  int n = src_len ? ::MultiByteToWideChar(CP_UTF8, 0, src, static_cast<int>(src_len), nullptr, 0) : 0;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, src, static_cast<int>(src_len), &wide[0], n);
  return cef_string_utf16_set(wide.c_str(), wide.size(), output, 1);
}

STANDIN_EXPORT int cef_string_ascii_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  std::wstring wide;
  for (size_t i = 0; i < src_len; ++i) wide += static_cast<wchar_t>(static_cast<unsigned char>(src[i]));
  return cef_string_utf16_set(wide.c_str(), wide.size(), output, 1);
}

STANDIN_EXPORT int cef_string_utf16_to_utf8(const char16* src, size_t src_len, cef_string_utf8_t* output) {
  int n = src_len ? ::WideCharToMultiByte(CP_UTF8, 0, src, static_cast<int>(src_len), nullptr, 0, nullptr, nullptr)
                  : 0;
  std::string narrow(static_cast<size_t>(n), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, src, static_cast<int>(src_len), &narrow[0], n, nullptr, nullptr);
  return cef_string_utf8_set(narrow.c_str(), narrow.size(), output, 1);
}

STANDIN_EXPORT cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return new (std::nothrow) cef_string_utf16_t();
}

STANDIN_EXPORT void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  if (!str) return;
  cef_string_utf16_clear(str);
  delete str;
}

// ---- string lists and maps ----------------------------------------------------------------

STANDIN_EXPORT cef_string_list_t cef_string_list_alloc(void) { return new (std::nothrow) StringList(); }

STANDIN_EXPORT size_t cef_string_list_size(cef_string_list_t list) {
  return list ? static_cast<StringList*>(list)->size() : 0;
}

STANDIN_EXPORT int cef_string_list_value(cef_string_list_t list, size_t index, cef_string_t* value) {
  if (!list || !value || index >= static_cast<StringList*>(list)->size()) return 0;
  const std::wstring& s = (*static_cast<StringList*>(list))[index];
  return cef_string_utf16_set(s.c_str(), s.size(), value, 1);
}

STANDIN_EXPORT void cef_string_list_append(cef_string_list_t list, const cef_string_t* value) {
  if (list) static_cast<StringList*>(list)->push_back(Text(value));
}

STANDIN_EXPORT void cef_string_list_clear(cef_string_list_t list) {
  if (list) static_cast<StringList*>(list)->clear();
}

STANDIN_EXPORT void cef_string_list_free(cef_string_list_t list) { delete static_cast<StringList*>(list); }

STANDIN_EXPORT cef_string_list_t cef_string_list_copy(cef_string_list_t list) {
  return list ? new (std::nothrow) StringList(*static_cast<StringList*>(list)) : nullptr;
}

STANDIN_EXPORT cef_string_map_t cef_string_map_alloc(void) { return new (std::nothrow) StringMap(); }

STANDIN_EXPORT size_t cef_string_map_size(cef_string_map_t map) {
  return map ? static_cast<StringMap*>(map)->size() : 0;
}

STANDIN_EXPORT int cef_string_map_find(cef_string_map_t map, const cef_string_t* key, cef_string_t* value) {
  if (!map || !value) return 0;
  std::wstring k = Text(key);
  for (const auto& entry : *static_cast<StringMap*>(map))
    if (entry.first == k) return cef_string_utf16_set(entry.second.c_str(), entry.second.size(), value, 1);
  return 0;
}

STANDIN_EXPORT int cef_string_map_key(cef_string_map_t map, size_t index, cef_string_t* key) {
  if (!map || !key || index >= static_cast<StringMap*>(map)->size()) return 0;
  const std::wstring& s = (*static_cast<StringMap*>(map))[index].first;
  return cef_string_utf16_set(s.c_str(), s.size(), key, 1);
}

STANDIN_EXPORT int cef_string_map_value(cef_string_map_t map, size_t index, cef_string_t* value) {
  if (!map || !value || index >= static_cast<StringMap*>(map)->size()) return 0;
  const std::wstring& s = (*static_cast<StringMap*>(map))[index].second;
  return cef_string_utf16_set(s.c_str(), s.size(), value, 1);
}

STANDIN_EXPORT int cef_string_map_append(cef_string_map_t map, const cef_string_t* key, const cef_string_t* value) {
  if (!map) return 0;
  static_cast<StringMap*>(map)->emplace_back(Text(key), Text(value));
  return 1;
}

STANDIN_EXPORT void cef_string_map_clear(cef_string_map_t map) {
  if (map) static_cast<StringMap*>(map)->clear();
}

STANDIN_EXPORT void cef_string_map_free(cef_string_map_t map) { delete static_cast<StringMap*>(map); }
