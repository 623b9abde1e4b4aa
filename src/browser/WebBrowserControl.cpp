#include "browser/WebBrowserControl.h"

#include <new>

#include "app/Application.h"
#include "browser/AxHostWindowClass.h"
#include "browser/DetachedPlacement.h"
#include "browser/OleClientSiteImpl.h"
#include "browser/WebBrowserEvents.h"
#include "browser/WindowPosFlags.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("WebBrowser", CWebBrowserControl);
const ElementDeclaration CWebBrowserControl::kDeclaration = {
    kKindControl, "the system web browser (ActiveX)", {&CControl::kAttributes},
    {
        {"page", AttributeSyntax::kText, "", 0, nullptr, "the first address", Into<&CWebBrowserControl::page_>()},
        {"child", AttributeSyntax::kFlag, "true", 0, nullptr,
         "a child window of the host; otherwise a tool window kept over the host", Into<&CWebBrowserControl::child_>()},
        {"transacc", AttributeSyntax::kFlag, "false", 0, nullptr, "passes accelerator keys to the page",
         Into<&CWebBrowserControl::transacc_>()},
        {"transrb", AttributeSyntax::kText, "", 0, nullptr,
         "\"left\": right clicks and double-clicks act as left ones; any other text swallows them; empty passes them",
         Into<&CWebBrowserControl::transrb_>()},
        {"debug", AttributeSyntax::kFlag, "false", 0, nullptr, "shows script errors and the page's context menu",
         Into<&CWebBrowserControl::debug_>()},
    },
    {{kBrowserEventBeforeNavigate, "before navigate",
      "text: the address; a result whose low 16 bits are not 0 cancels"},
     {kBrowserEventNewWindow, "new window", "text: the address; a result whose low 16 bits are not 0 cancels"},
     {kBrowserEventDocumentComplete, "document complete", "a document finished loading"}},
    {}};
KRUI_DECLARE_ELEMENT("WebBrowser", CWebBrowserControl::kDeclaration);

namespace {

constexpr DWORD kChildStyle = WS_CHILD;  // shown by the host's WM_SHOWWINDOW
constexpr DWORD kDetachedStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// A BSTR for the length of one call.
class ScopedBstr {
 public:
  explicit ScopedBstr(const std::wstring& text) : bstr_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~ScopedBstr() { ::SysFreeString(bstr_); }
  ScopedBstr(const ScopedBstr&) = delete;
  ScopedBstr& operator=(const ScopedBstr&) = delete;
  BSTR get() const { return bstr_; }

 private:
  BSTR bstr_;
};

}  // namespace

CWebBrowserControl::CWebBrowserControl() { CAxHostWindowClass::Register(::GetModuleHandleW(nullptr)); }

CWebBrowserControl::~CWebBrowserControl() {
  ReleaseBrowser();
  // The loop must never call a filter that is gone.
  if (Application* app = Application::Get()) app->RemoveMessageFilter(this);
}

int CWebBrowserControl::AddChild(CControl*) { return 0; }

void CWebBrowserControl::SetVisible(bool visible) {
  HWND tool = hostWindow_.Handle();
  if (!tool) return;
  // The flag is the state. The window's style is not: following the host clears it while
  // the host is hidden or minimised, and the host's showing and restoring read the flag.
  visible_ = visible;
  HWND host = host_ ? host_->GetHwnd() : nullptr;
  // A child is seen with its host; a detached window only over a visible, restored host,
  // never floating over the desktop on its own.
  const bool show = visible && (child_ || (host && ::IsWindowVisible(host) && !::IsIconic(host)));
  const bool shown = (::GetWindowLongW(tool, GWL_STYLE) & WS_VISIBLE) != 0;
  if (show == shown) return;
  if (child_) {
    ::ShowWindow(tool, show ? SW_SHOWNA : SW_HIDE);
  } else if (show) {
    ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kShowRaiseFlags);
    CDetachedPlacement::HostBelow(tool, host, kHostBelowFlags);
  } else {
    ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kHideWithoutRedrawFlags);
  }
}

LRESULT CWebBrowserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  const LRESULT result = CControl::HandleMessage(message, wParam, lParam, handled);
  switch (message) {
    case WM_CREATE:
      CreateBrowser();
      break;
    case WM_DESTROY:
      // A closed host takes its page along: no orphaned tool window, no page running on.
      ReleaseBrowser();
      break;
    default:
      FollowHost(message, wParam, lParam);
      break;
  }
  return result;
}

void CWebBrowserControl::FollowHost(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND tool = hostWindow_.Handle();
  if (!tool) return;
  if (!child_) {
    CDetachedPlacement::Follow(tool, host_ ? host_->GetHwnd() : nullptr, *this, message, wParam, lParam);
    return;
  }
  if (message == WM_SIZE) {
    ::SetWindowPos(tool, nullptr, left_, top_, width_, height_, kChildSizeFlags);
  } else if (message == WM_SHOWWINDOW) {
    ::ShowWindow(tool, wParam != 0 && visible_ ? SW_SHOWNA : SW_HIDE);
  }
}

void CWebBrowserControl::CreateBrowser() {
  ReleaseBrowser();  // a re-created host window starts with a browser of its own
  if (Application* app = Application::Get()) {
    app->RemoveMessageFilter(this);
    app->AddMessageFilter(this);
  }

  const RECT rect = {posX_, posY_, posX_ + sizeW_, posY_ + sizeH_};
  HWND created = child_ ? hostWindow_.Create(host_ ? host_->GetHwnd() : nullptr, rect, kChildStyle, WS_EX_TOOLWINDOW)
                        : hostWindow_.Create(nullptr, rect, kDetachedStyle, WS_EX_TOOLWINDOW);
  if (!created) return;
  if (FAILED(hostWindow_.CreateControl(CLSID_WebBrowser))) return;
  if (FAILED(hostWindow_.QueryControl(IID_IWebBrowser2, reinterpret_cast<void**>(browser_.put())))) {
    browser_.reset();
    return;
  }

  sink_ = new (std::nothrow) CWebBrowserEvents(this);
  if (sink_) sink_->Connect(browser_.get());

  if (!debug_) {
    ComPtr<IOleObject> ole;
    if (SUCCEEDED(browser_->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.put()))) && ole) {
      if (auto* site = new (std::nothrow) COleClientSiteImpl()) {
        ole->SetClientSite(site);
        site->Release();  // the browser holds it now
      }
    }
  }
  Navigate(page_);
}

void CWebBrowserControl::ReleaseBrowser() {
  if (sink_) {
    sink_->Disconnect();
    sink_->Release();
    sink_ = nullptr;
  }
  // The window closes the browser first; the last reference goes afterwards.
  ComPtr<IWebBrowser2> browser = std::move(browser_);
  hostWindow_.Destroy();
  browser.reset();
}

bool CWebBrowserControl::Navigate(const std::string& url) {
  page_ = url;
  // A local reference: a handler of the navigation's own events may close the host.
  ComPtr<IWebBrowser2> browser = browser_;
  if (!browser) return true;
  ScopedBstr target(ThreadAnsiToWide(url));
  VARIANT empty;
  ::VariantInit(&empty);
  browser->Navigate(target.get(), &empty, &empty, &empty, &empty);
  return true;
}

bool CWebBrowserControl::Stop() {
  ComPtr<IWebBrowser2> browser = browser_;
  return browser && SUCCEEDED(browser->Stop());
}

bool CWebBrowserControl::Refresh(bool) {
  ComPtr<IWebBrowser2> browser = browser_;
  return browser && SUCCEEDED(browser->Refresh());
}

bool CWebBrowserControl::IsOnPage(HWND hwnd) const {
  HWND tool = hostWindow_.Handle();
  return tool && hwnd && (hwnd == tool || ::IsChild(tool, hwnd));
}

bool CWebBrowserControl::TranslateForPage(MSG* msg, bool& consumed) {
  ComPtr<IWebBrowser2> browser = browser_;
  ComPtr<IDispatch> document;
  if (!browser || FAILED(browser->get_Document(document.put())) || !document) return false;
  ComPtr<IOleInPlaceActiveObject> active;
  if (FAILED(document->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(active.put()))) ||
      !active) {
    return false;
  }
  consumed = active->TranslateAccelerator(msg) == S_OK;
  return true;
}

bool CWebBrowserControl::PreTranslateMessage(MSG* msg) {
  if (!msg || !IsOnPage(msg->hwnd)) return false;
  bool consumed = false;
  if (transacc_ && msg->message >= WM_KEYDOWN && msg->message <= WM_UNICHAR && TranslateForPage(msg, consumed)) {
    return consumed;
  }
  // A right double-click is translated with the presses: it arrives as the second press of a
  // double-click, and injected as a left press it makes the page's left double-click.
  if (!transrb_.empty() && (msg->message == WM_RBUTTONDOWN || msg->message == WM_RBUTTONUP ||
                         msg->message == WM_RBUTTONDBLCLK)) {
    // What this filter injected itself is never translated again.
    if (::GetMessageExtraInfo() == static_cast<LPARAM>(kInjectedMark)) return false;
    if (transrb_ == "left") {
      // No position: the press lands where the cursor is.
      INPUT input = {};
      input.type = INPUT_MOUSE;
      input.mi.dwFlags = InjectedLeftButton(msg->message != WM_RBUTTONUP, ::GetSystemMetrics(SM_SWAPBUTTON) != 0);
      input.mi.dwExtraInfo = kInjectedMark;
      ::SendInput(1, &input, sizeof(input));
    }
    return true;  // the right button itself never reaches the page
  }
  return false;
}

DWORD CWebBrowserControl::InjectedLeftButton(bool down, bool swapped) {
  // Injected input is the physical button: with the buttons swapped, the right one is the
  // left click (and the left one would arrive as a right click, to be translated again).
  if (swapped) return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
}

}  // namespace KRUI
