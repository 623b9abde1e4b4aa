#include <gtest/gtest.h>

#include "BrowserTestSupport.h"
#include "browser/CefWebclientApp.h"

using KRUI::CefWebclientApp;
using KRUITest::CFakeCommandLine;

namespace {

using Switches = std::vector<std::pair<std::wstring, std::wstring>>;
const Switches kFlashSwitches = {
    {L"ppapi-flash-version", L"31.0.0.122"},
    {L"ppapi-flash-path", L"PepperFlash\\pepflashplayer.dll"},
    {L"plugin-policy", L"allow"},
};

// Counts how often the runtime side's reference was given back.
class CCountedObject : public KRUI::CCefRefCounted {
 public:
  CCountedObject() : table_(this) {}
  cef_task_t* Share() { return table_.Share(); }

 private:
  KRUI::CCefStruct<cef_task_t> table_;
};

}  // namespace

TEST(CefWebclientApp, AppendsTheFlashSwitchesInOrderInEveryProcess) {
  CefWebclientApp* app = new CefWebclientApp();
  cef_app_t* table = app->App();
  ASSERT_EQ(sizeof(cef_app_t), table->base.size);
  ASSERT_NE(nullptr, table->on_before_command_line_processing);

  CFakeCommandLine* browserLine = new CFakeCommandLine();
  table->on_before_command_line_processing(table, nullptr, browserLine->Share());
  EXPECT_EQ(kFlashSwitches, browserLine->appended);
  // The reference that came with the command line was given back.
  EXPECT_TRUE(browserLine->HasOneRef());
  browserLine->Release();

  CFakeCommandLine* rendererLine = new CFakeCommandLine();
  std::wstring type = L"renderer";
  cef_string_t processType = {const_cast<wchar_t*>(type.c_str()), type.size(), nullptr};
  table->on_before_command_line_processing(table, &processType, rendererLine->Share());
  EXPECT_EQ(kFlashSwitches, rendererLine->appended);
  EXPECT_TRUE(rendererLine->HasOneRef());
  rendererLine->Release();
  app->Release();
}

TEST(CefWebclientApp, IsItsOwnRenderProcessHandlerAndHasNoOtherHandlers) {
  CefWebclientApp* app = new CefWebclientApp();
  cef_app_t* table = app->App();
  EXPECT_EQ(nullptr, table->get_browser_process_handler(table));
  EXPECT_EQ(nullptr, table->get_resource_bundle_handler(table));
  ASSERT_NE(nullptr, table->on_register_custom_schemes);
  table->on_register_custom_schemes(table, nullptr);

  cef_render_process_handler_t* handler = table->get_render_process_handler(table);
  ASSERT_EQ(app->RenderProcessHandler(), handler);
  EXPECT_EQ(sizeof(cef_render_process_handler_t), handler->base.size);
  // The returned table carries a reference of its own, counted on the app.
  EXPECT_FALSE(app->HasOneRef());
  EXPECT_EQ(0, handler->base.release(&handler->base));
  EXPECT_TRUE(app->HasOneRef());

  // Only the two overridden notifications are filled in; the rest keep the runtime's default.
  EXPECT_NE(nullptr, handler->on_context_created);
  EXPECT_NE(nullptr, handler->on_process_message_received);
  EXPECT_EQ(nullptr, handler->on_render_thread_created);
  EXPECT_EQ(nullptr, handler->on_web_kit_initialized);
  EXPECT_EQ(nullptr, handler->on_browser_created);
  EXPECT_EQ(nullptr, handler->get_load_handler);
  EXPECT_EQ(nullptr, handler->on_context_released);
  EXPECT_EQ(nullptr, handler->on_uncaught_exception);
  app->Release();
}

TEST(CefWebclientApp, RenderNotificationsHandleNothingAndGiveBackTheirArguments) {
  CefWebclientApp* app = new CefWebclientApp();
  cef_render_process_handler_t* handler = app->RenderProcessHandler();
  // Stand-ins for browser, frame, context and message: any ref-counted struct will do.
  CCountedObject* browser = new CCountedObject();
  CCountedObject* frame = new CCountedObject();
  CCountedObject* context = new CCountedObject();
  CCountedObject* message = new CCountedObject();

  handler->on_context_created(handler, reinterpret_cast<struct _cef_browser_t*>(browser->Share()),
                              reinterpret_cast<struct _cef_frame_t*>(frame->Share()),
                              reinterpret_cast<struct _cef_v8context_t*>(context->Share()));
  EXPECT_TRUE(browser->HasOneRef());
  EXPECT_TRUE(frame->HasOneRef());
  EXPECT_TRUE(context->HasOneRef());

  EXPECT_EQ(0, handler->on_process_message_received(
                   handler, reinterpret_cast<struct _cef_browser_t*>(browser->Share()), PID_BROWSER,
                   reinterpret_cast<struct _cef_process_message_t*>(message->Share())));
  EXPECT_TRUE(browser->HasOneRef());
  EXPECT_TRUE(message->HasOneRef());
  for (CCountedObject* o : {browser, frame, context, message}) o->Release();
  app->Release();
}

TEST(CefWebclientApp, DeletesItselfWhenTheLastReferenceGoes) {
  CefWebclientApp* app = new CefWebclientApp();
  EXPECT_TRUE(app->HasOneRef());
  cef_app_t* shared = app->ShareApp();  // as handed to the runtime
  EXPECT_FALSE(app->HasOneRef());
  EXPECT_EQ(0, shared->base.has_one_ref(&shared->base));
  shared->base.add_ref(&shared->base);
  EXPECT_EQ(0, shared->base.release(&shared->base));
  EXPECT_EQ(0, shared->base.release(&shared->base));
  EXPECT_EQ(1, shared->base.has_one_ref(&shared->base));
  // The last one: release reports that the object is gone.
  EXPECT_EQ(1, shared->base.release(&shared->base));
}
