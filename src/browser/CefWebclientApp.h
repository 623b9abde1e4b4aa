// The application object given to the Chromium runtime in every process: it adds the Pepper
// Flash switches to each process's command line and is its own render-process handler.
#pragma once
#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace KRUI {

class CefWebclientApp : public CCefRefCounted {
 public:
  // Starts with one reference, the creator's; release it with Release().
  CefWebclientApp() noexcept;

  // The app table for a runtime call, carrying a new reference the runtime takes over.
  cef_app_t* ShareApp() noexcept { return app_.Share(); }
  // Borrowed tables (no reference), for callers that own one already.
  cef_app_t* App() noexcept { return app_.get(); }
  cef_render_process_handler_t* RenderProcessHandler() noexcept { return renderProcessHandler_.get(); }

 private:
  ~CefWebclientApp() override = default;

  // cef_app_t
  static void CEF_CALLBACK OnBeforeCommandLineProcessing(cef_app_t* self, const cef_string_t* processType,
                                                         cef_command_line_t* commandLine) noexcept;
  static void CEF_CALLBACK OnRegisterCustomSchemes(cef_app_t* self,
                                                   struct _cef_scheme_registrar_t* registrar) noexcept;
  static struct _cef_resource_bundle_handler_t* CEF_CALLBACK GetResourceBundleHandler(cef_app_t* self) noexcept;
  static cef_browser_process_handler_t* CEF_CALLBACK GetBrowserProcessHandler(cef_app_t* self) noexcept;
  static cef_render_process_handler_t* CEF_CALLBACK GetRenderProcessHandler(cef_app_t* self) noexcept;

  // cef_render_process_handler_t (the other notifications keep the runtime's default)
  static void CEF_CALLBACK OnContextCreated(cef_render_process_handler_t* self, struct _cef_browser_t* browser,
                                            struct _cef_frame_t* frame,
                                            struct _cef_v8context_t* context) noexcept;
  static int CEF_CALLBACK OnProcessMessageReceived(cef_render_process_handler_t* self,
                                                   struct _cef_browser_t* browser, cef_process_id_t sourceProcess,
                                                   struct _cef_process_message_t* message) noexcept;

  static CefWebclientApp* FromSelf(const void* self) noexcept;

  CCefStruct<cef_app_t> app_;
  CCefStruct<cef_render_process_handler_t> renderProcessHandler_;
};

}  // namespace KRUI
