// A stand-in for the system web browser, registered in this process under the browser's
// class identifier for one test: it can refuse to be made, be made without IWebBrowser2, or
// be a browser whose document has an in-place active object that logs the keyboard messages
// it is offered (the system browser here never gets a document).
#pragma once
#include <windows.h>
#include <exdisp.h>
#include <oleidl.h>

#include <string>
#include <vector>

#include "browser/ComObject.h"

namespace KRUITest {

enum class FakeBrowserKind { kRefused, kNoWebBrowser2, kBrowser };

struct FakeBrowserLog {
  std::vector<std::wstring> navigated;
  int stops = 0;
  int refreshes = 0;
  std::vector<UINT> offered;  // messages offered to the document's TranslateAccelerator
  UINT consumes = WM_KEYDOWN;  // the one message it answers S_OK (consumed)
};

class FakeBrowserRegistration {
 public:
  FakeBrowserRegistration(FakeBrowserKind kind, FakeBrowserLog& log);
  ~FakeBrowserRegistration();
  bool ok() const { return cookie_ != 0; }

 private:
  IClassFactory* factory_ = nullptr;
  DWORD cookie_ = 0;
};

// The browser: IWebBrowser2 with Navigate, Stop, Refresh and get_Document; the rest E_NOTIMPL.
class FakeBrowser final : public KRUI::ComObject<KRUI::ComAlso<IWebBrowser2, IDispatch, IWebBrowser, IWebBrowserApp>> {
 public:
  explicit FakeBrowser(FakeBrowserLog& log) : log_(log) {}
  STDMETHODIMP Navigate(BSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override;
  STDMETHODIMP Stop() override;
  STDMETHODIMP Refresh() override;
  STDMETHODIMP get_Document(IDispatch** document) override;
  // Everything else of the browser, which the control never calls.
#define KRUI_FAKE_NOTIMPL(name, ...) \
  STDMETHODIMP name(__VA_ARGS__) override { return E_NOTIMPL; }
#define KRUI_FAKE_PROPERTY(name, type) KRUI_FAKE_NOTIMPL(get_##name, type*) KRUI_FAKE_NOTIMPL(put_##name, type)
  KRUI_FAKE_NOTIMPL(GetTypeInfoCount, UINT*) KRUI_FAKE_NOTIMPL(GetTypeInfo, UINT, LCID, ITypeInfo**)
  KRUI_FAKE_NOTIMPL(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)
  KRUI_FAKE_NOTIMPL(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
  KRUI_FAKE_NOTIMPL(GoBack) KRUI_FAKE_NOTIMPL(GoForward) KRUI_FAKE_NOTIMPL(GoHome) KRUI_FAKE_NOTIMPL(GoSearch)
  KRUI_FAKE_NOTIMPL(Quit) KRUI_FAKE_NOTIMPL(Refresh2, VARIANT*) KRUI_FAKE_NOTIMPL(get_HWND, SHANDLE_PTR*)
  KRUI_FAKE_NOTIMPL(get_Application, IDispatch**) KRUI_FAKE_NOTIMPL(get_Parent, IDispatch**)
  KRUI_FAKE_NOTIMPL(get_Container, IDispatch**) KRUI_FAKE_NOTIMPL(get_TopLevelContainer, VARIANT_BOOL*)
  KRUI_FAKE_NOTIMPL(get_Busy, VARIANT_BOOL*) KRUI_FAKE_NOTIMPL(get_ReadyState, READYSTATE*)
  KRUI_FAKE_NOTIMPL(get_Type, BSTR*) KRUI_FAKE_NOTIMPL(get_LocationName, BSTR*) KRUI_FAKE_NOTIMPL(get_LocationURL, BSTR*)
  KRUI_FAKE_NOTIMPL(get_Name, BSTR*) KRUI_FAKE_NOTIMPL(get_FullName, BSTR*) KRUI_FAKE_NOTIMPL(get_Path, BSTR*)
  KRUI_FAKE_NOTIMPL(ClientToWindow, int*, int*) KRUI_FAKE_NOTIMPL(PutProperty, BSTR, VARIANT)
  KRUI_FAKE_NOTIMPL(GetProperty, BSTR, VARIANT*) KRUI_FAKE_NOTIMPL(Navigate2, VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
  KRUI_FAKE_NOTIMPL(QueryStatusWB, OLECMDID, OLECMDF*) KRUI_FAKE_NOTIMPL(ExecWB, OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*)
  KRUI_FAKE_NOTIMPL(ShowBrowserBar, VARIANT*, VARIANT*, VARIANT*)
  KRUI_FAKE_PROPERTY(Left, LONG) KRUI_FAKE_PROPERTY(Top, LONG) KRUI_FAKE_PROPERTY(Width, LONG)
  KRUI_FAKE_PROPERTY(Height, LONG) KRUI_FAKE_PROPERTY(StatusText, BSTR) KRUI_FAKE_PROPERTY(ToolBar, int)
  KRUI_FAKE_PROPERTY(Visible, VARIANT_BOOL) KRUI_FAKE_PROPERTY(StatusBar, VARIANT_BOOL)
  KRUI_FAKE_PROPERTY(MenuBar, VARIANT_BOOL) KRUI_FAKE_PROPERTY(FullScreen, VARIANT_BOOL)
  KRUI_FAKE_PROPERTY(Offline, VARIANT_BOOL) KRUI_FAKE_PROPERTY(Silent, VARIANT_BOOL)
  KRUI_FAKE_PROPERTY(RegisterAsBrowser, VARIANT_BOOL) KRUI_FAKE_PROPERTY(RegisterAsDropTarget, VARIANT_BOOL)
  KRUI_FAKE_PROPERTY(TheaterMode, VARIANT_BOOL) KRUI_FAKE_PROPERTY(AddressBar, VARIANT_BOOL)
  KRUI_FAKE_PROPERTY(Resizable, VARIANT_BOOL)
#undef KRUI_FAKE_PROPERTY
#undef KRUI_FAKE_NOTIMPL

 private:
  FakeBrowserLog& log_;
};

}  // namespace KRUITest
