// The client of one Chromium browser element: the handler tables the runtime asks for, all
// served by this one reference-counted object, and the operations the element reaches its
// browser through. Callbacks arrive on the runtime's UI thread; the events they raise are
// dispatched on the main thread while the callback waits. The browser slot is shared by
// both threads and guarded by a lock; whoever uses the browser holds a reference of its own.
#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefRefPtr.h"
#include "browser/CefStruct.h"

namespace KRUI {

class CCefBrowserControl;

// Events the client raises on its element.
constexpr int kCefEventPopup = 102;
constexpr int kCefEventLoadEnd = 103;
// A pop-up URL of this many UTF-16 units or more is not converted (no event text).
constexpr size_t kPopupUrlUnitLimit = 0x3FFFFFFF;
// Pause between two attempts of a navigation or resize waiting for the browser.
constexpr int64 kRetryDelayMs = 50;

class CefWebclient : public CCefRefCounted {
 public:
  // Starts with one reference, the creator's. owner is not owned (see DetachOwner).
  explicit CefWebclient(CCefBrowserControl* owner) noexcept;

  // The client table for a runtime call, carrying a new reference the runtime takes over.
  cef_client_t* ShareClient() noexcept { return client_.Share(); }
  cef_client_t* Client() noexcept { return client_.get(); }

  // Loads url in the browser's main frame (true). Without a browser yet, url becomes the
  // address to load once it comes (the latest request wins; one retry task at a time looks
  // every kRetryDelayMs on the runtime's UI thread) and the result is false; nothing is kept
  // once a close was asked for or the browser has closed.
  bool LoadUrl(const std::wstring& url);
  // Moves and sizes the browser window to rect (true), or keeps rect like LoadUrl (false).
  bool ResizeBrowser(const RECT& rect);
  bool StopLoad();
  bool Reload(bool ignoreCache);
  // The browser's window, none without a browser.
  HWND GetBrowserWindow();
  bool HasBrowser();
  // True when the host may close now (a close already asked for, or no browser); otherwise
  // asks the runtime to close the browser (page unload handlers run) and returns false.
  // Either way nothing waits for the browser any more. During the launcher's shutdown a
  // browser still being made keeps the host: false.
  bool RequestClose();
  // The element goes: no event is raised on it any more. Main thread only.
  void DetachOwner() noexcept { owner_ = nullptr; }

  // The runtime accepted the request for a browser made in parent: until that browser has
  // come and gone, this client is one the shutdown waits for.
  void BrowserRequested(HWND parent);
  // Shutdown, main thread, once the loop is over: every browser still open is asked to
  // close at once (no page is asked first), and one still being made is closed as soon as
  // it comes.
  static void CloseAllForShutdown();
  // Clients with a browser still open, or still being made under a window that exists.
  static int Outstanding();

  // Clients alive in the process (a leaked or over-released reference shows here).
  static long LiveCount() noexcept { return live_.load(); }

 private:
  ~CefWebclient() override;

  CCefRefPtr<cef_browser_t> Browser();
  // The browser; without one, keeps url and/or rect as the latest request (unless nothing
  // waits for a browser any more) and makes sure one retry task is under way.
  CCefRefPtr<cef_browser_t> BrowserOrKeep(const std::wstring* url, const RECT* rect);
  void PostRetry();
  // The retry task's work (runtime's UI thread): serves what was kept once the browser is
  // there, drops it once nothing will come, looks again later otherwise.
  void RetryKept();
  // Raises a layout event on the owner, on the main thread, and waits for its end.
  void RaiseOnMainThread(int id, const std::string* text);
  // Joins the shutdown's list (once), which holds a reference until the client leaves it.
  void EnterShutdownList() noexcept;
  // Leaves the shutdown's list when nothing of this client is open or being made.
  void LeaveShutdownListIfDone();
  bool OutstandingLocked() const;

  // The client behind any of its tables.
  template <typename CStruct>
  static CefWebclient* FromSelf(CStruct* self) noexcept {
    return static_cast<CefWebclient*>(CCefStruct<CStruct>::Owner(self));
  }

  // cef_client_t
  static cef_context_menu_handler_t* CEF_CALLBACK GetContextMenuHandler(cef_client_t* self) noexcept;
  static struct _cef_dialog_handler_t* CEF_CALLBACK GetDialogHandler(cef_client_t* self) noexcept;
  static cef_display_handler_t* CEF_CALLBACK GetDisplayHandler(cef_client_t* self) noexcept;
  static cef_download_handler_t* CEF_CALLBACK GetDownloadHandler(cef_client_t* self) noexcept;
  static cef_drag_handler_t* CEF_CALLBACK GetDragHandler(cef_client_t* self) noexcept;
  static struct _cef_find_handler_t* CEF_CALLBACK GetFindHandler(cef_client_t* self) noexcept;
  static struct _cef_focus_handler_t* CEF_CALLBACK GetFocusHandler(cef_client_t* self) noexcept;
  static struct _cef_jsdialog_handler_t* CEF_CALLBACK GetJsDialogHandler(cef_client_t* self) noexcept;
  static cef_keyboard_handler_t* CEF_CALLBACK GetKeyboardHandler(cef_client_t* self) noexcept;
  static cef_life_span_handler_t* CEF_CALLBACK GetLifeSpanHandler(cef_client_t* self) noexcept;
  static cef_load_handler_t* CEF_CALLBACK GetLoadHandler(cef_client_t* self) noexcept;
  static struct _cef_render_handler_t* CEF_CALLBACK GetRenderHandler(cef_client_t* self) noexcept;
  static cef_request_handler_t* CEF_CALLBACK GetRequestHandler(cef_client_t* self) noexcept;
  static int CEF_CALLBACK OnProcessMessageReceived(cef_client_t* self, cef_browser_t* browser,
                                                   cef_process_id_t source,
                                                   struct _cef_process_message_t* message) noexcept;

  // cef_context_menu_handler_t
  static void CEF_CALLBACK OnBeforeContextMenu(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                               cef_frame_t* frame, cef_context_menu_params_t* params,
                                               cef_menu_model_t* model) noexcept;
  // cef_download_handler_t
  static void CEF_CALLBACK OnBeforeDownload(cef_download_handler_t* self, cef_browser_t* browser,
                                            cef_download_item_t* item, const cef_string_t* suggestedName,
                                            cef_before_download_callback_t* callback) noexcept;
  // cef_life_span_handler_t
  static int CEF_CALLBACK OnBeforePopup(cef_life_span_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                        const cef_string_t* targetUrl, const cef_string_t* targetFrameName,
                                        cef_window_open_disposition_t disposition, int userGesture,
                                        const cef_popup_features_t* features, cef_window_info_t* windowInfo,
                                        cef_client_t** client, cef_browser_settings_t* settings,
                                        int* noJavascriptAccess) noexcept;
  static void CEF_CALLBACK OnAfterCreated(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept;
  static int CEF_CALLBACK DoClose(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept;
  static void CEF_CALLBACK OnBeforeClose(cef_life_span_handler_t* self, cef_browser_t* browser) noexcept;
  // cef_load_handler_t
  static void CEF_CALLBACK OnLoadStart(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                       cef_transition_type_t transition) noexcept;
  static void CEF_CALLBACK OnLoadEnd(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                     int httpStatusCode) noexcept;
  // cef_request_handler_t
  static int CEF_CALLBACK OnBeforeBrowse(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                         struct _cef_request_t* request, int userGesture, int isRedirect) noexcept;
  static struct _cef_resource_handler_t* CEF_CALLBACK GetResourceHandler(cef_request_handler_t* self,
                                                                         cef_browser_t* browser, cef_frame_t* frame,
                                                                         struct _cef_request_t* request) noexcept;
  static void CEF_CALLBACK OnResourceRedirect(cef_request_handler_t* self, cef_browser_t* browser,
                                              cef_frame_t* frame, struct _cef_request_t* request,
                                              struct _cef_response_t* response, cef_string_t* newUrl) noexcept;
  static int CEF_CALLBACK OnResourceResponse(cef_request_handler_t* self, cef_browser_t* browser,
                                             cef_frame_t* frame, struct _cef_request_t* request,
                                             struct _cef_response_t* response) noexcept;
  static void CEF_CALLBACK OnResourceLoadComplete(cef_request_handler_t* self, cef_browser_t* browser,
                                                  cef_frame_t* frame, struct _cef_request_t* request,
                                                  struct _cef_response_t* response, cef_urlrequest_status_t status,
                                                  int64 receivedContentLength) noexcept;

  // The tables, in the order the client derives them; every one counts this object.
  CCefStruct<cef_client_t> client_;
  CCefStruct<cef_context_menu_handler_t> contextMenuHandler_;
  CCefStruct<cef_display_handler_t> displayHandler_;
  CCefStruct<cef_download_handler_t> downloadHandler_;
  CCefStruct<cef_drag_handler_t> dragHandler_;
  CCefStruct<cef_keyboard_handler_t> keyboardHandler_;
  CCefStruct<cef_life_span_handler_t> lifeSpanHandler_;
  CCefStruct<cef_load_handler_t> loadHandler_;
  CCefStruct<cef_request_handler_t> requestHandler_;

  std::mutex mutex_;                   // guards everything below up to owner_
  CCefRefPtr<cef_browser_t> browser_;  // the latest created browser, until it closes
  bool closing_ = false;
  // What waits for the browser: the latest address and rectangle asked for, and whether the
  // one retry task is under way.
  std::wstring keptUrl_;
  bool hasKeptUrl_ = false;
  RECT keptRect_ = {};
  bool hasKeptRect_ = false;
  bool retryPosted_ = false;
  // Every browser of this client still open (a pop-up the runtime opened becomes the
  // current one, its opener stays open), the request under way and its parent window, and
  // whether the shutdown has closed them.
  std::vector<CCefRefPtr<cef_browser_t>> open_;
  bool requested_ = false;
  HWND parent_ = nullptr;
  bool shuttingDown_ = false;
  bool listed_ = false;  // on the shutdown's list, which holds a reference
  CCefBrowserControl* owner_;  // main thread only

  static std::atomic<long> live_;
};

}  // namespace KRUI
