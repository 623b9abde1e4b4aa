// The layout element "CefBrowser": one Chromium browser shown in its host window, either as
// a child window at the control's rectangle ("child" exactly "true") or, by default, in a
// borderless tool window of its own that follows the host's moves, sizes and visibility.
// The browser arrives asynchronously; every operation reaches it through the client.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "browser/EmbedBrowser.h"
#include "ui/core/Control.h"

namespace KRUI {

class CefWebclient;
class _CefHostWindow;

class CCefBrowserControl : public CControl, public CEmbedBrowser {
 public:
  CCefBrowserControl();
  ~CCefBrowserControl() override;

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // A browser element holds no child elements.
  int AddChild(CControl* control) override;
  // The loaded visibility stays: only the host's messages show and hide the browser.
  void SetVisible(bool visible) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // CEmbedBrowser (narrow text in the ANSI code page).
  bool Navigate(const std::string& url) override;
  bool Stop() override;
  bool Refresh(bool ignoreCache) override;

  // Requests the browser: parent none means detached (the tool window is made first).
  // The runtime's answer to the request; the browser itself comes later.
  int CreateBrowser(HWND parent, const RECT& rect);

  static constexpr DWORD kBrowserStyle =
      WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;  // 0x56010000

  const std::string& Page() const { return page_; }
  bool IsChildPlacement() const { return child_; }
  const std::string& Timestamp() const { return timestamp_; }
  CefWebclient* Client() const { return client_; }
  // The detached tool window, none in child placement or before the host was created.
  HWND ToolWindow() const;

 private:
  RECT DeclaredRect() const;
  RECT LaidOutRect() const;

  std::string page_;
  bool child_ = false;
  std::string timestamp_;
  CefWebclient* client_ = nullptr;  // one reference, ours
  std::unique_ptr<_CefHostWindow> toolWindow_;
};

}  // namespace KRUI
