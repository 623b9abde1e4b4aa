// The part of the Chromium runtime's plain C interface (branch 3359, Windows) that this
// program uses, declared here from the published layouts; libcef.dll is loaded at run time
// (CCefLibrary), so only types and function-pointer types are declared, no imports.
//
// Layout rules worth remembering:
//  - every slot of a ref-counted struct is __stdcall (CEF_CALLBACK); the exported functions
//    are __cdecl (the default), which only matters on x86;
//  - a ref-counted struct must list every slot, used or not: later offsets depend on them;
//  - base.size of a program-made struct is sizeof the whole outer struct.
// New structs (browser, client and handlers, frames, cookies...) go here with their size
// checks at the bottom.
#pragma once
#include <windows.h>
#include <stddef.h>

#define CEF_CALLBACK __stdcall
#define CEF_EXPORT_CALL __cdecl

extern "C" {

typedef long long int64;
typedef unsigned int uint32;
typedef wchar_t char16;
typedef uint32 cef_color_t;
typedef void* cef_string_list_t;
typedef void* cef_string_map_t;

// ---- strings -------------------------------------------------------------------------

// UTF-16 text; length in code units without terminator. dtor frees str when the struct
// owns it (NULL when it only points at someone else's buffer).
typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

typedef struct _cef_string_utf8_t {
  char* str;
  size_t length;
  void (*dtor)(char* str);
} cef_string_utf8_t;

typedef cef_string_utf16_t cef_string_t;
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

// ---- enums ---------------------------------------------------------------------------

typedef enum {
  STATE_DEFAULT = 0,
  STATE_ENABLED,
  STATE_DISABLED,
} cef_state_t;

typedef enum {
  TID_UI = 0,
  TID_FILE_BACKGROUND = 1,
  TID_FILE = TID_FILE_BACKGROUND,
  TID_FILE_USER_VISIBLE = 2,
  TID_FILE_USER_BLOCKING = 3,
  TID_IO = 4,
  TID_RENDERER = 5,
} cef_thread_id_t;

typedef enum {
  LOGSEVERITY_DEFAULT = 0,
  LOGSEVERITY_VERBOSE = 1,
  LOGSEVERITY_DEBUG = LOGSEVERITY_VERBOSE,
  LOGSEVERITY_INFO = 2,
  LOGSEVERITY_WARNING = 3,
  LOGSEVERITY_ERROR = 4,
  LOGSEVERITY_DISABLE = 99,
} cef_log_severity_t;

typedef enum {
  PID_BROWSER = 0,
  PID_RENDERER = 1,
} cef_process_id_t;

// ---- structs reached only through pointers (declared in full when first needed) -------

struct _cef_browser_t;
struct _cef_frame_t;
struct _cef_client_t;
struct _cef_v8context_t;
struct _cef_v8exception_t;
struct _cef_v8stack_trace_t;
struct _cef_domnode_t;
struct _cef_list_value_t;
struct _cef_load_handler_t;
struct _cef_print_handler_t;
struct _cef_scheme_registrar_t;
struct _cef_resource_bundle_handler_t;
struct _cef_process_message_t;
struct _cef_request_context_t;
struct _cef_cookie_manager_t;
struct _cef_completion_callback_t;
struct _cef_task_runner_t;
struct _cef_window_info_t;
struct _cef_browser_settings_t;

// ---- plain structs -------------------------------------------------------------------

typedef struct _cef_main_args_t {
  HINSTANCE instance;
} cef_main_args_t;

// Copied by cef_initialize; the caller may clear its strings once the call returns.
typedef struct _cef_settings_t {
  size_t size;
  int single_process;
  int no_sandbox;
  cef_string_t browser_subprocess_path;
  cef_string_t framework_dir_path;
  int multi_threaded_message_loop;
  int external_message_pump;
  int windowless_rendering_enabled;
  int command_line_args_disabled;
  cef_string_t cache_path;
  cef_string_t user_data_path;
  int persist_session_cookies;
  int persist_user_preferences;
  cef_string_t user_agent;
  cef_string_t product_version;
  cef_string_t locale;
  cef_string_t log_file;
  cef_log_severity_t log_severity;
  cef_string_t javascript_flags;
  cef_string_t resources_dir_path;
  cef_string_t locales_dir_path;
  int pack_loading_disabled;
  int remote_debugging_port;
  int uncaught_exception_stack_size;
  int ignore_certificate_errors;
  int enable_net_security_expiration;
  cef_color_t background_color;
  cef_string_t accept_language_list;
} cef_settings_t;

// ---- ref-counted structs ---------------------------------------------------------------

typedef struct _cef_base_ref_counted_t {
  size_t size;
  void(CEF_CALLBACK* add_ref)(struct _cef_base_ref_counted_t* self);
  // 1 when this call dropped the count to zero (the object is gone).
  int(CEF_CALLBACK* release)(struct _cef_base_ref_counted_t* self);
  int(CEF_CALLBACK* has_one_ref)(struct _cef_base_ref_counted_t* self);
} cef_base_ref_counted_t;

// Made by CEF; valid only during the callback that hands it over.
typedef struct _cef_command_line_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_command_line_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_command_line_t* self);
  struct _cef_command_line_t*(CEF_CALLBACK* copy)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* init_from_argv)(struct _cef_command_line_t* self, int argc, const char* const* argv);
  void(CEF_CALLBACK* init_from_string)(struct _cef_command_line_t* self, const cef_string_t* command_line);
  void(CEF_CALLBACK* reset)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* get_argv)(struct _cef_command_line_t* self, cef_string_list_t argv);
  cef_string_userfree_t(CEF_CALLBACK* get_command_line_string)(struct _cef_command_line_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_program)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* set_program)(struct _cef_command_line_t* self, const cef_string_t* program);
  int(CEF_CALLBACK* has_switches)(struct _cef_command_line_t* self);
  int(CEF_CALLBACK* has_switch)(struct _cef_command_line_t* self, const cef_string_t* name);
  cef_string_userfree_t(CEF_CALLBACK* get_switch_value)(struct _cef_command_line_t* self,
                                                         const cef_string_t* name);
  void(CEF_CALLBACK* get_switches)(struct _cef_command_line_t* self, cef_string_map_t switches);
  void(CEF_CALLBACK* append_switch)(struct _cef_command_line_t* self, const cef_string_t* name);
  void(CEF_CALLBACK* append_switch_with_value)(struct _cef_command_line_t* self, const cef_string_t* name,
                                               const cef_string_t* value);
  int(CEF_CALLBACK* has_arguments)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* get_arguments)(struct _cef_command_line_t* self, cef_string_list_t arguments);
  void(CEF_CALLBACK* append_argument)(struct _cef_command_line_t* self, const cef_string_t* argument);
  void(CEF_CALLBACK* prepend_wrapper)(struct _cef_command_line_t* self, const cef_string_t* wrapper);
} cef_command_line_t;

typedef struct _cef_render_process_handler_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_render_thread_created)(struct _cef_render_process_handler_t* self,
                                               struct _cef_list_value_t* extra_info);
  void(CEF_CALLBACK* on_web_kit_initialized)(struct _cef_render_process_handler_t* self);
  void(CEF_CALLBACK* on_browser_created)(struct _cef_render_process_handler_t* self, struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_browser_destroyed)(struct _cef_render_process_handler_t* self,
                                           struct _cef_browser_t* browser);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(struct _cef_render_process_handler_t* self);
  void(CEF_CALLBACK* on_context_created)(struct _cef_render_process_handler_t* self, struct _cef_browser_t* browser,
                                         struct _cef_frame_t* frame, struct _cef_v8context_t* context);
  void(CEF_CALLBACK* on_context_released)(struct _cef_render_process_handler_t* self, struct _cef_browser_t* browser,
                                          struct _cef_frame_t* frame, struct _cef_v8context_t* context);
  void(CEF_CALLBACK* on_uncaught_exception)(struct _cef_render_process_handler_t* self,
                                            struct _cef_browser_t* browser, struct _cef_frame_t* frame,
                                            struct _cef_v8context_t* context,
                                            struct _cef_v8exception_t* exception,
                                            struct _cef_v8stack_trace_t* stackTrace);
  void(CEF_CALLBACK* on_focused_node_changed)(struct _cef_render_process_handler_t* self,
                                              struct _cef_browser_t* browser, struct _cef_frame_t* frame,
                                              struct _cef_domnode_t* node);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_render_process_handler_t* self,
                                                 struct _cef_browser_t* browser, cef_process_id_t source_process,
                                                 struct _cef_process_message_t* message);
} cef_render_process_handler_t;

typedef struct _cef_browser_process_handler_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_context_initialized)(struct _cef_browser_process_handler_t* self);
  void(CEF_CALLBACK* on_before_child_process_launch)(struct _cef_browser_process_handler_t* self,
                                                     struct _cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_render_process_thread_created)(struct _cef_browser_process_handler_t* self,
                                                       struct _cef_list_value_t* extra_info);
  struct _cef_print_handler_t*(CEF_CALLBACK* get_print_handler)(struct _cef_browser_process_handler_t* self);
  void(CEF_CALLBACK* on_schedule_message_pump_work)(struct _cef_browser_process_handler_t* self, int64 delay_ms);
} cef_browser_process_handler_t;

typedef struct _cef_app_t {
  cef_base_ref_counted_t base;
  // Every process, before CEF reads its command line; process_type is NULL in the browser.
  void(CEF_CALLBACK* on_before_command_line_processing)(struct _cef_app_t* self, const cef_string_t* process_type,
                                                        struct _cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_register_custom_schemes)(struct _cef_app_t* self,
                                                 struct _cef_scheme_registrar_t* registrar);
  struct _cef_resource_bundle_handler_t*(CEF_CALLBACK* get_resource_bundle_handler)(struct _cef_app_t* self);
  struct _cef_browser_process_handler_t*(CEF_CALLBACK* get_browser_process_handler)(struct _cef_app_t* self);
  struct _cef_render_process_handler_t*(CEF_CALLBACK* get_render_process_handler)(struct _cef_app_t* self);
} cef_app_t;

// A unit of work posted to one of CEF's threads.
typedef struct _cef_task_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* execute)(struct _cef_task_t* self);
} cef_task_t;

// ---- exported functions (looked up by name; see CCefLibrary) ---------------------------

typedef const char*(CEF_EXPORT_CALL* cef_api_hash_fn)(int entry);
typedef int(CEF_EXPORT_CALL* cef_version_info_fn)(int entry);
typedef int(CEF_EXPORT_CALL* cef_execute_process_fn)(const struct _cef_main_args_t* args,
                                                     cef_app_t* application, void* windows_sandbox_info);
typedef int(CEF_EXPORT_CALL* cef_initialize_fn)(const struct _cef_main_args_t* args,
                                                const struct _cef_settings_t* settings, cef_app_t* application,
                                                void* windows_sandbox_info);
typedef void(CEF_EXPORT_CALL* cef_shutdown_fn)(void);
typedef int(CEF_EXPORT_CALL* cef_browser_host_create_browser_fn)(
    const struct _cef_window_info_t* windowInfo, struct _cef_client_t* client, const cef_string_t* url,
    const struct _cef_browser_settings_t* settings, struct _cef_request_context_t* request_context);
typedef int(CEF_EXPORT_CALL* cef_post_task_fn)(cef_thread_id_t threadId, cef_task_t* task);
typedef int(CEF_EXPORT_CALL* cef_post_delayed_task_fn)(cef_thread_id_t threadId, cef_task_t* task,
                                                       int64 delay_ms);
typedef int(CEF_EXPORT_CALL* cef_currently_on_fn)(cef_thread_id_t threadId);
typedef struct _cef_cookie_manager_t*(CEF_EXPORT_CALL* cef_cookie_manager_get_global_manager_fn)(
    struct _cef_completion_callback_t* callback);
typedef int(CEF_EXPORT_CALL* cef_string_utf16_set_fn)(const char16* src, size_t src_len,
                                                      cef_string_utf16_t* output, int copy);
typedef void(CEF_EXPORT_CALL* cef_string_utf16_clear_fn)(cef_string_utf16_t* str);
typedef int(CEF_EXPORT_CALL* cef_string_utf8_to_utf16_fn)(const char* src, size_t src_len,
                                                          cef_string_utf16_t* output);
typedef int(CEF_EXPORT_CALL* cef_string_utf16_to_utf8_fn)(const char16* src, size_t src_len,
                                                          cef_string_utf8_t* output);
typedef void(CEF_EXPORT_CALL* cef_string_utf8_clear_fn)(cef_string_utf8_t* str);
typedef cef_string_userfree_utf16_t(CEF_EXPORT_CALL* cef_string_userfree_utf16_alloc_fn)(void);
typedef void(CEF_EXPORT_CALL* cef_string_userfree_utf16_free_fn)(cef_string_userfree_utf16_t str);

}  // extern "C"

// ---- layout checks (sizes measured on branch 3359 with mingw-w64) ----------------------

#if defined(_WIN64)
static_assert(sizeof(cef_string_t) == 24, "cef_string_t");
static_assert(sizeof(cef_main_args_t) == 8, "cef_main_args_t");
static_assert(sizeof(cef_base_ref_counted_t) == 32, "cef_base_ref_counted_t");
static_assert(sizeof(cef_app_t) == 72, "cef_app_t");
static_assert(sizeof(cef_render_process_handler_t) == 112, "cef_render_process_handler_t");
static_assert(sizeof(cef_browser_process_handler_t) == 72, "cef_browser_process_handler_t");
static_assert(sizeof(cef_command_line_t) == 192, "cef_command_line_t");
static_assert(sizeof(cef_task_t) == 40, "cef_task_t");
static_assert(sizeof(cef_settings_t) == 360, "cef_settings_t");
static_assert(offsetof(cef_settings_t, multi_threaded_message_loop) == 64, "cef_settings_t");
static_assert(offsetof(cef_settings_t, cache_path) == 80, "cef_settings_t");
static_assert(offsetof(cef_settings_t, log_severity) == 232, "cef_settings_t");
static_assert(offsetof(cef_settings_t, ignore_certificate_errors) == 324, "cef_settings_t");
static_assert(offsetof(cef_settings_t, accept_language_list) == 336, "cef_settings_t");
static_assert(offsetof(cef_render_process_handler_t, on_context_created) == 72, "render handler");
static_assert(offsetof(cef_render_process_handler_t, on_process_message_received) == 104, "render handler");
static_assert(offsetof(cef_command_line_t, append_switch_with_value) == 152, "cef_command_line_t");
#else
static_assert(sizeof(cef_string_t) == 12, "cef_string_t");
static_assert(sizeof(cef_main_args_t) == 4, "cef_main_args_t");
static_assert(sizeof(cef_base_ref_counted_t) == 16, "cef_base_ref_counted_t");
static_assert(sizeof(cef_app_t) == 36, "cef_app_t");
static_assert(sizeof(cef_render_process_handler_t) == 56, "cef_render_process_handler_t");
static_assert(sizeof(cef_browser_process_handler_t) == 36, "cef_browser_process_handler_t");
static_assert(sizeof(cef_command_line_t) == 96, "cef_command_line_t");
static_assert(sizeof(cef_task_t) == 20, "cef_task_t");
static_assert(sizeof(cef_settings_t) == 208, "cef_settings_t");
static_assert(offsetof(cef_settings_t, multi_threaded_message_loop) == 36, "cef_settings_t");
static_assert(offsetof(cef_settings_t, cache_path) == 52, "cef_settings_t");
static_assert(offsetof(cef_settings_t, log_severity) == 132, "cef_settings_t");
static_assert(offsetof(cef_settings_t, ignore_certificate_errors) == 184, "cef_settings_t");
static_assert(offsetof(cef_settings_t, accept_language_list) == 196, "cef_settings_t");
static_assert(offsetof(cef_render_process_handler_t, on_context_created) == 36, "render handler");
static_assert(offsetof(cef_render_process_handler_t, on_process_message_received) == 52, "render handler");
static_assert(offsetof(cef_command_line_t, append_switch_with_value) == 76, "cef_command_line_t");
#endif
