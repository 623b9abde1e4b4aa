#include "browser/OleClientSiteImpl.h"

namespace KRUI {
namespace {

// Clears an out-pointer the caller may read even on failure.
template <typename T>
void ClearOut(T** out) {
  if (out) *out = nullptr;
}

}  // namespace

// IOleClientSite: nothing is saved, named, contained or shown on request.

STDMETHODIMP COleClientSiteImpl::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP COleClientSiteImpl::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  ClearOut(moniker);
  return E_NOTIMPL;
}

STDMETHODIMP COleClientSiteImpl::GetContainer(IOleContainer** container) {
  ClearOut(container);
  return E_NOTIMPL;
}

STDMETHODIMP COleClientSiteImpl::ShowObject() { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::OnShowWindow(BOOL) { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::RequestNewObjectLayout() { return E_NOTIMPL; }

// IServiceProvider: no services.

STDMETHODIMP COleClientSiteImpl::QueryService(REFGUID, REFIID, void** out) {
  if (out) *out = nullptr;
  return E_NOINTERFACE;
}

// IOleCommandTarget: script errors are answered "keep running", without a dialog.

STDMETHODIMP COleClientSiteImpl::QueryStatus(const GUID*, ULONG, OLECMD[], OLECMDTEXT*) { return E_NOTIMPL; }

STDMETHODIMP COleClientSiteImpl::Exec(const GUID*, DWORD id, DWORD, VARIANT*, VARIANT* out) {
  if (id != OLECMDID_SHOWSCRIPTERROR) return E_NOTIMPL;
  if (out) {
    ::VariantInit(out);
    V_VT(out) = VT_BOOL;
    V_BOOL(out) = VARIANT_TRUE;
  }
  return S_OK;
}

// IDocHostUIHandler

STDMETHODIMP COleClientSiteImpl::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
  return S_OK;  // "shown": the browser shows none of its own
}

STDMETHODIMP COleClientSiteImpl::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  info->dwFlags |= kHostInfoFlags;
  return S_OK;
}

STDMETHODIMP COleClientSiteImpl::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                        IOleInPlaceUIWindow*) {
  return E_NOTIMPL;
}
STDMETHODIMP COleClientSiteImpl::HideUI() { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::UpdateUI() { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::EnableModeless(BOOL) { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::OnDocWindowActivate(BOOL) { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::OnFrameWindowActivate(BOOL) { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return E_NOTIMPL; }
STDMETHODIMP COleClientSiteImpl::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return E_NOTIMPL; }

STDMETHODIMP COleClientSiteImpl::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  ClearOut(key);
  return E_NOTIMPL;
}

STDMETHODIMP COleClientSiteImpl::GetDropTarget(IDropTarget*, IDropTarget** replacement) {
  ClearOut(replacement);
  return E_NOTIMPL;
}

STDMETHODIMP COleClientSiteImpl::GetExternal(IDispatch** external) {
  ClearOut(external);
  return E_NOTIMPL;
}

STDMETHODIMP COleClientSiteImpl::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
  ClearOut(translated);
  return E_NOTIMPL;
}

STDMETHODIMP COleClientSiteImpl::FilterDataObject(IDataObject*, IDataObject** replacement) {
  ClearOut(replacement);
  return E_NOTIMPL;
}

}  // namespace KRUI
