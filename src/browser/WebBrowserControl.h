// "WebBrowser": the system's ActiveX web browser inside a host window, in child placement
// (the default) or in a detached tool window kept over the host. It reports navigations,
// new-window requests and completed documents (events 101, 102, 103), can hand keyboard
// accelerators to the page and turn right clicks into left clicks or swallow them, and
// replaces the browser's UI host so the page shows no context menu or script-error dialog.
#pragma once
#include <windows.h>
#include <exdisp.h>

#include <string>

#include "app/MessageFilter.h"
#include "browser/AcxHostWindow.h"
#include "browser/EmbedBrowser.h"
#include "ui/core/Control.h"
#include "ui/core/Handles.h"

namespace KRUI {

class CWebBrowserEvents;

class CWebBrowserControl : public CControl, public CEmbedBrowser, public _IMessageFilter {
 public:
  // Also makes sure the ActiveX host window classes exist.
  CWebBrowserControl();
  // Takes the filter and the event sink back and closes the browser.
  ~CWebBrowserControl() override;

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // No child elements.
  int AddChild(CControl* control) override;
  // Keeps the flag and shows the ActiveX host window where the host lets it be seen (a
  // detached one only over a visible, restored host); nothing before it exists.
  void SetVisible(bool visible) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // Stores the URL as the page and navigates the browser there, if there is one.
  bool Navigate(const std::string& url) override;
  bool Stop() override;
  bool Refresh(bool ignoreCache) override;

  // transacc: keyboard messages for the page go to its in-place active object first;
  // transrb: right clicks and double-clicks on the page become left ones ("left") or vanish.
  bool PreTranslateMessage(MSG* msg) override;

  // The mouse input transrb injects for a left press or release, by the system's button
  // swap setting; the input carries kInjectedMark.
  static DWORD InjectedLeftButton(bool down, bool swapped);
  static constexpr ULONG_PTR kInjectedMark = 0x4B525242;  // "KRRB"
  // What the control holds, for the actions and for tests.
  HWND AxHostWindow() const { return hostWindow_.Handle(); }
  IWebBrowser2* Browser() const { return browser_.get(); }
  const std::string& Page() const { return page_; }
  bool IsChildPlacement() const { return child_; }

 private:
  // The creation sequence of the host's WM_CREATE.
  void CreateBrowser();
  // Disconnects the sink, lets go of the browser and destroys the ActiveX host window.
  void ReleaseBrowser();
  void FollowHost(UINT message, WPARAM wParam, LPARAM lParam);
  bool IsOnPage(HWND hwnd) const;
  // False when the page has no document or no in-place active object to offer msg to.
  bool TranslateForPage(MSG* msg, bool& consumed);

  std::string page_;
  bool child_ = true;
  bool transacc_ = false;
  std::string transrb_;
  bool debug_ = false;
  _CAcxHostWindow hostWindow_;
  ComPtr<IWebBrowser2> browser_;
  CWebBrowserEvents* sink_ = nullptr;  // one reference while the browser is held
};

}  // namespace KRUI
