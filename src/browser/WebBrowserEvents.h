// The sink of the system web browser's DWebBrowserEvents2: navigations, new-window requests
// and completed documents become events on the owning control, and the handlers' result
// decides whether a navigation or a new window goes ahead.
#pragma once
#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>

#include "browser/ComObject.h"
#include "ui/core/Handles.h"

namespace KRUI {

class CControl;

// Events the ActiveX browser control raises on itself.
constexpr int kBrowserEventBeforeNavigate = 101;  // text: the URL; result's low 16 bits = Cancel
constexpr int kBrowserEventNewWindow = 102;       // text: the target URL; result = Cancel
constexpr int kBrowserEventDocumentComplete = 103;

class CWebBrowserEvents final : public ComObject<ComAlso<IDispatch, DWebBrowserEvents2>> {
 public:
  // One reference, owned by the caller; owner is not owned.
  explicit CWebBrowserEvents(CControl* owner) : owner_(owner) {}

  // Advises the browser's DWebBrowserEvents2 connection point; false when it has none.
  bool Connect(IUnknown* browser);
  // Unadvises and forgets the owner: no event reaches a control that is gone.
  void Disconnect();
  bool IsConnected() const { return cookie_ != 0; }

  // IDispatch: only Invoke is used by a connection point.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argError) override;

 private:
  ~CWebBrowserEvents() override = default;
  void Unadvise();
  void OnBeforeNavigate2(const DISPPARAMS& params);
  void OnNewWindow3(const DISPPARAMS& params);

  CControl* owner_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace KRUI
