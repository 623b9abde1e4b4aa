#include "browser/CefWebclientApp.h"

#include <cwchar>

#include "browser/CefRefPtr.h"
#include "browser/CefStringField.h"

namespace KRUI {
namespace {

struct FlashSwitch {
  const wchar_t* name;
  const wchar_t* value;
};

// Appended in this order to every process's command line, whatever its type.
const FlashSwitch kFlashSwitches[] = {
    {L"ppapi-flash-version", L"31.0.0.122"},
    {L"ppapi-flash-path", L"PepperFlash\\pepflashplayer.dll"},
    {L"plugin-policy", L"allow"},
};

}  // namespace

CefWebclientApp::CefWebclientApp() noexcept : app_(this), renderProcessHandler_(this) {
  cef_app_t* app = app_.get();
  app->on_before_command_line_processing = &OnBeforeCommandLineProcessing;
  app->on_register_custom_schemes = &OnRegisterCustomSchemes;
  app->get_resource_bundle_handler = &GetResourceBundleHandler;
  app->get_browser_process_handler = &GetBrowserProcessHandler;
  app->get_render_process_handler = &GetRenderProcessHandler;

  cef_render_process_handler_t* handler = renderProcessHandler_.get();
  handler->on_context_created = &OnContextCreated;
  handler->on_process_message_received = &OnProcessMessageReceived;
}

CefWebclientApp* CefWebclientApp::FromSelf(const void* self) noexcept {
  // Both tables record this object as their owner.
  return static_cast<CefWebclientApp*>(CCefStruct<cef_app_t>::Owner(self));
}

void CEF_CALLBACK CefWebclientApp::OnBeforeCommandLineProcessing(cef_app_t*, const cef_string_t*,
                                                                 cef_command_line_t* commandLine) noexcept {
  const auto held = CefAdoptArguments(commandLine);
  if (!commandLine || !commandLine->append_switch_with_value) return;
  for (const FlashSwitch& s : kFlashSwitches) {
    cef_string_t name = CefStringView(s.name, std::wcslen(s.name));
    cef_string_t value = CefStringView(s.value, std::wcslen(s.value));
    commandLine->append_switch_with_value(commandLine, &name, &value);
  }
}

// The registrar is a scoped object that stays the runtime's: nothing to release.
void CEF_CALLBACK CefWebclientApp::OnRegisterCustomSchemes(cef_app_t*, struct _cef_scheme_registrar_t*) noexcept {}

struct _cef_resource_bundle_handler_t* CEF_CALLBACK CefWebclientApp::GetResourceBundleHandler(cef_app_t*) noexcept {
  return nullptr;
}

cef_browser_process_handler_t* CEF_CALLBACK CefWebclientApp::GetBrowserProcessHandler(cef_app_t*) noexcept {
  return nullptr;
}

cef_render_process_handler_t* CEF_CALLBACK CefWebclientApp::GetRenderProcessHandler(cef_app_t* self) noexcept {
  // The runtime takes over the reference that comes with a returned table.
  return FromSelf(self)->renderProcessHandler_.Share();
}

void CEF_CALLBACK CefWebclientApp::OnContextCreated(cef_render_process_handler_t*, struct _cef_browser_t* browser,
                                                    struct _cef_frame_t* frame,
                                                    struct _cef_v8context_t* context) noexcept {
  const auto held = CefAdoptArguments(browser, frame, context);
}

int CEF_CALLBACK CefWebclientApp::OnProcessMessageReceived(cef_render_process_handler_t*,
                                                           struct _cef_browser_t* browser, cef_process_id_t,
                                                           struct _cef_process_message_t* message) noexcept {
  const auto held = CefAdoptArguments(browser, message);
  return 0;
}

}  // namespace KRUI
