// What the browser tests share: COM, the module's host window classes and the Application
// for the whole program; a sink of our own on the browser's events; a filter that logs mouse
// buttons; a layout window to put a browser in (its "Record" actions note its events).
#pragma once
#include <windows.h>
#include <exdisp.h>

#include <string>
#include <vector>

#include "app/MessageFilter.h"
#include "browser/ComObject.h"
#include "browser/WebBrowserControl.h"
#include "support/RecordingAction.h"
#include "support/TempDir.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/windows/FrameHostWindow.h"

namespace KRUITest {

// A DWebBrowserEvents2 sink of the test's own, beside the control's: logs every dispatch id.
// It lives on the test's stack: the reference it is made with is never given back.
class DispidLog final : public KRUI::ComObject<KRUI::ComAlso<IDispatch, DWebBrowserEvents2>> {
 public:
  // Connects to the browser; false when it cannot.
  bool Connect(IUnknown* browser);
  void Disconnect();
  ~DispidLog() override;
  std::vector<DISPID> ids;

  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};

// Appended to the Application's filters: logs the messages from first to last that reach it
// (that no earlier filter consumed) for a window or its descendants.
class MessageLog : public KRUI::_IMessageFilter {
 public:
  MessageLog(HWND root, UINT first, UINT last);
  ~MessageLog() override;
  bool PreTranslateMessage(MSG* msg) override;
  std::vector<UINT> messages;
  std::vector<LPARAM> extraInfo;  // of each message, as the loop took it

 private:
  HWND root_;
  UINT first_;
  UINT last_;
};

// The Application's message loop until done() holds or the time is up (a timer ends it).
bool RunAppLoopUntil(bool (*done)(void*), void* context, unsigned timeoutMilliseconds);

// A frame window with one browser, loaded from a layout of its own.
class BrowserWindow {
 public:
  // attributes: the WebBrowser element's attributes; handlers: its EventHandler children.
  BrowserWindow(const std::string& attributes, const std::string& handlers = std::string(),
                const std::string& windowAttributes = "pos=\"100,100\" size=\"400,300\"");
  ~BrowserWindow();
  // Creates (or re-creates) the native window and lets its first messages run.
  HWND Open();
  void Close();
  HWND Hwnd() { return window_ ? window_->GetHwnd() : nullptr; }
  KRUI::CFrameHostWindow* Window() { return window_; }
  KRUI::CWebBrowserControl* Browser() { return browser_; }

 private:
  TempDir dir_;
  KRUI::StringTable strings_;
  KRUI::CLayoutLoader loader_{strings_};
  KRUI::CFrameHostWindow* window_ = nullptr;
  KRUI::CWebBrowserControl* browser_ = nullptr;
};

// Screen centre of a window.
POINT CentreOf(HWND hwnd);
// A right button press and release (two of them: a double-click) at a screen point, through
// the input queue, the input marked with mark (its dwExtraInfo).
void RightClickAt(POINT at, int clicks = 1, ULONG_PTR mark = 0);

}  // namespace KRUITest
