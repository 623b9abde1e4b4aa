#include "browser/WebBrowserEvents.h"

#include <exdisp.h>
#include <exdispid.h>

#include <string>

#include "ui/core/Control.h"
#include "ui/core/Encoding.h"

namespace KRUI {
namespace {

// Argument `index` in declaration order (DISPPARAMS holds them last first), passed by
// reference or not; none when the browser passed fewer.
const VARIANT* Argument(const DISPPARAMS& params, UINT index) {
  if (!params.rgvarg || index >= params.cArgs) return nullptr;
  const VARIANT* arg = &params.rgvarg[params.cArgs - 1 - index];
  if (V_VT(arg) == (VT_BYREF | VT_VARIANT)) arg = V_VARIANTREF(arg);
  return arg;
}

// The argument as narrow text in the thread's ANSI code page; false when it is no string.
bool ArgumentText(const DISPPARAMS& params, UINT index, std::string& out) {
  const VARIANT* arg = Argument(params, index);
  if (!arg) return false;
  BSTR text = nullptr;
  if (V_VT(arg) == VT_BSTR) {
    text = V_BSTR(arg);
  } else if (V_VT(arg) == (VT_BYREF | VT_BSTR) && V_BSTRREF(arg)) {
    text = *V_BSTRREF(arg);
  } else {
    return false;
  }
  out = text ? WideToThreadAnsi(std::wstring(text, ::SysStringLen(text))) : std::string();
  return true;
}

// Writes the handlers' answer into a by-reference Cancel argument.
void SetCancel(const DISPPARAMS& params, UINT index, int result) {
  const VARIANT* arg = Argument(params, index);
  if (arg && V_VT(arg) == (VT_BYREF | VT_BOOL) && V_BOOLREF(arg)) {
    *V_BOOLREF(arg) = static_cast<VARIANT_BOOL>(result & 0xFFFF);
  }
}

// Argument positions, in declaration order.
constexpr UINT kBeforeNavigateArgs = 7, kBeforeNavigateUrl = 1, kBeforeNavigateCancel = 6;
constexpr UINT kNewWindowArgs = 5, kNewWindowCancel = 1, kNewWindowUrl = 4;

}  // namespace

bool CWebBrowserEvents::Connect(IUnknown* browser) {
  Unadvise();
  if (!browser) return false;
  ComPtr<IConnectionPointContainer> container;
  if (FAILED(browser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.put()))) ||
      !container) {
    return false;
  }
  ComPtr<IConnectionPoint> point;
  if (FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put())) || !point) return false;
  DWORD cookie = 0;
  if (FAILED(point->Advise(static_cast<IDispatch*>(this), &cookie))) return false;
  point_ = point;
  cookie_ = cookie;
  return true;
}

void CWebBrowserEvents::Disconnect() {
  owner_ = nullptr;
  Unadvise();
}

void CWebBrowserEvents::Unadvise() {
  // Local copy: Unadvise drops the browser's reference on this sink.
  ComPtr<IConnectionPoint> point = point_;
  const DWORD cookie = cookie_;
  point_.reset();
  cookie_ = 0;
  if (point && cookie) point->Unadvise(cookie);
}

STDMETHODIMP CWebBrowserEvents::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP CWebBrowserEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP CWebBrowserEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                       UINT*) {
  if (!owner_ || !params) return S_OK;
  // The handlers may end in anything; nothing of it may unwind into the browser.
  try {
    // The sink stays alive while its event runs, even if a handler disconnects it.
    ComPtr<IDispatch> self;
    AddRef();
    self.attach(this);
    switch (id) {
      case DISPID_BEFORENAVIGATE2:
        OnBeforeNavigate2(*params);
        break;
      case DISPID_NEWWINDOW3:
        OnNewWindow3(*params);
        break;
      case DISPID_DOCUMENTCOMPLETE:
        owner_->RaiseEvent(owner_, kBrowserEventDocumentComplete);
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return S_OK;
}

void CWebBrowserEvents::OnBeforeNavigate2(const DISPPARAMS& params) {
  std::string url;
  if (params.cArgs != kBeforeNavigateArgs || !ArgumentText(params, kBeforeNavigateUrl, url)) return;
  const int result = owner_->RaiseTextEvent(owner_, kBrowserEventBeforeNavigate, url.c_str());
  SetCancel(params, kBeforeNavigateCancel, result);
}

void CWebBrowserEvents::OnNewWindow3(const DISPPARAMS& params) {
  if (params.cArgs != kNewWindowArgs) return;
  std::string url;
  const bool hasUrl = ArgumentText(params, kNewWindowUrl, url);
  const int result = owner_->RaiseTextEvent(owner_, kBrowserEventNewWindow, hasUrl ? url.c_str() : nullptr);
  SetCancel(params, kNewWindowCancel, result);
}

}  // namespace KRUI
