#include "browser/CefWebclient.h"

#include <algorithm>
#include <new>
#include <utility>

#include "app/Application.h"
#include "browser/CefBrowserControl.h"
#include "browser/CefLibrary.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefStringField.h"
#include "browser/CefTask.h"
#include "browser/WindowPosFlags.h"
#include "ui/core/Encoding.h"

namespace KRUI {

std::atomic<long> CefWebclient::live_{0};

namespace {

// The runtime's UI thread, the only one the client raises events from.
bool OnRuntimeUiThread() {
  CCefLibrary& library = CCefLibrary::Instance();
  return library.currently_on && library.currently_on(TID_UI) == 1;
}

bool InterceptedDisposition(cef_window_open_disposition_t disposition) {
  return disposition == WOD_CURRENT_TAB || (disposition >= WOD_NEW_FOREGROUND_TAB && disposition <= WOD_NEW_WINDOW);
}

// Clients the shutdown waits for (a browser open or being made): the list holds a reference
// to each.
std::mutex g_shutdownMutex;
std::vector<CefWebclient*> g_shutdownList;

// The same browser under any two wrappers (the runtime wraps each crossing afresh).
bool IsSameBrowser(const CCefRefPtr<cef_browser_t>& a, const CCefRefPtr<cef_browser_t>& b) {
  return a && b && a->is_same && a->is_same(a.get(), b.Share()) == 1;
}

HWND WindowOf(const CCefRefPtr<cef_browser_t>& browser) {
  if (!browser || !browser->get_host) return nullptr;
  CCefRefPtr<cef_browser_host_t> host = CCefRefPtr<cef_browser_host_t>::Adopt(browser->get_host(browser.get()));
  if (!host || !host->get_window_handle) return nullptr;
  return host->get_window_handle(host.get());
}

void CloseBrowser(const CCefRefPtr<cef_browser_t>& browser, bool force) {
  if (!browser || !browser->get_host) return;
  CCefRefPtr<cef_browser_host_t> host = CCefRefPtr<cef_browser_host_t>::Adopt(browser->get_host(browser.get()));
  if (host && host->close_browser) host->close_browser(host.get(), force ? 1 : 0);
}

void LoadInMainFrame(const CCefRefPtr<cef_browser_t>& browser, const std::wstring& url) {
  if (!browser->get_main_frame) return;
  CCefRefPtr<cef_frame_t> frame = CCefRefPtr<cef_frame_t>::Adopt(browser->get_main_frame(browser.get()));
  if (!frame || !frame->load_url) return;
  cef_string_t text = CefStringView(url.c_str(), url.size());
  frame->load_url(frame.get(), &text);
}

void MoveWindowTo(HWND window, const RECT& rect) {
  ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, kChildSizeFlags);
}

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

CCefRefPtr<cef_browser_t> CefWebclient::BrowserOrKeep(const std::wstring* url, const RECT* rect) {
  {
    // One decision under one lock: a browser that arrives meanwhile takes the request now.
    std::lock_guard<std::mutex> lock(mutex_);
    if (browser_) return browser_;
    // Once a close was asked for (or the browser has gone), nothing will come to wait for.
    if (closing_) return {};
    if (url) {
      keptUrl_ = *url;
      hasKeptUrl_ = true;
    }
    if (rect) {
      keptRect_ = *rect;
      hasKeptRect_ = true;
    }
    if (retryPosted_) return {};
    retryPosted_ = true;
  }
  PostRetry();
  return {};
}

void CefWebclient::PostRetry() {
  // Posted outside the lock: a refused task is released on this thread, with the client
  // reference it carries.
  CCefRefPtr<cef_client_t> self = CCefRefPtr<cef_client_t>::Adopt(client_.Share());
  if (CCefTask::Post(TID_UI, [self] { FromSelf(self.get())->RetryKept(); }, kRetryDelayMs)) return;
  std::lock_guard<std::mutex> lock(mutex_);
  retryPosted_ = false;
}

void CefWebclient::RetryKept() {
  CCefRefPtr<cef_browser_t> browser;
  std::wstring url;
  RECT rect = {};
  bool hasUrl = false, hasRect = false, waiting = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting = !browser_ && !closing_;
    if (!waiting) {
      retryPosted_ = false;
      browser = browser_;
      hasUrl = std::exchange(hasKeptUrl_, false);
      hasRect = std::exchange(hasKeptRect_, false);
      url.swap(keptUrl_);
      rect = keptRect_;
    }
  }
  // Still waiting: this task's successor is the one under way.
  if (waiting) return PostRetry();
  if (!browser) return;  // nothing will come: what was kept is dropped
  if (hasUrl) LoadInMainFrame(browser, url);
  if (hasRect) {
    if (HWND window = WindowOf(browser)) MoveWindowTo(window, rect);
  }
}

bool CefWebclient::LoadUrl(const std::wstring& url) {
  CCefRefPtr<cef_browser_t> browser = BrowserOrKeep(&url, nullptr);
  if (!browser || !browser->get_main_frame) return false;
  LoadInMainFrame(browser, url);
  return true;
}

bool CefWebclient::ResizeBrowser(const RECT& rect) {
  CCefRefPtr<cef_browser_t> browser = BrowserOrKeep(nullptr, &rect);
  if (!browser) return false;
  HWND window = WindowOf(browser);
  if (!window) return false;
  MoveWindowTo(window, rect);
  return true;
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

HWND CefWebclient::GetBrowserWindow() { return WindowOf(Browser()); }

// The close protocol, in one place. Host: its WM_CLOSE asks each browser element
// (RequestClose), which keeps the host open while a browser lives. Client: asks the runtime
// to close the browser and remembers that it did. Runtime: runs the page's unload handlers,
// calls DoClose (cookies flushed) and posts WM_CLOSE to the browser's top-level window (the
// host, or the detached tool window, which hands it to the host). Host: on that second
// round RequestClose lets it close; its windows take the browser window along, and the
// runtime's OnBeforeClose ends the loop. A page that closes itself enters at the runtime's
// step; the shutdown (CloseAllForShutdown) at the client's.
bool CefWebclient::RequestClose() {
  CCefRefPtr<cef_browser_t> browser;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    // While the launcher ends, a browser still being made keeps its host (and so its
    // parent): its arrival closes it, and that close closes the host again. A host that
    // went now would leave the runtime making a browser for a window that is gone.
    if (shuttingDown_ && requested_ && !browser_) return false;
    const bool closeNow = closing_ || !browser_;
    // Either way this client is done: a host that closes without its browser stops waiting,
    // and so does the shutdown (a browser that comes all the same is listed again).
    closing_ = true;
    if (!browser_) requested_ = false;
    hasKeptUrl_ = hasKeptRect_ = false;
    keptUrl_.clear();
    if (!closeNow) browser = browser_;
  }
  if (!browser) {
    LeaveShutdownListIfDone();
    return true;
  }
  // Not forced: the page's unload handlers run first.
  CloseBrowser(browser, false);
  return false;
}

void CefWebclient::BrowserRequested(HWND parent) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requested_ = true;
    parent_ = parent;
  }
  EnterShutdownList();
}

void CefWebclient::EnterShutdownList() noexcept {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (listed_) return;
    listed_ = true;
  }
  AddRef();  // the list's
  std::lock_guard<std::mutex> lock(g_shutdownMutex);
  try {
    g_shutdownList.push_back(this);
  } catch (...) {
    // Out of memory: this client is not waited for at shutdown.
    std::lock_guard<std::mutex> own(mutex_);
    listed_ = false;
    Release();  // never the last: the caller holds one
  }
}

bool CefWebclient::OutstandingLocked() const {
  return !open_.empty() || (requested_ && ::IsWindow(parent_));
}

void CefWebclient::LeaveShutdownListIfDone() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!listed_ || OutstandingLocked()) return;
    listed_ = false;
  }
  {
    std::lock_guard<std::mutex> lock(g_shutdownMutex);
    g_shutdownList.erase(std::remove(g_shutdownList.begin(), g_shutdownList.end(), this), g_shutdownList.end());
  }
  Release();  // the list's; the caller still holds one
}

void CefWebclient::CloseAllForShutdown() {
  std::vector<CCefRefPtr<cef_client_t>> clients;
  {
    std::lock_guard<std::mutex> lock(g_shutdownMutex);
    for (CefWebclient* c : g_shutdownList) clients.push_back(CCefRefPtr<cef_client_t>::Adopt(c->client_.Share()));
  }
  for (const CCefRefPtr<cef_client_t>& c : clients) {
    CefWebclient* client = FromSelf(c.get());
    std::vector<CCefRefPtr<cef_browser_t>> open;
    {
      std::lock_guard<std::mutex> lock(client->mutex_);
      client->shuttingDown_ = true;
      client->closing_ = true;  // the host's own WM_CLOSE that follows lets it close
      client->hasKeptUrl_ = client->hasKeptRect_ = false;
      open = client->open_;
    }
    // Forced: the quit is decided, no page may hold it up with a question.
    for (const CCefRefPtr<cef_browser_t>& browser : open) CloseBrowser(browser, true);
  }
}

int CefWebclient::Outstanding() {
  std::vector<CCefRefPtr<cef_client_t>> clients;
  {
    std::lock_guard<std::mutex> lock(g_shutdownMutex);
    for (CefWebclient* c : g_shutdownList) clients.push_back(CCefRefPtr<cef_client_t>::Adopt(c->client_.Share()));
  }
  int outstanding = 0;
  for (const CCefRefPtr<cef_client_t>& c : clients) {
    CefWebclient* client = FromSelf(c.get());
    // A request whose parent window has gone cannot bring a window any more.
    client->LeaveShutdownListIfDone();
    std::lock_guard<std::mutex> lock(client->mutex_);
    if (client->listed_) ++outstanding;
  }
  return outstanding;
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
  const auto held = CefAdoptArguments(browser, message);
  return 0;
}

// ---- context menu and downloads ----------------------------------------------------------

void CEF_CALLBACK CefWebclient::OnBeforeContextMenu(cef_context_menu_handler_t*, cef_browser_t* browser,
                                                    cef_frame_t* frame, cef_context_menu_params_t* params,
                                                    cef_menu_model_t* model) noexcept {
  const auto held = CefAdoptArguments(browser, frame, params, model);
  // An empty model: the runtime shows no menu at all.
  if (model && model->clear) model->clear(model);
}

void CEF_CALLBACK CefWebclient::OnBeforeDownload(cef_download_handler_t*, cef_browser_t* browser,
                                                 cef_download_item_t* item, const cef_string_t* suggestedName,
                                                 cef_before_download_callback_t* callback) noexcept {
  const auto held = CefAdoptArguments(browser, item, callback);
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
  const auto held = CefAdoptArguments(browser, frame, client ? *client : nullptr);
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
  CCefRefPtr<cef_browser_t> created = CCefRefPtr<cef_browser_t>::Adopt(browser);
  CCefRefPtr<cef_browser_t> previous;
  bool shuttingDown = false;
  {
    std::lock_guard<std::mutex> lock(client->mutex_);
    previous = std::move(client->browser_);
    client->browser_ = created;
    client->requested_ = false;
    shuttingDown = client->shuttingDown_;
    try {
      client->open_.push_back(created);
    } catch (...) {
      // Out of memory: the shutdown cannot know this browser; the slot still does.
    }
  }
  client->EnterShutdownList();
  // Made while the launcher is ending: it goes at once.
  if (shuttingDown) CloseBrowser(created, true);
}

int CEF_CALLBACK CefWebclient::DoClose(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept {
  const auto held = CefAdoptArguments(browser);
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
    // No reference may outlive the browser: the slot and the open list give it up. Only
    // is_same tells two wrappers of one browser apart from two browsers.
    std::lock_guard<std::mutex> lock(client->mutex_);
    if (IsSameBrowser(client->browser_, closing)) {
      released = std::move(client->browser_);
      client->closing_ = true;  // the browser has gone: nothing left to wait for
    }
    auto& open = client->open_;
    open.erase(std::remove_if(open.begin(), open.end(),
                              [&](const CCefRefPtr<cef_browser_t>& b) { return IsSameBrowser(b, closing); }),
               open.end());
  }
  client->LeaveShutdownListIfDone();
  Application* app = Application::Get();
  if (app && app->GetUiThreadId() != 0) ::PostThreadMessageW(app->GetUiThreadId(), WM_QUIT, 0, 0);
}

// ---- loads ---------------------------------------------------------------------------------

void CEF_CALLBACK CefWebclient::OnLoadStart(cef_load_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                            cef_transition_type_t) noexcept {
  const auto held = CefAdoptArguments(browser, frame);
}

void CEF_CALLBACK CefWebclient::OnLoadEnd(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                          int) noexcept {
  const auto held = CefAdoptArguments(browser, frame);
  if (!frame || !frame->is_main || frame->is_main(frame) != 1 || !OnRuntimeUiThread()) return;
  FromSelf(self)->RaiseOnMainThread(kCefEventLoadEnd, nullptr);
}

// ---- requests: every navigation and resource goes its normal way -----------------------------

int CEF_CALLBACK CefWebclient::OnBeforeBrowse(cef_request_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                              struct _cef_request_t* request, int, int) noexcept {
  const auto held = CefAdoptArguments(browser, frame, request);
  return 0;
}

struct _cef_resource_handler_t* CEF_CALLBACK CefWebclient::GetResourceHandler(cef_request_handler_t*,
                                                                              cef_browser_t* browser,
                                                                              cef_frame_t* frame,
                                                                              struct _cef_request_t* request) noexcept {
  const auto held = CefAdoptArguments(browser, frame, request);
  return nullptr;
}

void CEF_CALLBACK CefWebclient::OnResourceRedirect(cef_request_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                                   struct _cef_request_t* request, struct _cef_response_t* response,
                                                   cef_string_t*) noexcept {
  const auto held = CefAdoptArguments(browser, frame, request, response);
}

int CEF_CALLBACK CefWebclient::OnResourceResponse(cef_request_handler_t*, cef_browser_t* browser, cef_frame_t* frame,
                                                  struct _cef_request_t* request,
                                                  struct _cef_response_t* response) noexcept {
  const auto held = CefAdoptArguments(browser, frame, request, response);
  return 0;
}

void CEF_CALLBACK CefWebclient::OnResourceLoadComplete(cef_request_handler_t*, cef_browser_t* browser,
                                                       cef_frame_t* frame, struct _cef_request_t* request,
                                                       struct _cef_response_t* response, cef_urlrequest_status_t,
                                                       int64) noexcept {
  const auto held = CefAdoptArguments(browser, frame, request, response);
}

}  // namespace KRUI
