#include "browser/CefBrowserControl.h"

#include "browser/CefHostWindow.h"
#include "browser/CefLibrary.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefRuntime.h"
#include "browser/CefWebclient.h"
#include "browser/DetachedPlacement.h"
#include "browser/CefStringField.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("CefBrowser", CCefBrowserControl);
const ElementDeclaration CCefBrowserControl::kDeclaration = {
    kKindControl, "a Chromium browser", {&CControl::kAttributes},
    {
        {"page", AttributeSyntax::kText, "", 0, nullptr, "the first address", Into<&CCefBrowserControl::page_>()},
        {"child", AttributeSyntax::kFlag, "false", 0, nullptr,
         "a child window of the host; otherwise a tool window kept over the host", Into<&CCefBrowserControl::child_>()},
        {"timestamp", AttributeSyntax::kText, "", 0, nullptr, "kept with the element; nothing reads it",
         Into<&CCefBrowserControl::timestamp_>()},
    },
    {{kCefEventPopup, "pop-up",
      "a page asks for a pop-up, new window or new tab, which does not open; text: the address"},
     {kCefEventLoadEnd, "load end", "the main frame finished loading"}},
    {}};
KRUI_DECLARE_ELEMENT("CefBrowser", CCefBrowserControl::kDeclaration);

CCefBrowserControl::CCefBrowserControl() = default;

CCefBrowserControl::~CCefBrowserControl() {
  if (client_) {
    client_->DetachOwner();
    client_->Release();
  }
}

int CCefBrowserControl::AddChild(CControl*) { return 0; }

void CCefBrowserControl::SetVisible(bool) {}

HWND CCefBrowserControl::ToolWindow() const { return toolWindow_ ? toolWindow_->Handle() : nullptr; }

RECT CCefBrowserControl::DeclaredRect() const {
  return RECT{DeclaredX(), DeclaredY(), DeclaredX() + DeclaredWidth(), DeclaredY() + DeclaredHeight()};
}

RECT CCefBrowserControl::LaidOutRect() const { return RECT{Left(), Top(), Left() + Width(), Top() + Height()}; }

int CCefBrowserControl::CreateBrowser(HWND parent, const RECT& rect) {
  // Events from the runtime's thread are handed to this (the main) thread.
  CCefMainThreadCall::Prepare();

  cef_window_info_t windowInfo = {};
  if (parent) {
    windowInfo.parent_window = parent;
    windowInfo.x = rect.left;
    windowInfo.y = rect.top;
  } else {
    if (!toolWindow_) toolWindow_.reset(new _CefHostWindow(*this));
    windowInfo.parent_window = toolWindow_->Create(rect);
  }
  windowInfo.width = rect.right - rect.left;
  windowInfo.height = rect.bottom - rect.top;
  windowInfo.style = kBrowserStyle;

  CefWebclient* previous = client_;
  client_ = new CefWebclient(this);
  if (previous) {
    previous->DetachOwner();
    previous->Release();
  }

  CCefLibrary& library = CCefLibrary::Instance();
  // The runtime may only be called once it is initialised; without it there is no browser.
  if (!IsCefRuntimeInitialized() || !library.browser_host_create_browser) return 0;

  cef_browser_settings_t settings = {};
  settings.size = sizeof(settings);
  // The document's text is already in the ANSI code page.
  std::wstring url = ThreadAnsiToWide(page_);
  cef_string_t urlText = CefStringView(url.c_str(), url.size());
  const int result =
      library.browser_host_create_browser(&windowInfo, client_->ShareClient(), &urlText, &settings, nullptr);
  if (result == 1) client_->BrowserRequested(windowInfo.parent_window);
  return result;
}

LRESULT CCefBrowserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CControl::HandleMessage(message, wParam, lParam, handled);
  HWND host = host_ ? host_->GetHwnd() : nullptr;
  switch (message) {
    case WM_CREATE:
      CreateBrowser(child_ ? host : nullptr, DeclaredRect());
      return result;
    case WM_CLOSE:
      // The first round asks the page to close and keeps the host; the runtime sends the
      // second one when the browser agrees.
      if (client_ && !client_->RequestClose()) handled = true;
      return result;
    case WM_DESTROY:
      // A host that closes without its browser (none ever came) takes its tool window along.
      if (toolWindow_) toolWindow_->Destroy();
      return result;
    default:
      break;
  }
  if (child_) {
    if (message == WM_SIZE && client_) client_->ResizeBrowser(LaidOutRect());
  } else if (toolWindow_) {
    CDetachedPlacement::Follow(toolWindow_->Handle(), host, *this, message, wParam, lParam);
  }
  return result;
}

bool CCefBrowserControl::Navigate(const std::string& url) {
  if (!client_) {
    // No host window yet: the browser opens this page when it is created.
    page_ = url;
    return false;
  }
  return client_->LoadUrl(ThreadAnsiToWide(url));
}

bool CCefBrowserControl::Stop() { return client_ && client_->StopLoad(); }

bool CCefBrowserControl::Refresh(bool ignoreCache) { return client_ && client_->Reload(ignoreCache); }

}  // namespace KRUI
