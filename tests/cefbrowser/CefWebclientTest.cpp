// The client's tables called directly, as a runtime would: what each getter answers, the
// request-handler defaults, and the thread rule (calls off the runtime's UI thread raise no
// event and intercept nothing). Every argument's reference must come back.
#include <gtest/gtest.h>

#include "CefTestSupport.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"
#include "browser/CefBrowserControl.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefWebclient.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/EventxHandler.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

// A frame of a runtime: the main one or not; counts the references it gets back.
class CFakeFrame : public CCefRefCounted {
 public:
  explicit CFakeFrame(bool main) : table_(this), main_(main) {
    table_.get()->is_main = [](cef_frame_t* self) noexcept -> int {
      return static_cast<CFakeFrame*>(CCefStruct<cef_frame_t>::Owner(self))->main_ ? 1 : 0;
    };
  }
  cef_frame_t* Share() { return table_.Share(); }

 private:
  CCefStruct<cef_frame_t> table_;
  bool main_;
};

// Any other runtime object handed in (browser, request, response...).
class CFakeObject : public CCefRefCounted {
 public:
  CFakeObject() : table_(this) {}
  template <typename T>
  T* Share() {
    return reinterpret_cast<T*>(table_.Share());
  }

 private:
  CCefStruct<cef_task_t> table_;
};

class CefWebclientTables : public ::testing::Test {
 protected:
  void SetUp() override { client = new CefWebclient(nullptr); }
  void TearDown() override {
    EXPECT_TRUE(client->HasOneRef());
    client->Release();
  }
  cef_client_t* c() { return client->Client(); }
  CefWebclient* client = nullptr;
};

TEST_F(CefWebclientTables, GettersServeTheClientsOwnHandlersOrNone) {
  EXPECT_EQ(sizeof(cef_client_t), c()->base.size);
  // The handlers this client offers, each carrying a reference for the runtime.
  auto expectOwn = [&](auto* handler, size_t size) {
    ASSERT_NE(nullptr, handler);
    EXPECT_EQ(size, handler->base.size);
    EXPECT_FALSE(client->HasOneRef());
    CefRelease(handler);
    EXPECT_TRUE(client->HasOneRef());
  };
  expectOwn(c()->get_context_menu_handler(c()), sizeof(cef_context_menu_handler_t));
  expectOwn(c()->get_display_handler(c()), sizeof(cef_display_handler_t));
  expectOwn(c()->get_download_handler(c()), sizeof(cef_download_handler_t));
  expectOwn(c()->get_drag_handler(c()), sizeof(cef_drag_handler_t));
  expectOwn(c()->get_keyboard_handler(c()), sizeof(cef_keyboard_handler_t));
  expectOwn(c()->get_life_span_handler(c()), sizeof(cef_life_span_handler_t));
  expectOwn(c()->get_load_handler(c()), sizeof(cef_load_handler_t));
  expectOwn(c()->get_request_handler(c()), sizeof(cef_request_handler_t));
  EXPECT_EQ(nullptr, c()->get_dialog_handler(c()));
  EXPECT_EQ(nullptr, c()->get_find_handler(c()));
  EXPECT_EQ(nullptr, c()->get_focus_handler(c()));
  EXPECT_EQ(nullptr, c()->get_jsdialog_handler(c()));
  EXPECT_EQ(nullptr, c()->get_render_handler(c()));

  // Display, drag and keyboard keep the runtime's behaviour: no slot filled.
  cef_display_handler_t* display = c()->get_display_handler(c());
  EXPECT_EQ(nullptr, display->on_address_change);
  EXPECT_EQ(nullptr, display->on_title_change);
  EXPECT_EQ(nullptr, display->on_console_message);
  cef_drag_handler_t* drag = c()->get_drag_handler(c());
  EXPECT_EQ(nullptr, drag->on_drag_enter);
  cef_keyboard_handler_t* keys = c()->get_keyboard_handler(c());
  EXPECT_EQ(nullptr, keys->on_pre_key_event);
  EXPECT_EQ(nullptr, keys->on_key_event);
  for (cef_base_ref_counted_t* b : {&display->base, &drag->base, &keys->base}) b->release(b);

  CFakeObject* browser = new CFakeObject();
  CFakeObject* message = new CFakeObject();
  EXPECT_EQ(0, c()->on_process_message_received(c(), browser->Share<cef_browser_t>(), PID_RENDERER,
                                                 message->Share<struct _cef_process_message_t>()));
  EXPECT_TRUE(browser->HasOneRef());
  EXPECT_TRUE(message->HasOneRef());
  browser->Release();
  message->Release();
}

TEST_F(CefWebclientTables, RequestsGoTheirNormalWayAndGiveEveryArgumentBack) {
  cef_request_handler_t* r = c()->get_request_handler(c());
  CFakeObject* browser = new CFakeObject();
  CFakeFrame* frame = new CFakeFrame(true);
  CFakeObject* request = new CFakeObject();
  CFakeObject* response = new CFakeObject();
  EXPECT_EQ(0, r->on_before_browse(r, browser->Share<cef_browser_t>(), frame->Share(),
                                   request->Share<struct _cef_request_t>(), 1, 0));
  EXPECT_EQ(nullptr, r->get_resource_handler(r, browser->Share<cef_browser_t>(), frame->Share(),
                                             request->Share<struct _cef_request_t>()));
  std::wstring target = L"http://krui.test/redirected";
  cef_string_t newUrl = {&target[0], target.size(), nullptr};
  r->on_resource_redirect(r, browser->Share<cef_browser_t>(), frame->Share(), request->Share<struct _cef_request_t>(),
                          response->Share<struct _cef_response_t>(), &newUrl);
  EXPECT_EQ(&target[0], newUrl.str);
  EXPECT_EQ(target.size(), newUrl.length);
  EXPECT_EQ(0, r->on_resource_response(r, browser->Share<cef_browser_t>(), frame->Share(),
                                       request->Share<struct _cef_request_t>(),
                                       response->Share<struct _cef_response_t>()));
  r->on_resource_load_complete(r, browser->Share<cef_browser_t>(), frame->Share(),
                               request->Share<struct _cef_request_t>(), response->Share<struct _cef_response_t>(), 0,
                               100);
  // The slots left to the runtime.
  EXPECT_EQ(nullptr, r->on_before_resource_load);
  EXPECT_EQ(nullptr, r->get_auth_credentials);
  EXPECT_EQ(nullptr, r->on_certificate_error);
  EXPECT_EQ(nullptr, r->on_plugin_crashed);
  for (CCefRefCounted* o : std::initializer_list<CCefRefCounted*>{browser, frame, request, response}) {
    EXPECT_TRUE(o->HasOneRef());
    o->Release();
  }
  r->base.release(&r->base);
}

TEST_F(CefWebclientTables, OffTheRuntimesUiThreadNothingIsRaisedOrIntercepted) {
  // An element that records its events 102 and 103, as the client's owner.
  CCefBrowserControl owner;
  CEventxHandler popups, loads;
  popups.LoadAttributes({{"interest", "102"}});
  loads.LoadAttributes({{"interest", "103"}});
  CObjectx* record = nullptr;
  ASSERT_TRUE(CreateElement("Record", &record));
  std::unique_ptr<CObjectx> recordOwned(record);
  popups.AddAction(static_cast<CAction*>(record));
  loads.AddAction(static_cast<CAction*>(record));
  owner.AddHandler(&popups);
  owner.AddHandler(&loads);
  client->Release();
  client = new CefWebclient(&owner);

  // This is the main thread, not the runtime's UI thread, and work for the main thread
  // would run here at once.
  ASSERT_TRUE(CCefMainThreadCall::Prepare());
  RecordedEvents().clear();
  cef_life_span_handler_t* life = c()->get_life_span_handler(c());
  cef_load_handler_t* load = c()->get_load_handler(c());
  CFakeObject* browser = new CFakeObject();
  CFakeFrame* frame = new CFakeFrame(true);
  std::wstring url = L"http://krui.test/popup";
  cef_string_t target = {&url[0], url.size(), nullptr};
  cef_window_info_t info = {};
  cef_browser_settings_t settings = {};
  cef_popup_features_t features = {};
  int noScript = 0;
  for (int disposition : {1, 3, 6}) {
    cef_client_t* popupClient = client->ShareClient();
    EXPECT_EQ(0, life->on_before_popup(life, browser->Share<cef_browser_t>(), frame->Share(), &target, nullptr,
                                       static_cast<cef_window_open_disposition_t>(disposition), 1, &features, &info,
                                       &popupClient, &settings, &noScript));
    EXPECT_EQ(client->Client(), popupClient);  // left as the runtime proposed it
  }
  load->on_load_end(load, browser->Share<cef_browser_t>(), frame->Share(), 200);
  EXPECT_TRUE(RecordedEvents().empty());
  EXPECT_TRUE(browser->HasOneRef());
  EXPECT_TRUE(frame->HasOneRef());
  browser->Release();
  frame->Release();
  life->base.release(&life->base);
  load->base.release(&load->base);
  // Raised directly on the element, the events do reach the recorder.
  owner.RaiseEvent(&owner, 103);
  EXPECT_EQ(1u, RecordedEvents().size());
  client->DetachOwner();
}

}  // namespace
