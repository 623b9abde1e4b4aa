#include "StandinBrowser.h"

#include <memory>

#include "StandinCommandLine.h"
#include "StandinDownloadCallback.h"
#include "StandinDownloadItem.h"
#include "StandinLog.h"
#include "StandinMenuModel.h"
#include "StandinRuntime.h"
#include "StandinWrapper.h"

namespace CefStandin {
namespace {

const wchar_t kWindowClass[] = L"KRUIStandinBrowser";
const DWORD kPopupStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;

std::mutex g_registryMutex;
std::vector<CStandinBrowser*> g_registry;  // one reference each, until the process ends

CStandinLog& Log() { return CStandinLog::Instance(); }

using BrowserWrapper = CStandinWrapper<CStandinBrowser, cef_browser_t>;
using HostWrapper = CStandinWrapper<CStandinBrowser, cef_browser_host_t>;
using FrameWrapper = CStandinWrapper<CStandinBrowser, cef_frame_t>;

// A handler the client offers, with the reference the getter handed out.
template <typename Handler>
class CHandler {
 public:
  CHandler(cef_client_t* client, Handler* (CEF_CALLBACK* cef_client_t::*getter)(cef_client_t*)) {
    if (client && client->*getter) handler_ = (client->*getter)(client);
  }
  ~CHandler() { KRUI::CefRelease(handler_); }
  CHandler(const CHandler&) = delete;
  CHandler& operator=(const CHandler&) = delete;
  Handler* operator->() const { return handler_; }
  explicit operator bool() const { return handler_ != nullptr; }
  Handler* get() const { return handler_; }

 private:
  Handler* handler_ = nullptr;
};

// Journals how many references the program kept of the browser handed to one callback. The
// stand-in holds one more of that crossing's wrapper meanwhile, so the count read afterwards
// is never of a freed object; other threads of the program taking and dropping references to
// the same browser at the same time cross through wrappers of their own and do not count.
class CReferenceBalance {
 public:
  CReferenceBalance(cef_browser_t* argument, const char* callback) : argument_(argument), callback_(callback) {
    argument_->base.add_ref(&argument_->base);
  }
  ~CReferenceBalance() {
    Log().Write(callback_, "browser_refs_kept", BrowserWrapper::From(argument_)->References() - 1);
    argument_->base.release(&argument_->base);
  }
  CReferenceBalance(const CReferenceBalance&) = delete;
  CReferenceBalance& operator=(const CReferenceBalance&) = delete;
  // The argument to hand over: the receiver's reference.
  cef_browser_t* get() const { return argument_; }

 private:
  cef_browser_t* argument_;
  const char* callback_;
};

cef_string_t View(const std::wstring& s) {
  cef_string_t v = {};
  v.str = const_cast<char16*>(s.c_str());
  v.length = s.size();
  return v;
}

}  // namespace

CStandinBrowser* CStandinBrowser::Add(const cef_window_info_t& info, cef_client_t* client, const std::wstring& url,
                                      bool popup) {
  CStandinBrowser* browser = new CStandinBrowser(info, client, url, popup);
  std::lock_guard<std::mutex> lock(g_registryMutex);
  g_registry.push_back(browser);
  return browser;
}

int CStandinBrowser::Count() {
  std::lock_guard<std::mutex> lock(g_registryMutex);
  return static_cast<int>(g_registry.size());
}

CStandinBrowser* CStandinBrowser::At(int index) {
  std::lock_guard<std::mutex> lock(g_registryMutex);
  return index >= 0 && index < static_cast<int>(g_registry.size()) ? g_registry[index] : nullptr;
}

long CStandinBrowser::ProgramReferences() {
  std::lock_guard<std::mutex> lock(g_registryMutex);
  long total = 0;
  for (CStandinBrowser* b : g_registry) total += b->ProgramRefs();
  return total;
}

int CStandinBrowser::OpenCount() {
  std::lock_guard<std::mutex> lock(g_registryMutex);
  int open = 0;
  for (CStandinBrowser* b : g_registry) open += b->state_ == State::kOpen || b->state_ == State::kClosing;
  return open;
}

int CStandinBrowser::PendingCount() {
  std::lock_guard<std::mutex> lock(g_registryMutex);
  int pending = 0;
  for (CStandinBrowser* b : g_registry) pending += b->state_ == State::kPending && b->client_;
  return pending;
}

int CStandinBrowser::DestroyOpen() {
  std::vector<CStandinBrowser*> open;
  {
    std::lock_guard<std::mutex> lock(g_registryMutex);
    for (CStandinBrowser* b : g_registry)
      if (b->window_ && (b->state_ == State::kOpen || b->state_ == State::kClosing)) open.push_back(b);
  }
  // As the runtime does: each window goes (a child's parent is told, on its own thread).
  for (CStandinBrowser* b : open) ::DestroyWindow(b->window_);
  return static_cast<int>(open.size());
}

void CStandinBrowser::DropAll() {
  std::lock_guard<std::mutex> lock(g_registryMutex);
  for (CStandinBrowser* b : g_registry) {
    KRUI::CefRelease(b->client_);
    b->client_ = nullptr;
  }
}

long CStandinBrowser::ProgramRefs() const {
  std::lock_guard<std::mutex> lock(countMutex_);
  return References() - 1 - (aliveRef_ ? 1 : 0) - workRefs_;
}

void CStandinBrowser::HoldForWork() {
  std::lock_guard<std::mutex> lock(countMutex_);
  AddRef();
  ++workRefs_;
}

void CStandinBrowser::EndWork() {
  std::lock_guard<std::mutex> lock(countMutex_);
  --workRefs_;
  Release();  // never the last: the registry keeps one
}

CStandinBrowser::CStandinBrowser(const cef_window_info_t& info, cef_client_t* client, const std::wstring& url,
                                 bool popup)
    : id_(Count() + 1), popup_(popup), info_(info), client_(client), url_(url) {
  info_.window_name = cef_string_t{};
  AddRef();  // the reference of a browser that is not closed yet
}

const cef_browser_t& CStandinBrowser::BrowserSlots() {
  static const cef_browser_t slots = [] {
    cef_browser_t b = {};
    b.get_host = &GetHost;
    b.can_go_back = &CanGo;
    b.can_go_forward = &CanGo;
    b.is_loading = &IsLoading;
    b.reload = &Reload;
    b.reload_ignore_cache = &ReloadIgnoreCache;
    b.stop_load = &StopLoad;
    b.get_identifier = &GetIdentifier;
    b.is_same = &IsSame;
    b.is_popup = &IsPopup;
    b.has_document = &HasDocument;
    b.get_main_frame = &GetMainFrame;
    b.get_focused_frame = &GetMainFrame;
    b.get_frame_count = &GetFrameCount;
    return b;
  }();
  return slots;
}

const cef_browser_host_t& CStandinBrowser::HostSlots() {
  static const cef_browser_host_t slots = [] {
    cef_browser_host_t h = {};
    h.get_browser = &HostGetBrowser;
    h.close_browser = &CloseBrowser;
    h.get_window_handle = &GetWindowHandle;
    h.get_client = &GetClient;
    h.has_view = &HasView;
    return h;
  }();
  return slots;
}

const cef_frame_t& CStandinBrowser::FrameSlots() {
  static const cef_frame_t slots = [] {
    cef_frame_t f = {};
    f.is_valid = &FrameIsValid;
    f.load_url = &FrameLoadUrl;
    f.is_main = &FrameIsMain;
    f.get_identifier = &FrameGetIdentifier;
    f.get_parent = &FrameGetParent;
    f.get_url = &FrameGetUrl;
    f.get_browser = &FrameGetBrowser;
    return f;
  }();
  return slots;
}

cef_browser_t* CStandinBrowser::ShareBrowser() { return BrowserWrapper::Make(BrowserSlots(), this, 0); }
cef_browser_host_t* CStandinBrowser::ShareHost() { return HostWrapper::Make(HostSlots(), this, 0); }
cef_frame_t* CStandinBrowser::ShareFrame(bool main) { return FrameWrapper::Make(FrameSlots(), this, main ? 1 : 0); }

CStandinBrowser* CStandinBrowser::FromSelf(const cef_browser_t* self) noexcept {
  return BrowserWrapper::From(self)->Get();
}
CStandinBrowser* CStandinBrowser::FromSelf(const cef_browser_host_t* self) noexcept {
  return HostWrapper::From(self)->Get();
}
CStandinBrowser* CStandinBrowser::FromSelf(const cef_frame_t* self) noexcept { return FrameWrapper::From(self)->Get(); }
bool CStandinBrowser::IsMainFrame(const cef_frame_t* self) noexcept { return FrameWrapper::From(self)->Tag() == 1; }

bool CStandinBrowser::RunOnUiThread(std::function<void(CStandinBrowser*)> work, long long delayMs) {
  HoldForWork();
  const bool posted = CStandinRuntime::Instance().RunOnUiThread(
      [this, work] {
        work(this);
        EndWork();
      },
      delayMs);
  // Refused: the work (and with it the hold) is gone already.
  if (!posted) EndWork();
  return posted;
}

CStandinBrowser::~CStandinBrowser() = default;

std::wstring CStandinBrowser::Url() {
  std::lock_guard<std::mutex> lock(urlMutex_);
  return url_;
}

void CStandinBrowser::RegisterWindowClass() {
  WNDCLASSEXW wc = {};
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, kWindowClass, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kWindowClass;
  ::RegisterClassExW(&wc);
}

void CStandinBrowser::CreateOnUiThread() {
  CStandinLog& log = Log();
  RegisterWindowClass();
  HWND parent = info_.parent_window;
  DWORD parentThread = parent ? ::GetWindowThreadProcessId(parent, nullptr) : 0;
  // A child lives in its parent; anything else is a top-level window the parent owns.
  window_ = ::CreateWindowExW(info_.ex_style, kWindowClass, popup_ ? L"Pop-up" : L"", info_.style, info_.x, info_.y,
                              info_.width, info_.height, parent, info_.menu, ::GetModuleHandleW(nullptr), this);
  log.Write("browser", "window_created", window_ ? 1 : 0);
  if (!window_) {
    // The parent went before the browser could be made: the runtime drops the request.
    state_ = State::kClosed;
    KRUI::CefRelease(client_);
    client_ = nullptr;
    aliveRef_ = false;
    Release();
    return;
  }
  log.Write("browser", "cross_thread_parent", parent && parentThread != ::GetCurrentThreadId() ? 1 : 0);
  state_ = State::kOpen;

  CHandler<cef_life_span_handler_t> lifeSpan(client_, &cef_client_t::get_life_span_handler);
  if (lifeSpan && lifeSpan->on_after_created) {
    log.Write("life_span", "on_after_created", id_);
    lifeSpan->on_after_created(lifeSpan.get(), ShareBrowser());
  }
  Load(Url(), true);
}

void CStandinBrowser::Load(const std::wstring& url, bool mainFrame) {
  if (state_ != State::kOpen) return;
  if (mainFrame) {
    {
      std::lock_guard<std::mutex> lock(urlMutex_);
      url_ = url;
    }
    if (window_) ::InvalidateRect(window_, nullptr, TRUE);
  }
  CHandler<cef_load_handler_t> load(client_, &cef_client_t::get_load_handler);
  if (!load) return;
  if (load->on_load_start) {
    CReferenceBalance balance(ShareBrowser(), "load_handler");
    load->on_load_start(load.get(), balance.get(), ShareFrame(mainFrame), 0);
  }
  if (load->on_load_end) {
    CReferenceBalance balance(ShareBrowser(), "load_handler");
    Log().Write("load_handler", mainFrame ? "on_load_end_main" : "on_load_end_sub", url);
    load->on_load_end(load.get(), balance.get(), ShareFrame(mainFrame), 200);
  }
}

void CStandinBrowser::Close(bool force, const char* cause) {
  CStandinLog& log = Log();
  log.Write("browser", "close", std::wstring(cause, cause + strlen(cause)));
  if (state_ != State::kOpen) {
    log.Write("browser", "close_ignored", id_);
    return;
  }
  state_ = State::kClosing;
  // A forced close only skips the page's beforeunload question, which no page here asks.
  if (force) log.Write("browser", "forced", id_);
  int handled = 0;
  CHandler<cef_life_span_handler_t> lifeSpan(client_, &cef_client_t::get_life_span_handler);
  if (lifeSpan && lifeSpan->do_close) {
    CReferenceBalance balance(ShareBrowser(), "life_span");
    handled = lifeSpan->do_close(lifeSpan.get(), balance.get());
  }
  log.Write("life_span", "do_close", handled);
  if (handled) return;  // the client closes the window itself
  // The standard close: WM_CLOSE posted to the browser's top-level window.
  HWND root = ::GetAncestor(window_, GA_ROOT);
  log.Write("browser", "wm_close_to_root", root == window_ ? L"self" : L"parent");
  if (root == window_)
    ::DestroyWindow(window_);
  else
    ::PostMessageW(root, WM_CLOSE, 0, 0);
}

void CStandinBrowser::OnWindowDestroyed() {
  window_ = nullptr;
  State previous = state_.exchange(State::kClosed);
  if (previous == State::kClosed) return;
  CHandler<cef_life_span_handler_t> lifeSpan(client_, &cef_client_t::get_life_span_handler);
  if (lifeSpan && lifeSpan->on_before_close) {
    Log().Write("life_span", "on_before_close", id_);
    lifeSpan->on_before_close(lifeSpan.get(), ShareBrowser());
  }
  KRUI::CefRelease(client_);
  client_ = nullptr;
  {
    std::lock_guard<std::mutex> lock(countMutex_);
    aliveRef_ = false;
    Release();
  }
  Log().Write("browser", "program_refs_after_close", ProgramRefs());
}

void CStandinBrowser::Popup(const std::wstring& url, size_t length, bool withText, int disposition) {
  CStandinLog& log = Log();
  if (state_ != State::kOpen) return;
  CHandler<cef_life_span_handler_t> lifeSpan(client_, &cef_client_t::get_life_span_handler);
  if (!lifeSpan || !lifeSpan->on_before_popup) return;

  cef_window_info_t info = {};
  info.style = kPopupStyle;
  info.x = info.y = info.width = info.height = CW_USEDEFAULT;
  info.parent_window = ::GetAncestor(window_, GA_ROOT);
  cef_browser_settings_t settings = {};
  settings.size = sizeof(settings);
  cef_popup_features_t features = {};
  cef_string_t target = {};
  target.str = withText ? const_cast<char16*>(url.c_str()) : nullptr;
  target.length = length;
  std::wstring name;
  cef_string_t frameName = View(name);
  int noJavascriptAccess = 0;
  // The opener's client, with a reference for the handler.
  client_->base.add_ref(&client_->base);
  cef_client_t* client = client_;
  int cancel = 0;
  {
    CReferenceBalance balance(ShareBrowser(), "popup");
    cancel = lifeSpan->on_before_popup(lifeSpan.get(), balance.get(), ShareFrame(true), &target, &frameName,
                                       static_cast<cef_window_open_disposition_t>(disposition), 1, &features, &info,
                                       &client, &settings, &noJavascriptAccess);
  }
  log.Write("popup", "cancel", cancel);
  // A changed client brings its own reference; an unchanged one is the opener's, shared again.
  if (client == client_ && client) client->base.add_ref(&client->base);
  if (cancel || !client) {
    KRUI::CefRelease(client);
  } else {
    CStandinBrowser* popup = Add(info, client, withText ? url : std::wstring(), true);
    log.Write("popup", "opened", popup->Id());
    popup->CreateOnUiThread();
  }
  // Strings the handler may have put into the proposal are the runtime's to free.
  if (info.window_name.dtor) info.window_name.dtor(info.window_name.str);
}

void CStandinBrowser::ContextMenu() {
  if (state_ != State::kOpen) return;
  CHandler<cef_context_menu_handler_t> menu(client_, &cef_client_t::get_context_menu_handler);
  CStandinMenuModel* model = new CStandinMenuModel();
  if (menu && menu->on_before_context_menu) {
    CReferenceBalance balance(ShareBrowser(), "context_menu");
    menu->on_before_context_menu(menu.get(), balance.get(), ShareFrame(true), nullptr, model->Share());
  }
  CStandinLog& log = Log();
  log.Write("context_menu", "items_shown", model->Count());
  log.Write("context_menu", "model_given_back", model->HasOneRef() ? 1 : 0);
  model->Release();
}

void CStandinBrowser::Download(const std::wstring& suggestedName) {
  if (state_ != State::kOpen) return;
  CHandler<cef_download_handler_t> download(client_, &cef_client_t::get_download_handler);
  // Without a handler the runtime cancels every download.
  if (!download || !download->on_before_download) {
    Log().Write("download", "cancelled", 1);
    return;
  }
  CStandinDownloadItem* item = new CStandinDownloadItem(Url() + L"/" + suggestedName, suggestedName);
  CStandinDownloadCallback* callback = new CStandinDownloadCallback();
  cef_string_t name = View(suggestedName);
  {
    CReferenceBalance balance(ShareBrowser(), "download");
    download->on_before_download(download.get(), balance.get(), item->Share(), &name, callback->Share());
  }
  Log().Write("download", "item_given_back", item->HasOneRef() ? 1 : 0);
  Log().Write("download", "callback_given_back", callback->HasOneRef() ? 1 : 0);
  item->Release();
  callback->Release();
}

LRESULT CALLBACK CStandinBrowser::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<CStandinBrowser*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    switch (message) {
      case WM_PAINT: {
        // What a person sees in place of the page: its address.
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        ::FillRect(dc, &rc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        std::wstring text = self->Url();
        ::SetBkMode(dc, TRANSPARENT);
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        ::EndPaint(hwnd, &ps);
        return 0;
      }
      case WM_CLOSE:
        // A top-level (pop-up) browser window closed by its user: the standard close.
        if (self->state_ == State::kOpen) {
          self->Close(false, "window");
          return 0;
        }
        break;
      case WM_DESTROY:
        self->OnWindowDestroyed();
        return 0;
      case WM_NCDESTROY:
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// ---- browser ------------------------------------------------------------------------------

cef_browser_host_t* CEF_CALLBACK CStandinBrowser::GetHost(cef_browser_t* self) noexcept {
  Log().Write("browser", "get_host", FromSelf(self)->id_);
  return FromSelf(self)->ShareHost();
}
int CEF_CALLBACK CStandinBrowser::CanGo(cef_browser_t* self) noexcept {
  Log().Write("browser", "can_go", FromSelf(self)->id_);
  return 0;
}
int CEF_CALLBACK CStandinBrowser::IsLoading(cef_browser_t* self) noexcept {
  Log().Write("browser", "is_loading", FromSelf(self)->id_);
  return 0;
}

void CEF_CALLBACK CStandinBrowser::Reload(cef_browser_t* self) noexcept {
  CStandinBrowser* b = FromSelf(self);
  Log().Write("browser", "reload", b->id_);
  b->RunOnUiThread([](CStandinBrowser* browser) { browser->Load(browser->Url(), true); });
}

void CEF_CALLBACK CStandinBrowser::ReloadIgnoreCache(cef_browser_t* self) noexcept {
  CStandinBrowser* b = FromSelf(self);
  Log().Write("browser", "reload_ignore_cache", b->id_);
  b->RunOnUiThread([](CStandinBrowser* browser) { browser->Load(browser->Url(), true); });
}

void CEF_CALLBACK CStandinBrowser::StopLoad(cef_browser_t* self) noexcept {
  Log().Write("browser", "stop_load", FromSelf(self)->id_);
}

int CEF_CALLBACK CStandinBrowser::GetIdentifier(cef_browser_t* self) noexcept {
  Log().Write("browser", "get_identifier", FromSelf(self)->id_);
  return FromSelf(self)->id_;
}

int CEF_CALLBACK CStandinBrowser::IsSame(cef_browser_t* self, cef_browser_t* that) noexcept {
  Log().Write("browser", "is_same", FromSelf(self)->id_);
  int same = that && FromSelf(that) == FromSelf(self) ? 1 : 0;
  KRUI::CefRelease(that);
  return same;
}

int CEF_CALLBACK CStandinBrowser::IsPopup(cef_browser_t* self) noexcept {
  Log().Write("browser", "is_popup", FromSelf(self)->id_);
  return FromSelf(self)->popup_ ? 1 : 0;
}
int CEF_CALLBACK CStandinBrowser::HasDocument(cef_browser_t* self) noexcept {
  Log().Write("browser", "has_document", FromSelf(self)->id_);
  return 1;
}
cef_frame_t* CEF_CALLBACK CStandinBrowser::GetMainFrame(cef_browser_t* self) noexcept {
  Log().Write("browser", "get_main_frame", FromSelf(self)->id_);
  return FromSelf(self)->ShareFrame(true);
}
size_t CEF_CALLBACK CStandinBrowser::GetFrameCount(cef_browser_t* self) noexcept {
  Log().Write("browser", "get_frame_count", FromSelf(self)->id_);
  return 2;
}

// ---- host ---------------------------------------------------------------------------------

cef_browser_t* CEF_CALLBACK CStandinBrowser::HostGetBrowser(cef_browser_host_t* self) noexcept {
  Log().Write("host", "get_browser", FromSelf(self)->id_);
  return FromSelf(self)->ShareBrowser();
}

void CEF_CALLBACK CStandinBrowser::CloseBrowser(cef_browser_host_t* self, int force) noexcept {
  Log().Write("host", "close_browser", force);
  // Any thread may ask; the close runs on the UI thread, after the caller has returned.
  FromSelf(self)->RunOnUiThread([force](CStandinBrowser* b) { b->Close(force != 0, "close_browser"); });
}

HWND CEF_CALLBACK CStandinBrowser::GetWindowHandle(cef_browser_host_t* self) noexcept {
  Log().Write("host", "get_window_handle", FromSelf(self)->id_);
  return FromSelf(self)->window_;
}

cef_client_t* CEF_CALLBACK CStandinBrowser::GetClient(cef_browser_host_t* self) noexcept {
  Log().Write("host", "get_client", FromSelf(self)->id_);
  cef_client_t* client = FromSelf(self)->client_;
  if (client) client->base.add_ref(&client->base);
  return client;
}

int CEF_CALLBACK CStandinBrowser::HasView(cef_browser_host_t* self) noexcept {
  Log().Write("host", "has_view", FromSelf(self)->id_);
  return 0;
}

// ---- frames -------------------------------------------------------------------------------

int CEF_CALLBACK CStandinBrowser::FrameIsValid(cef_frame_t* self) noexcept {
  Log().Write("frame", "is_valid", FromSelf(self)->id_);
  return 1;
}

void CEF_CALLBACK CStandinBrowser::FrameLoadUrl(cef_frame_t* self, const cef_string_t* url) noexcept {
  try {
    const bool main = IsMainFrame(self);
    std::wstring text = FromCefString(url);
    Log().Write("frame", main ? "load_url_main" : "load_url_sub", text);
    FromSelf(self)->RunOnUiThread([text, main](CStandinBrowser* b) { b->Load(text, main); });
  } catch (...) {
  }
}

int CEF_CALLBACK CStandinBrowser::FrameIsMain(cef_frame_t* self) noexcept {
  Log().Write("frame", "is_main", FromSelf(self)->id_);
  return IsMainFrame(self) ? 1 : 0;
}

int64 CEF_CALLBACK CStandinBrowser::FrameGetIdentifier(cef_frame_t* self) noexcept {
  CStandinBrowser* b = FromSelf(self);
  Log().Write("frame", "get_identifier", b->id_);
  return b->id_ * 100 + (IsMainFrame(self) ? 0 : 1);
}

cef_frame_t* CEF_CALLBACK CStandinBrowser::FrameGetParent(cef_frame_t* self) noexcept {
  Log().Write("frame", "get_parent", FromSelf(self)->id_);
  return IsMainFrame(self) ? nullptr : FromSelf(self)->ShareFrame(true);
}

cef_string_userfree_t CEF_CALLBACK CStandinBrowser::FrameGetUrl(cef_frame_t* self) noexcept {
  Log().Write("frame", "get_url", FromSelf(self)->id_);
  try {
    return NewUserfreeString(FromSelf(self)->Url());
  } catch (...) {
    return nullptr;
  }
}

cef_browser_t* CEF_CALLBACK CStandinBrowser::FrameGetBrowser(cef_frame_t* self) noexcept {
  Log().Write("frame", "get_browser", FromSelf(self)->id_);
  return FromSelf(self)->ShareBrowser();
}

}  // namespace CefStandin
