// The part of the Chromium runtime's plain C interface (branch 3359, Windows) that this
// program uses, declared here from the published layouts; libcef.dll is loaded at run time
// (CCefLibrary), so only types and function-pointer types are declared, no imports.
//
// Layout rules worth remembering:
//  - every slot of a ref-counted struct is __stdcall (CEF_CALLBACK); the exported functions
//    are __cdecl (the default), which only matters on x86;
//  - a ref-counted struct must list every slot, used or not: later offsets depend on them;
//  - base.size of a program-made struct is sizeof the whole outer struct.
// Size checks for every struct are at the bottom.
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


typedef enum {
  WOD_UNKNOWN = 0,
  WOD_CURRENT_TAB,
  WOD_SINGLETON_TAB,
  WOD_NEW_FOREGROUND_TAB,
  WOD_NEW_BACKGROUND_TAB,
  WOD_NEW_POPUP,
  WOD_NEW_WINDOW,
  WOD_SAVE_TO_DISK,
  WOD_OFF_THE_RECORD,
  WOD_IGNORE_ACTION,
} cef_window_open_disposition_t;

typedef enum {
  TS_ABNORMAL_TERMINATION = 0,
  TS_PROCESS_WAS_KILLED,
  TS_PROCESS_CRASHED,
} cef_termination_status_t;

typedef enum {
  RV_CANCEL = 0,
  RV_CONTINUE,
  RV_CONTINUE_ASYNC,
} cef_return_value_t;

typedef enum {
  MENUITEMTYPE_NONE = 0,
  MENUITEMTYPE_COMMAND,
  MENUITEMTYPE_CHECK,
  MENUITEMTYPE_RADIO,
  MENUITEMTYPE_SEPARATOR,
  MENUITEMTYPE_SUBMENU,
} cef_menu_item_type_t;

// Passed by value only; the values are not needed here.
typedef int cef_event_flags_t;
typedef int cef_drag_operations_mask_t;
typedef int cef_urlrequest_status_t;
typedef int cef_menu_color_type_t;
typedef int cef_errorcode_t;
typedef int cef_transition_type_t;
typedef int cef_file_dialog_mode_t;
typedef int cef_mouse_button_type_t;
typedef int cef_paint_element_type_t;
typedef unsigned long long uint64;
typedef MSG* cef_event_handle_t;

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
struct _cef_context_menu_params_t;
struct _cef_run_context_menu_callback_t;
struct _cef_download_item_t;
struct _cef_download_item_callback_t;
struct _cef_drag_data_t;
struct _cef_dialog_handler_t;
struct _cef_find_handler_t;
struct _cef_focus_handler_t;
struct _cef_jsdialog_handler_t;
struct _cef_render_handler_t;
struct _cef_request_t;
struct _cef_response_t;
struct _cef_resource_handler_t;
struct _cef_response_filter_t;
struct _cef_auth_callback_t;
struct _cef_request_callback_t;
struct _cef_sslinfo_t;
struct _cef_x509certificate_t;
struct _cef_select_client_certificate_callback_t;
struct _cef_key_event_t;
struct _cef_mouse_event_t;
struct _cef_cookie_t;
struct _cef_cookie_visitor_t;
struct _cef_set_cookie_callback_t;
struct _cef_delete_cookies_callback_t;
struct _cef_string_visitor_t;
struct _cef_domvisitor_t;
struct _cef_navigation_entry_t;
struct _cef_navigation_entry_visitor_t;
struct _cef_run_file_dialog_callback_t;
struct _cef_download_image_callback_t;
struct _cef_pdf_print_settings_t;
struct _cef_pdf_print_callback_t;
struct _cef_composition_underline_t;
struct _cef_range_t;
struct _cef_extension_t;

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


// Copied by cef_browser_host_create_browser; the caller keeps ownership of its strings.
typedef struct _cef_window_info_t {
  DWORD ex_style;
  cef_string_t window_name;
  DWORD style;
  int x;
  int y;
  int width;
  int height;
  HWND parent_window;
  HMENU menu;
  int windowless_rendering_enabled;
  HWND window;  // filled in by the runtime in its own copy
} cef_window_info_t;

typedef struct _cef_browser_settings_t {
  size_t size;
  int windowless_frame_rate;
  cef_string_t standard_font_family;
  cef_string_t fixed_font_family;
  cef_string_t serif_font_family;
  cef_string_t sans_serif_font_family;
  cef_string_t cursive_font_family;
  cef_string_t fantasy_font_family;
  int default_font_size;
  int default_fixed_font_size;
  int minimum_font_size;
  int minimum_logical_font_size;
  cef_string_t default_encoding;
  cef_state_t remote_fonts;
  cef_state_t javascript;
  cef_state_t javascript_close_windows;
  cef_state_t javascript_access_clipboard;
  cef_state_t javascript_dom_paste;
  cef_state_t plugins;
  cef_state_t universal_access_from_file_urls;
  cef_state_t file_access_from_file_urls;
  cef_state_t web_security;
  cef_state_t image_loading;
  cef_state_t image_shrink_standalone_to_fit;
  cef_state_t text_area_resize;
  cef_state_t tab_to_links;
  cef_state_t local_storage;
  cef_state_t databases;
  cef_state_t application_cache;
  cef_state_t webgl;
  cef_color_t background_color;
  cef_string_t accept_language_list;
} cef_browser_settings_t;

typedef struct _cef_popup_features_t {
  int x;
  int xSet;
  int y;
  int ySet;
  int width;
  int widthSet;
  int height;
  int heightSet;
  int menuBarVisible;
  int statusBarVisible;
  int toolBarVisible;
  int scrollbarsVisible;
} cef_popup_features_t;

typedef struct _cef_size_t {
  int width;
  int height;
} cef_size_t;

typedef struct _cef_point_t {
  int x;
  int y;
} cef_point_t;

typedef struct _cef_rect_t {
  int x;
  int y;
  int width;
  int height;
} cef_rect_t;

typedef struct _cef_time_t {
  int year;
  int month;
  int day_of_week;
  int day_of_month;
  int hour;
  int minute;
  int second;
  int millisecond;
} cef_time_t;

#define cef_window_handle_t HWND
typedef struct _cef_composition_underline_t cef_composition_underline_t;
typedef struct _cef_range_t cef_range_t;

typedef struct _cef_draggable_region_t {
  cef_rect_t bounds;
  int draggable;
} cef_draggable_region_t;

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


// ---- browser, client and handlers: every slot in header order, used or not ------------
// Tables the runtime makes (browser, host, frame, menu model, download item, callbacks,
// cookie manager) are used through their slots only; tables this program makes (client and
// handlers) leave a slot NULL where the runtime's default behaviour is wanted.

typedef struct _cef_client_t {
  cef_base_ref_counted_t base;
  struct _cef_context_menu_handler_t*(CEF_CALLBACK* get_context_menu_handler)(struct _cef_client_t* self);
  struct _cef_dialog_handler_t*(CEF_CALLBACK* get_dialog_handler)(struct _cef_client_t* self);
  struct _cef_display_handler_t*(CEF_CALLBACK* get_display_handler)(struct _cef_client_t* self);
  struct _cef_download_handler_t*(CEF_CALLBACK* get_download_handler)(struct _cef_client_t* self);
  struct _cef_drag_handler_t*(CEF_CALLBACK* get_drag_handler)(struct _cef_client_t* self);
  struct _cef_find_handler_t*(CEF_CALLBACK* get_find_handler)(struct _cef_client_t* self);
  struct _cef_focus_handler_t*(CEF_CALLBACK* get_focus_handler)(struct _cef_client_t* self);
  struct _cef_jsdialog_handler_t*(CEF_CALLBACK* get_jsdialog_handler)(struct _cef_client_t* self);
  struct _cef_keyboard_handler_t*(CEF_CALLBACK* get_keyboard_handler)(struct _cef_client_t* self);
  struct _cef_life_span_handler_t*(CEF_CALLBACK* get_life_span_handler)(struct _cef_client_t* self);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(struct _cef_client_t* self);
  struct _cef_render_handler_t*(CEF_CALLBACK* get_render_handler)(struct _cef_client_t* self);
  struct _cef_request_handler_t*(CEF_CALLBACK* get_request_handler)(struct _cef_client_t* self);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_client_t* self, struct _cef_browser_t* browser, cef_process_id_t source_process, struct _cef_process_message_t* message);
} cef_client_t;

typedef struct _cef_context_menu_params_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* get_xcoord)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_ycoord)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_type_flags)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_unfiltered_link_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_source_url)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* has_image_contents)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_title_text)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_page_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_charset)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_media_type)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_media_state_flags)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_text)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_misspelled_word)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_dictionary_suggestions)(struct _cef_context_menu_params_t* self, cef_string_list_t suggestions);
  int(CEF_CALLBACK* is_editable)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_spell_check_enabled)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_edit_state_flags)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_custom_menu)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_pepper_menu)(struct _cef_context_menu_params_t* self);
} cef_context_menu_params_t;

typedef struct _cef_context_menu_handler_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_before_context_menu)(struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_context_menu_params_t* params, struct _cef_menu_model_t* model);
  int(CEF_CALLBACK* run_context_menu)(struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_context_menu_params_t* params, struct _cef_menu_model_t* model, struct _cef_run_context_menu_callback_t* callback);
  int(CEF_CALLBACK* on_context_menu_command)(struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_context_menu_params_t* params, int command_id, cef_event_flags_t event_flags);
  void(CEF_CALLBACK* on_context_menu_dismissed)(struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame);
} cef_context_menu_handler_t;

typedef struct _cef_menu_model_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_sub_menu)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* clear)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* get_count)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* add_separator)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* add_item)(struct _cef_menu_model_t* self, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* add_check_item)(struct _cef_menu_model_t* self, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* add_radio_item)(struct _cef_menu_model_t* self, int command_id, const cef_string_t* label, int group_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* add_sub_menu)(struct _cef_menu_model_t* self, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* insert_separator_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* insert_item_at)(struct _cef_menu_model_t* self, int index, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* insert_check_item_at)(struct _cef_menu_model_t* self, int index, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* insert_radio_item_at)(struct _cef_menu_model_t* self, int index, int command_id, const cef_string_t* label, int group_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* insert_sub_menu_at)(struct _cef_menu_model_t* self, int index, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* remove)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* remove_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_index_of)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* get_command_id_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_command_id_at)(struct _cef_menu_model_t* self, int index, int command_id);
  cef_string_userfree_t(CEF_CALLBACK* get_label)(struct _cef_menu_model_t* self, int command_id);
  cef_string_userfree_t(CEF_CALLBACK* get_label_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_label)(struct _cef_menu_model_t* self, int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* set_label_at)(struct _cef_menu_model_t* self, int index, const cef_string_t* label);
  cef_menu_item_type_t(CEF_CALLBACK* get_type)(struct _cef_menu_model_t* self, int command_id);
  cef_menu_item_type_t(CEF_CALLBACK* get_type_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_group_id)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* get_group_id_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_group_id)(struct _cef_menu_model_t* self, int command_id, int group_id);
  int(CEF_CALLBACK* set_group_id_at)(struct _cef_menu_model_t* self, int index, int group_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* get_sub_menu)(struct _cef_menu_model_t* self, int command_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* get_sub_menu_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* is_visible)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* is_visible_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_visible)(struct _cef_menu_model_t* self, int command_id, int visible);
  int(CEF_CALLBACK* set_visible_at)(struct _cef_menu_model_t* self, int index, int visible);
  int(CEF_CALLBACK* is_enabled)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* is_enabled_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_enabled)(struct _cef_menu_model_t* self, int command_id, int enabled);
  int(CEF_CALLBACK* set_enabled_at)(struct _cef_menu_model_t* self, int index, int enabled);
  int(CEF_CALLBACK* is_checked)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* is_checked_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_checked)(struct _cef_menu_model_t* self, int command_id, int checked);
  int(CEF_CALLBACK* set_checked_at)(struct _cef_menu_model_t* self, int index, int checked);
  int(CEF_CALLBACK* has_accelerator)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* has_accelerator_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_accelerator)(struct _cef_menu_model_t* self, int command_id, int key_code, int shift_pressed, int ctrl_pressed, int alt_pressed);
  int(CEF_CALLBACK* set_accelerator_at)(struct _cef_menu_model_t* self, int index, int key_code, int shift_pressed, int ctrl_pressed, int alt_pressed);
  int(CEF_CALLBACK* remove_accelerator)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* remove_accelerator_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_accelerator)(struct _cef_menu_model_t* self, int command_id, int* key_code, int* shift_pressed, int* ctrl_pressed, int* alt_pressed);
  int(CEF_CALLBACK* get_accelerator_at)(struct _cef_menu_model_t* self, int index, int* key_code, int* shift_pressed, int* ctrl_pressed, int* alt_pressed);
  int(CEF_CALLBACK* set_color)(struct _cef_menu_model_t* self, int command_id, cef_menu_color_type_t color_type, cef_color_t color);
  int(CEF_CALLBACK* set_color_at)(struct _cef_menu_model_t* self, int index, cef_menu_color_type_t color_type, cef_color_t color);
  int(CEF_CALLBACK* get_color)(struct _cef_menu_model_t* self, int command_id, cef_menu_color_type_t color_type, cef_color_t* color);
  int(CEF_CALLBACK* get_color_at)(struct _cef_menu_model_t* self, int index, cef_menu_color_type_t color_type, cef_color_t* color);
  int(CEF_CALLBACK* set_font_list)(struct _cef_menu_model_t* self, int command_id, const cef_string_t* font_list);
  int(CEF_CALLBACK* set_font_list_at)(struct _cef_menu_model_t* self, int index, const cef_string_t* font_list);
} cef_menu_model_t;

typedef struct _cef_display_handler_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_address_change)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, const cef_string_t* url);
  void(CEF_CALLBACK* on_title_change)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, const cef_string_t* title);
  void(CEF_CALLBACK* on_favicon_urlchange)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, cef_string_list_t icon_urls);
  void(CEF_CALLBACK* on_fullscreen_mode_change)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, int fullscreen);
  int(CEF_CALLBACK* on_tooltip)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, cef_string_t* text);
  void(CEF_CALLBACK* on_status_message)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, const cef_string_t* value);
  int(CEF_CALLBACK* on_console_message)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, cef_log_severity_t level, const cef_string_t* message, const cef_string_t* source, int line);
  int(CEF_CALLBACK* on_auto_resize)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, const cef_size_t* new_size);
  void(CEF_CALLBACK* on_loading_progress_change)(struct _cef_display_handler_t* self, struct _cef_browser_t* browser, double progress);
} cef_display_handler_t;

typedef struct _cef_download_handler_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_before_download)(struct _cef_download_handler_t* self, struct _cef_browser_t* browser, struct _cef_download_item_t* download_item, const cef_string_t* suggested_name, struct _cef_before_download_callback_t* callback);
  void(CEF_CALLBACK* on_download_updated)(struct _cef_download_handler_t* self, struct _cef_browser_t* browser, struct _cef_download_item_t* download_item, struct _cef_download_item_callback_t* callback);
} cef_download_handler_t;

typedef struct _cef_before_download_callback_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* cont)(struct _cef_before_download_callback_t* self, const cef_string_t* download_path, int show_dialog);
} cef_before_download_callback_t;

typedef struct _cef_download_item_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_in_progress)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_complete)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_canceled)(struct _cef_download_item_t* self);
  int64(CEF_CALLBACK* get_current_speed)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* get_percent_complete)(struct _cef_download_item_t* self);
  int64(CEF_CALLBACK* get_total_bytes)(struct _cef_download_item_t* self);
  int64(CEF_CALLBACK* get_received_bytes)(struct _cef_download_item_t* self);
  cef_time_t(CEF_CALLBACK* get_start_time)(struct _cef_download_item_t* self);
  cef_time_t(CEF_CALLBACK* get_end_time)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_full_path)(struct _cef_download_item_t* self);
  uint32(CEF_CALLBACK* get_id)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_suggested_file_name)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_content_disposition)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(struct _cef_download_item_t* self);
} cef_download_item_t;

typedef struct _cef_drag_handler_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_drag_enter)(struct _cef_drag_handler_t* self, struct _cef_browser_t* browser, struct _cef_drag_data_t* dragData, cef_drag_operations_mask_t mask);
  void(CEF_CALLBACK* on_draggable_regions_changed)(struct _cef_drag_handler_t* self, struct _cef_browser_t* browser, size_t regionsCount, cef_draggable_region_t const* regions);
} cef_drag_handler_t;

typedef struct _cef_keyboard_handler_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_pre_key_event)(struct _cef_keyboard_handler_t* self, struct _cef_browser_t* browser, const struct _cef_key_event_t* event, cef_event_handle_t os_event, int* is_keyboard_shortcut);
  int(CEF_CALLBACK* on_key_event)(struct _cef_keyboard_handler_t* self, struct _cef_browser_t* browser, const struct _cef_key_event_t* event, cef_event_handle_t os_event);
} cef_keyboard_handler_t;

typedef struct _cef_life_span_handler_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_before_popup)(struct _cef_life_span_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, const cef_string_t* target_url, const cef_string_t* target_frame_name, cef_window_open_disposition_t target_disposition, int user_gesture, const struct _cef_popup_features_t* popupFeatures, struct _cef_window_info_t* windowInfo, struct _cef_client_t** client, struct _cef_browser_settings_t* settings, int* no_javascript_access);
  void(CEF_CALLBACK* on_after_created)(struct _cef_life_span_handler_t* self, struct _cef_browser_t* browser);
  int(CEF_CALLBACK* do_close)(struct _cef_life_span_handler_t* self, struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_before_close)(struct _cef_life_span_handler_t* self, struct _cef_browser_t* browser);
} cef_life_span_handler_t;

typedef struct _cef_load_handler_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_loading_state_change)(struct _cef_load_handler_t* self, struct _cef_browser_t* browser, int isLoading, int canGoBack, int canGoForward);
  void(CEF_CALLBACK* on_load_start)(struct _cef_load_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, cef_transition_type_t transition_type);
  void(CEF_CALLBACK* on_load_end)(struct _cef_load_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, int httpStatusCode);
  void(CEF_CALLBACK* on_load_error)(struct _cef_load_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, cef_errorcode_t errorCode, const cef_string_t* errorText, const cef_string_t* failedUrl);
} cef_load_handler_t;

typedef struct _cef_request_handler_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* on_before_browse)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, int user_gesture, int is_redirect);
  int(CEF_CALLBACK* on_open_urlfrom_tab)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, const cef_string_t* target_url, cef_window_open_disposition_t target_disposition, int user_gesture);
  cef_return_value_t(CEF_CALLBACK* on_before_resource_load)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, struct _cef_request_callback_t* callback);
  struct _cef_resource_handler_t*(CEF_CALLBACK* get_resource_handler)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request);
  void(CEF_CALLBACK* on_resource_redirect)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, struct _cef_response_t* response, cef_string_t* new_url);
  int(CEF_CALLBACK* on_resource_response)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, struct _cef_response_t* response);
  struct _cef_response_filter_t*(CEF_CALLBACK* get_resource_response_filter)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, struct _cef_response_t* response);
  void(CEF_CALLBACK* on_resource_load_complete)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, struct _cef_response_t* response, cef_urlrequest_status_t status, int64 received_content_length);
  int(CEF_CALLBACK* get_auth_credentials)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, int isProxy, const cef_string_t* host, int port, const cef_string_t* realm, const cef_string_t* scheme, struct _cef_auth_callback_t* callback);
  int(CEF_CALLBACK* can_get_cookies)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request);
  int(CEF_CALLBACK* can_set_cookie)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, struct _cef_frame_t* frame, struct _cef_request_t* request, const struct _cef_cookie_t* cookie);
  int(CEF_CALLBACK* on_quota_request)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, const cef_string_t* origin_url, int64 new_size, struct _cef_request_callback_t* callback);
  void(CEF_CALLBACK* on_protocol_execution)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, const cef_string_t* url, int* allow_os_execution);
  int(CEF_CALLBACK* on_certificate_error)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, cef_errorcode_t cert_error, const cef_string_t* request_url, struct _cef_sslinfo_t* ssl_info, struct _cef_request_callback_t* callback);
  int(CEF_CALLBACK* on_select_client_certificate)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, int isProxy, const cef_string_t* host, int port, size_t certificatesCount, struct _cef_x509certificate_t* const* certificates, struct _cef_select_client_certificate_callback_t* callback);
  void(CEF_CALLBACK* on_plugin_crashed)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, const cef_string_t* plugin_path);
  void(CEF_CALLBACK* on_render_view_ready)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_render_process_terminated)(struct _cef_request_handler_t* self, struct _cef_browser_t* browser, cef_termination_status_t status);
} cef_request_handler_t;

typedef struct _cef_browser_t {
  cef_base_ref_counted_t base;
  struct _cef_browser_host_t*(CEF_CALLBACK* get_host)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_back)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_back)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_forward)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_forward)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_loading)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload_ignore_cache)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* stop_load)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* get_identifier)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_browser_t* self, struct _cef_browser_t* that);
  int(CEF_CALLBACK* is_popup)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* has_document)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_main_frame)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_focused_frame)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame_byident)(struct _cef_browser_t* self, int64 identifier);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_browser_t* self, const cef_string_t* name);
  size_t(CEF_CALLBACK* get_frame_count)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* get_frame_identifiers)(struct _cef_browser_t* self, size_t* identifiersCount, int64* identifiers);
  void(CEF_CALLBACK* get_frame_names)(struct _cef_browser_t* self, cef_string_list_t names);
  int(CEF_CALLBACK* send_process_message)(struct _cef_browser_t* self, cef_process_id_t target_process, struct _cef_process_message_t* message);
} cef_browser_t;

typedef struct _cef_browser_host_t {
  cef_base_ref_counted_t base;
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* close_browser)(struct _cef_browser_host_t* self, int force_close);
  int(CEF_CALLBACK* try_close_browser)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_focus)(struct _cef_browser_host_t* self, int focus);
  cef_window_handle_t(CEF_CALLBACK* get_window_handle)(struct _cef_browser_host_t* self);
  cef_window_handle_t(CEF_CALLBACK* get_opener_window_handle)(struct _cef_browser_host_t* self);
  int(CEF_CALLBACK* has_view)(struct _cef_browser_host_t* self);
  struct _cef_client_t*(CEF_CALLBACK* get_client)(struct _cef_browser_host_t* self);
  struct _cef_request_context_t*(CEF_CALLBACK* get_request_context)(struct _cef_browser_host_t* self);
  double(CEF_CALLBACK* get_zoom_level)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_zoom_level)(struct _cef_browser_host_t* self, double zoomLevel);
  void(CEF_CALLBACK* run_file_dialog)(struct _cef_browser_host_t* self, cef_file_dialog_mode_t mode, const cef_string_t* title, const cef_string_t* default_file_path, cef_string_list_t accept_filters, int selected_accept_filter, struct _cef_run_file_dialog_callback_t* callback);
  void(CEF_CALLBACK* start_download)(struct _cef_browser_host_t* self, const cef_string_t* url);
  void(CEF_CALLBACK* download_image)(struct _cef_browser_host_t* self, const cef_string_t* image_url, int is_favicon, uint32 max_image_size, int bypass_cache, struct _cef_download_image_callback_t* callback);
  void(CEF_CALLBACK* print)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* print_to_pdf)(struct _cef_browser_host_t* self, const cef_string_t* path, const struct _cef_pdf_print_settings_t* settings, struct _cef_pdf_print_callback_t* callback);
  void(CEF_CALLBACK* find)(struct _cef_browser_host_t* self, int identifier, const cef_string_t* searchText, int forward, int matchCase, int findNext);
  void(CEF_CALLBACK* stop_finding)(struct _cef_browser_host_t* self, int clearSelection);
  void(CEF_CALLBACK* show_dev_tools)(struct _cef_browser_host_t* self, const struct _cef_window_info_t* windowInfo, struct _cef_client_t* client, const struct _cef_browser_settings_t* settings, const cef_point_t* inspect_element_at);
  void(CEF_CALLBACK* close_dev_tools)(struct _cef_browser_host_t* self);
  int(CEF_CALLBACK* has_dev_tools)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* get_navigation_entries)(struct _cef_browser_host_t* self, struct _cef_navigation_entry_visitor_t* visitor, int current_only);
  void(CEF_CALLBACK* set_mouse_cursor_change_disabled)(struct _cef_browser_host_t* self, int disabled);
  int(CEF_CALLBACK* is_mouse_cursor_change_disabled)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* replace_misspelling)(struct _cef_browser_host_t* self, const cef_string_t* word);
  void(CEF_CALLBACK* add_word_to_dictionary)(struct _cef_browser_host_t* self, const cef_string_t* word);
  int(CEF_CALLBACK* is_window_rendering_disabled)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* was_resized)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* was_hidden)(struct _cef_browser_host_t* self, int hidden);
  void(CEF_CALLBACK* notify_screen_info_changed)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* invalidate)(struct _cef_browser_host_t* self, cef_paint_element_type_t type);
  void(CEF_CALLBACK* send_key_event)(struct _cef_browser_host_t* self, const struct _cef_key_event_t* event);
  void(CEF_CALLBACK* send_mouse_click_event)(struct _cef_browser_host_t* self, const struct _cef_mouse_event_t* event, cef_mouse_button_type_t type, int mouseUp, int clickCount);
  void(CEF_CALLBACK* send_mouse_move_event)(struct _cef_browser_host_t* self, const struct _cef_mouse_event_t* event, int mouseLeave);
  void(CEF_CALLBACK* send_mouse_wheel_event)(struct _cef_browser_host_t* self, const struct _cef_mouse_event_t* event, int deltaX, int deltaY);
  void(CEF_CALLBACK* send_focus_event)(struct _cef_browser_host_t* self, int setFocus);
  void(CEF_CALLBACK* send_capture_lost_event)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* notify_move_or_resize_started)(struct _cef_browser_host_t* self);
  int(CEF_CALLBACK* get_windowless_frame_rate)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_windowless_frame_rate)(struct _cef_browser_host_t* self, int frame_rate);
  void(CEF_CALLBACK* ime_set_composition)(struct _cef_browser_host_t* self, const cef_string_t* text, size_t underlinesCount, cef_composition_underline_t const* underlines, const cef_range_t* replacement_range, const cef_range_t* selection_range);
  void(CEF_CALLBACK* ime_commit_text)(struct _cef_browser_host_t* self, const cef_string_t* text, const cef_range_t* replacement_range, int relative_cursor_pos);
  void(CEF_CALLBACK* ime_finish_composing_text)(struct _cef_browser_host_t* self, int keep_selection);
  void(CEF_CALLBACK* ime_cancel_composition)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* drag_target_drag_enter)(struct _cef_browser_host_t* self, struct _cef_drag_data_t* drag_data, const struct _cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops);
  void(CEF_CALLBACK* drag_target_drag_over)(struct _cef_browser_host_t* self, const struct _cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops);
  void(CEF_CALLBACK* drag_target_drag_leave)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* drag_target_drop)(struct _cef_browser_host_t* self, const struct _cef_mouse_event_t* event);
  void(CEF_CALLBACK* drag_source_ended_at)(struct _cef_browser_host_t* self, int x, int y, cef_drag_operations_mask_t op);
  void(CEF_CALLBACK* drag_source_system_drag_ended)(struct _cef_browser_host_t* self);
  struct _cef_navigation_entry_t*(CEF_CALLBACK* get_visible_navigation_entry)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_accessibility_state)(struct _cef_browser_host_t* self, cef_state_t accessibility_state);
  void(CEF_CALLBACK* set_auto_resize_enabled)(struct _cef_browser_host_t* self, int enabled, const cef_size_t* min_size, const cef_size_t* max_size);
  struct _cef_extension_t*(CEF_CALLBACK* get_extension)(struct _cef_browser_host_t* self);
  int(CEF_CALLBACK* is_background_host)(struct _cef_browser_host_t* self);
} cef_browser_host_t;

typedef struct _cef_frame_t {
  cef_base_ref_counted_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* undo)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* redo)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* cut)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* copy)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* paste)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* del)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* select_all)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* view_source)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* get_source)(struct _cef_frame_t* self, struct _cef_string_visitor_t* visitor);
  void(CEF_CALLBACK* get_text)(struct _cef_frame_t* self, struct _cef_string_visitor_t* visitor);
  void(CEF_CALLBACK* load_request)(struct _cef_frame_t* self, struct _cef_request_t* request);
  void(CEF_CALLBACK* load_url)(struct _cef_frame_t* self, const cef_string_t* url);
  void(CEF_CALLBACK* load_string)(struct _cef_frame_t* self, const cef_string_t* string_val, const cef_string_t* url);
  void(CEF_CALLBACK* execute_java_script)(struct _cef_frame_t* self, const cef_string_t* code, const cef_string_t* script_url, int start_line);
  int(CEF_CALLBACK* is_main)(struct _cef_frame_t* self);
  int(CEF_CALLBACK* is_focused)(struct _cef_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_frame_t* self);
  int64(CEF_CALLBACK* get_identifier)(struct _cef_frame_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_parent)(struct _cef_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_frame_t* self);
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_frame_t* self);
  struct _cef_v8context_t*(CEF_CALLBACK* get_v8context)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* visit_dom)(struct _cef_frame_t* self, struct _cef_domvisitor_t* visitor);
} cef_frame_t;

typedef struct _cef_cookie_manager_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* set_supported_schemes)(struct _cef_cookie_manager_t* self, cef_string_list_t schemes, struct _cef_completion_callback_t* callback);
  int(CEF_CALLBACK* visit_all_cookies)(struct _cef_cookie_manager_t* self, struct _cef_cookie_visitor_t* visitor);
  int(CEF_CALLBACK* visit_url_cookies)(struct _cef_cookie_manager_t* self, const cef_string_t* url, int includeHttpOnly, struct _cef_cookie_visitor_t* visitor);
  int(CEF_CALLBACK* set_cookie)(struct _cef_cookie_manager_t* self, const cef_string_t* url, const struct _cef_cookie_t* cookie, struct _cef_set_cookie_callback_t* callback);
  int(CEF_CALLBACK* delete_cookies)(struct _cef_cookie_manager_t* self, const cef_string_t* url, const cef_string_t* cookie_name, struct _cef_delete_cookies_callback_t* callback);
  int(CEF_CALLBACK* set_storage_path)(struct _cef_cookie_manager_t* self, const cef_string_t* path, int persist_session_cookies, struct _cef_completion_callback_t* callback);
  int(CEF_CALLBACK* flush_store)(struct _cef_cookie_manager_t* self, struct _cef_completion_callback_t* callback);
} cef_cookie_manager_t;

typedef struct _cef_completion_callback_t {
  cef_base_ref_counted_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_completion_callback_t* self);
} cef_completion_callback_t;

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
static_assert(sizeof(cef_client_t) == 144, "cef_client_t");
static_assert(sizeof(cef_context_menu_params_t) == 200, "cef_context_menu_params_t");
static_assert(sizeof(cef_context_menu_handler_t) == 64, "cef_context_menu_handler_t");
static_assert(sizeof(cef_menu_model_t) == 480, "cef_menu_model_t");
static_assert(sizeof(cef_display_handler_t) == 104, "cef_display_handler_t");
static_assert(sizeof(cef_download_handler_t) == 48, "cef_download_handler_t");
static_assert(sizeof(cef_before_download_callback_t) == 40, "cef_before_download_callback_t");
static_assert(sizeof(cef_download_item_t) == 168, "cef_download_item_t");
static_assert(sizeof(cef_drag_handler_t) == 48, "cef_drag_handler_t");
static_assert(sizeof(cef_keyboard_handler_t) == 48, "cef_keyboard_handler_t");
static_assert(sizeof(cef_life_span_handler_t) == 64, "cef_life_span_handler_t");
static_assert(sizeof(cef_load_handler_t) == 64, "cef_load_handler_t");
static_assert(sizeof(cef_request_handler_t) == 176, "cef_request_handler_t");
static_assert(sizeof(cef_browser_t) == 200, "cef_browser_t");
static_assert(sizeof(cef_browser_host_t) == 472, "cef_browser_host_t");
static_assert(sizeof(cef_frame_t) == 224, "cef_frame_t");
static_assert(sizeof(cef_cookie_manager_t) == 88, "cef_cookie_manager_t");
static_assert(sizeof(cef_completion_callback_t) == 40, "cef_completion_callback_t");
static_assert(sizeof(cef_window_info_t) == 88, "cef_window_info_t");
static_assert(sizeof(cef_browser_settings_t) == 296, "cef_browser_settings_t");
static_assert(sizeof(cef_popup_features_t) == 48, "cef_popup_features_t");
static_assert(sizeof(cef_time_t) == 32, "cef_time_t");
static_assert(offsetof(cef_window_info_t, style) == 32, "cef_window_info_t");
static_assert(offsetof(cef_window_info_t, parent_window) == 56, "cef_window_info_t");
static_assert(offsetof(cef_browser_settings_t, accept_language_list) == 272, "cef_browser_settings_t");
static_assert(offsetof(cef_browser_host_t, get_window_handle) == 64, "cef_browser_host_t");
static_assert(offsetof(cef_browser_host_t, is_background_host) == 464, "cef_browser_host_t");
static_assert(offsetof(cef_frame_t, load_url) == 128, "cef_frame_t");
static_assert(offsetof(cef_frame_t, is_main) == 152, "cef_frame_t");
static_assert(offsetof(cef_browser_t, get_main_frame) == 136, "cef_browser_t");
static_assert(offsetof(cef_request_handler_t, on_render_process_terminated) == 168, "cef_request_handler_t");
static_assert(offsetof(cef_menu_model_t, get_count) == 48, "cef_menu_model_t");
static_assert(offsetof(cef_cookie_manager_t, flush_store) == 80, "cef_cookie_manager_t");
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
static_assert(sizeof(cef_client_t) == 72, "cef_client_t");
static_assert(sizeof(cef_context_menu_params_t) == 100, "cef_context_menu_params_t");
static_assert(sizeof(cef_context_menu_handler_t) == 32, "cef_context_menu_handler_t");
static_assert(sizeof(cef_menu_model_t) == 240, "cef_menu_model_t");
static_assert(sizeof(cef_display_handler_t) == 52, "cef_display_handler_t");
static_assert(sizeof(cef_download_handler_t) == 24, "cef_download_handler_t");
static_assert(sizeof(cef_before_download_callback_t) == 20, "cef_before_download_callback_t");
static_assert(sizeof(cef_download_item_t) == 84, "cef_download_item_t");
static_assert(sizeof(cef_drag_handler_t) == 24, "cef_drag_handler_t");
static_assert(sizeof(cef_keyboard_handler_t) == 24, "cef_keyboard_handler_t");
static_assert(sizeof(cef_life_span_handler_t) == 32, "cef_life_span_handler_t");
static_assert(sizeof(cef_load_handler_t) == 32, "cef_load_handler_t");
static_assert(sizeof(cef_request_handler_t) == 88, "cef_request_handler_t");
static_assert(sizeof(cef_browser_t) == 100, "cef_browser_t");
static_assert(sizeof(cef_browser_host_t) == 236, "cef_browser_host_t");
static_assert(sizeof(cef_frame_t) == 112, "cef_frame_t");
static_assert(sizeof(cef_cookie_manager_t) == 44, "cef_cookie_manager_t");
static_assert(sizeof(cef_completion_callback_t) == 20, "cef_completion_callback_t");
static_assert(sizeof(cef_window_info_t) == 52, "cef_window_info_t");
static_assert(sizeof(cef_browser_settings_t) == 192, "cef_browser_settings_t");
static_assert(sizeof(cef_popup_features_t) == 48, "cef_popup_features_t");
static_assert(sizeof(cef_time_t) == 32, "cef_time_t");
static_assert(offsetof(cef_window_info_t, style) == 16, "cef_window_info_t");
static_assert(offsetof(cef_window_info_t, parent_window) == 36, "cef_window_info_t");
static_assert(offsetof(cef_browser_settings_t, accept_language_list) == 180, "cef_browser_settings_t");
static_assert(offsetof(cef_browser_host_t, get_window_handle) == 32, "cef_browser_host_t");
static_assert(offsetof(cef_browser_host_t, is_background_host) == 232, "cef_browser_host_t");
static_assert(offsetof(cef_frame_t, load_url) == 64, "cef_frame_t");
static_assert(offsetof(cef_frame_t, is_main) == 76, "cef_frame_t");
static_assert(offsetof(cef_browser_t, get_main_frame) == 68, "cef_browser_t");
static_assert(offsetof(cef_request_handler_t, on_render_process_terminated) == 84, "cef_request_handler_t");
static_assert(offsetof(cef_menu_model_t, get_count) == 24, "cef_menu_model_t");
static_assert(offsetof(cef_cookie_manager_t, flush_store) == 40, "cef_cookie_manager_t");
#endif
