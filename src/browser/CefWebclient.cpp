#include "browser/CefWebclient.h"

#include <new>
#include <tuple>
#include <utility>

#include "app/Application.h"
#include "browser/CefBrowserControl.h"
#include "browser/CefLibrary.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefTask.h"
#include "browser/CefStringField.h"
#include "ui/core/Encoding.h"

namespace KRUI {

std::atomic<long> CefWebclient::live_{0};

namespace {

constexpr UINT kResizeFlags = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;  // 0x1C

// The runtime's UI thread, the only one the client raises events from.
bool OnRuntimeUiThread() {
  CCefLibrary& library = CCefLibrary::Instance();
  return library.currently_on && library.currently_on(TID_UI) == 1;
}

bool InterceptedDisposition(cef_window_open_disposition_t disposition) {
  return disposition == WOD_CURRENT_TAB || (disposition >= WOD_NEW_FOREGROUND_TAB && disposition <= WOD_NEW_WINDOW);
}

// Releases the references that came with a callback's arguments when the callback ends.
template <typename... CStructs>
class CArgumentReferences {
 public:
  explicit CArgumentReferences(CStructs*... args) noexcept : args_(args...) {}
  ~CArgumentReferences() {
    std::apply([](auto*... p) { (CefRelease(p), ...); }, args_);
  }
  CArgumentReferences(const CArgumentReferences&) = delete;
  CArgumentReferences& operator=(const CArgumentReferences&) = delete;

 private:
  std::tuple<CStructs*...> args_;
};

template <typename... CStructs>
CArgumentReferences(CStructs*...) -> CArgumentReferences<CStructs...>;

}  // namespace

CefWebclient::CefWebclient(CCefBrowserControl* owner) noexcept
    : client_(this),
      contextMenuHandler_(this),
      displayHandler_(this),
      downloadHandler_(this),
      dragHandler_(this),
      keyboardHandler_(this),
      lifeSpanHandler_(this),
      loadHandler_(this),
      requestHandler_(this),
      owner_(owner) {
  live_.fetch_add(1);
  cef_client_t* c = client_.get();
  c->get_context_menu_handler = &GetContextMenuHandler;
  c->get_dialog_handler = &GetDialogHandler;
  c->get_display_handler = &GetDisplayHandler;
  c->get_download_handler = &GetDownloadHandler;
  c->get_drag_handler = &GetDragHandler;
  c->get_find_handler = &GetFindHandler;
  c->get_focus_handler = &GetFocusHandler;
  c->get_jsdialog_handler = &GetJsDialogHandler;
  c->get_keyboard_handler = &GetKeyboardHandler;
  c->get_life_span_handler = &GetLifeSpanHandler;
  c->get_load_handler = &GetLoadHandler;
  c->get_render_handler = &GetRenderHandler;
  c->get_request_handler = &GetRequestHandler;
  c->on_process_message_received = &OnProcessMessageReceived;

  contextMenuHandler_.get()->on_before_context_menu = &OnBeforeContextMenu;
  downloadHandler_.get()->on_before_download = &OnBeforeDownload;
  cef_life_span_handler_t* life = lifeSpanHandler_.get();
  life->on_before_popup = &OnBeforePopup;
  life->on_after_created = &OnAfterCreated;
  life->do_close = &DoClose;
  life->on_before_close = &OnBeforeClose;
  loadHandler_.get()->on_load_start = &OnLoadStart;
  loadHandler_.get()->on_load_end = &OnLoadEnd;
  cef_request_handler_t* request = requestHandler_.get();
  request->on_before_browse = &OnBeforeBrowse;
  request->get_resource_handler = &GetResourceHandler;
  request->on_resource_redirect = &OnResourceRedirect;
  request->on_resource_response = &OnResourceResponse;
  request->on_resource_load_complete = &OnResourceLoadComplete;
  // Display, drag and keyboard handlers exist with every slot empty: the runtime's own
  // behaviour applies (nothing observed, drags allowed, keys not intercepted).
}

CefWebclient::~CefWebclient() { live_.fetch_sub(1); }

CCefRefPtr<cef_browser_t> CefWebclient::Browser() {
  std::lock_guard<std::mutex> lock(mutex_);
  return browser_;
}

bool CefWebclient::HasBrowser() { return static_cast<bool>(Browser()); }

bool CefWebclient::WaitsForBrowser() {
  std::lock_guard<std::mutex> lock(mutex_);
  // Once a close was asked for (or the browser has gone), nothing will come to wait for.
  return !browser_ && !closing_;
}

bool CefWebclient::LoadUrl(const std::wstring& url) {
  CCefRefPtr<cef_browser_t> browser = Browser();
  if (!browser) {
    if (WaitsForBrowser()) PostLoadRetry(url);
    return false;
  }
  if (!browser->get_main_frame) return false;
  CCefRefPtr<cef_frame_t> frame = CCefRefPtr<cef_frame_t>::Adopt(browser->get_main_frame(browser.get()));
  if (!frame || !frame->load_url) return false;
  cef_string_t text = CefStringView(url.c_str(), url.size());
  frame->load_url(frame.get(), &text);
  return true;
}

void CefWebclient::PostLoadRetry(const std::wstring& url) {
  CCefRefPtr<cef_client_t> self = CCefRefPtr<cef_client_t>::Adopt(client_.Share());
  CCefTask::Post(TID_UI, [self, url] { FromSelf(self.get())->LoadUrl(url); }, kRetryDelayMs);
}

bool CefWebclient::ResizeBrowser(const RECT& rect) {
  HWND window = GetBrowserWindow();
  if (!window) {
    if (WaitsForBrowser()) PostResizeRetry(rect);
    return false;
  }
  ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, kResizeFlags);
  return true;
}

void CefWebclient::PostResizeRetry(const RECT& rect) {
  CCefRefPtr<cef_client_t> self = CCefRefPtr<cef_client_t>::Adopt(client_.Share());
  CCefTask::Post(TID_UI, [self, rect] { FromSelf(self.get())->ResizeBrowser(rect); }, kRetryDelayMs);
}

bool CefWebclient::StopLoad() {
  CCefRefPtr<cef_browser_t> browser = Browser();
  if (!browser || !browser->stop_load) return false;
  browser->stop_load(browser.get());
  return true;
}

bool CefWebclient::Reload(bool ignoreCache) {
  CCefRefPtr<cef_browser_t> browser = Browser();
  if (!browser) return false;
  auto reload = ignoreCache ? browser->reload_ignore_cache : browser->reload;
  if (!reload) return false;
  reload(browser.get());
  return true;
}

HWND CefWebclient::GetBrowserWindow() {
  CCefRefPtr<cef_browser_t> browser = Browser();
  if (!browser || !browser->get_host) return nullptr;
  CCefRefPtr<cef_browser_host_t> host = CCefRefPtr<cef_browser_host_t>::Adopt(browser->get_host(browser.get()));
  if (!host || !host->get_window_handle) return nullptr;
  return host->get_window_handle(host.get());
}

bool CefWebclient::RequestClose() {
  CCefRefPtr<cef_browser_t> browser;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool closeNow = closing_ || !browser_;
    // Either way this client is done: a host that closes without its browser stops waiting.
    closing_ = true;
    if (closeNow) return true;
    browser = browser_;
  }
  if (browser->get_host) {
    CCefRefPtr<cef_browser_host_t> host = CCefRefPtr<cef_browser_host_t>::Adopt(browser->get_host(browser.get()));
    // Not forced: the page's unload handlers run first.
    if (host && host->close_browser) host->close_browser(host.get(), 0);
  }
  return false;
}

void CefWebclient::RaiseOnMainThread(int id, const std::string* text) {
  CCefMainThreadCall::Run([this, id, text] {
    CCefBrowserControl* owner = owner_;
    if (!owner) return;
    if (text)
      owner->RaiseTextEvent(owner, id, text->c_str());
    else
      owner->RaiseEvent(owner, id);
  });
}

// ---- cef_client_t: this object serves every handler it offers ---------------------------

cef_context_menu_handler_t* CEF_CALLBACK CefWebclient::GetContextMenuHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->contextMenuHandler_.Share();
}
struct _cef_dialog_handler_t* CEF_CALLBACK CefWebclient::GetDialogHandler(cef_client_t*) noexcept { return nullptr; }
cef_display_handler_t* CEF_CALLBACK CefWebclient::GetDisplayHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->displayHandler_.Share();
}
cef_download_handler_t* CEF_CALLBACK CefWebclient::GetDownloadHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->downloadHandler_.Share();
}
cef_drag_handler_t* CEF_CALLBACK CefWebclient::GetDragHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->dragHandler_.Share();
}
struct _cef_find_handler_t* CEF_CALLBACK CefWebclient::GetFindHandler(cef_client_t*) noexcept { return nullptr; }
struct _cef_focus_handler_t* CEF_CALLBACK CefWebclient::GetFocusHandler(cef_client_t*) noexcept { return nullptr; }
struct _cef_jsdialog_handler_t* CEF_CALLBACK CefWebclient::GetJsDialogHandler(cef_client_t*) noexcept {
  return nullptr;
}
cef_keyboard_handler_t* CEF_CALLBACK CefWebclient::GetKeyboardHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->keyboardHandler_.Share();
}
cef_life_span_handler_t* CEF_CALLBACK CefWebclient::GetLifeSpanHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->lifeSpanHandler_.Share();
}
cef_load_handler_t* CEF_CALLBACK CefWebclient::GetLoadHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->loadHandler_.Share();
}
struct _cef_render_handler_t* CEF_CALLBACK CefWebclient::GetRenderHandler(cef_client_t*) noexcept { return nullptr; }
cef_request_handler_t* CEF_CALLBACK CefWebclient::GetRequestHandler(cef_client_t* self) noexcept {
  return FromSelf(self)->requestHandler_.Share();
}

int CEF_CALLBACK CefWebclient::OnProcessMessageReceived(cef_client_t*, cef_browser_t* browser, cef_process_id_t,
                                                        struct _cef_process_message_t* message) noexcept {
  CArgumentReferences refs(browser, message);
  return 0;
}

// ---- context menu and downloads ----------------------------------------------------------

void CEF_CALLBACK CefWebclient::OnBeforeContextMenu(cef_context_menu_handler_t*, cef_browser_t* browser,
                                                    cef_frame_t* frame, cef_context_menu_params_t* params,
                                                    cef_menu_model_t* model) noexcept {
  CArgumentReferences refs(browser, frame, params, model);
  // An empty model: the runtime shows no menu at all.
  if (model && model->clear) model->clear(model);
}

void CEF_CALLBACK CefWebclient::OnBeforeDownload(cef_download_handler_t*, cef_browser_t* browser,
                                                 cef_download_item_t* item, const cef_string_t* suggestedName,
                                                 cef_before_download_callback_t* callback) noexcept {
  CArgumentReferences refs(browser, item, callback);
  // The suggested name and the save dialog: the user picks the place or cancels.
  if (callback && callback->cont) callback->cont(callback, suggestedName, 1);
}

// ---- life span -----------------------------------------------------------------------------

int CEF_CALLBACK CefWebclient::OnBeforePopup(cef_life_span_handler_t* self, cef_browser_t* browser,
                                             cef_frame_t* frame, const cef_string_t* targetUrl,
                                             const cef_string_t*, cef_window_open_disposition_t disposition, int,
                                             const cef_popup_features_t*, cef_window_info_t*,
                                             cef_client_t** client, cef_browser_settings_t*, int*) noexcept {
  // *client comes with a reference for us; left unchanged, the runtime keeps its own.
  CArgumentReferences refs(browser, frame, client ? *client : nullptr);
  if (!InterceptedDisposition(disposition) || !OnRuntimeUiThread()) return 0;

  std::string url;
  bool hasText = false;
  try {
    hasText = targetUrl && WideToThreadAnsiChecked(targetUrl->str, targetUrl->length, kPopupUrlUnitLimit, url);
  } catch (...) {
    hasText = false;  // out of memory for a huge URL: the event goes without text
  }
  FromSelf(self)->RaiseOnMainThread(kCefEventPopup, hasText ? &url : nullptr);
  return 1;
}

void CEF_CALLBACK CefWebclient::OnAfterCreated(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept {
  CefWebclient* client = FromSelf(self);
  CCefRefPtr<cef_browser_t> previous;
  std::lock_guard<std::mutex> lock(client->mutex_);
  previous = std::move(client->browser_);
  client->browser_ = CCefRefPtr<cef_browser_t>::Adopt(browser);  // keeps the argument's reference
}

int CEF_CALLBACK CefWebclient::DoClose(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept {
  CArgumentReferences refs(browser);
  CefWebclient* client = FromSelf(self);
  {
    // A page that closes itself comes here without RequestClose: the WM_CLOSE that follows
    // must let the host close.
    std::lock_guard<std::mutex> lock(client->mutex_);
    client->closing_ = true;
  }
  CCefLibrary& library = CCefLibrary::Instance();
  if (library.cookie_manager_get_global_manager) {
    CCefRefPtr<cef_cookie_manager_t> cookies =
        CCefRefPtr<cef_cookie_manager_t>::Adopt(library.cookie_manager_get_global_manager(nullptr));
    if (cookies && cookies->flush_store) cookies->flush_store(cookies.get(), nullptr);
  }
  return 0;  // the runtime goes on: WM_CLOSE to the browser's top-level window
}

void CEF_CALLBACK CefWebclient::OnBeforeClose(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept {
  CefWebclient* client = FromSelf(self);
  CCefRefPtr<cef_browser_t> closing = CCefRefPtr<cef_browser_t>::Adopt(browser);
  CCefRefPtr<cef_browser_t> released;
  {
    // No reference may outlive the browser: give the slot up if it holds this browser.
    std::lock_guard<std::mutex> lock(client->mutex_);
    cef_browser_t* current = client->browser_.get();
    if (current && closing &&
        (current == closing.get() || (current->is_same && current->is_same(current, closing.Share()) == 1))) {
      released = std::move(client->browser_);
      client->closing_ = true;  // the browser has gone: nothing left to wait for
    }
  }
  Application* app = Application::Get();
  if (app && app->GetUiThreadId() != 0) ::PostThreadMessageW(app->GetUiThreadId(), WM_QUIT, 0, 0);
}

// ---- loads ---------------------------------------------------------------------------------

void CEF_CALLBACK CefWebclient::OnLoadStart(cef_load_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                            cef_transition_type_t) noexcept {
  CArgumentReferences refs(browser, frame);
}

void CEF_CALLBACK CefWebclient::OnLoadEnd(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                          int) noexcept {
  CArgumentReferences refs(browser, frame);
  if (!frame || !frame->is_main || frame->is_main(frame) != 1 || !OnRuntimeUiThread()) return;
  FromSelf(self)->RaiseOnMainThread(kCefEventLoadEnd, nullptr);
}

// ---- requests: every navigation and resource goes its normal way -----------------------------

int CEF_CALLBACK CefWebclient::OnBeforeBrowse(cef_request_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                              struct _cef_request_t* request, int, int) noexcept {
  CArgumentReferences refs(browser, frame, request);
  return 0;
}

struct _cef_resource_handler_t* CEF_CALLBACK CefWebclient::GetResourceHandler(cef_request_handler_t*,
                                                                              cef_browser_t* browser,
                                                                              cef_frame_t* frame,
                                                                              struct _cef_request_t* request) noexcept {
  CArgumentReferences refs(browser, frame, request);
  return nullptr;
}

void CEF_CALLBACK CefWebclient::OnResourceRedirect(cef_request_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                                   struct _cef_request_t* request, struct _cef_response_t* response,
                                                   cef_string_t*) noexcept {
  CArgumentReferences refs(browser, frame, request, response);
}

int CEF_CALLBACK CefWebclient::OnResourceResponse(cef_request_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                                  struct _cef_request_t* request,
                                                  struct _cef_response_t* response) noexcept {
  CArgumentReferences refs(browser, frame, request, response);
  return 0;
}

void CEF_CALLBACK CefWebclient::OnResourceLoadComplete(cef_request_handler_t*, cef_browser_t* browser,
                                                       cef_frame_t* frame, struct _cef_request_t* request,
                                                       struct _cef_response_t* response, cef_urlrequest_status_t,
                                                       int64) noexcept {
  CArgumentReferences refs(browser, frame, request, response);
}

}  // namespace KRUI
