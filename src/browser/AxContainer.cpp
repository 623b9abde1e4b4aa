#include "browser/AxContainer.h"

#include <ocidl.h>

#include <new>

namespace KRUI {
namespace {

// A window property, not the window's user data: a class derived from the host window class
// keeps GWLP_USERDATA for itself.
const wchar_t kContainerProperty[] = L"KRUI.AxContainer";

// OLE sizes are in HIMETRIC (0.01 mm).
SIZEL ToHimetric(const RECT& rect) {
  WindowDc screen(nullptr);
  const int dpiX = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
  const int dpiY = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  SIZEL size;
  size.cx = ::MulDiv(rect.right - rect.left, 2540, dpiX > 0 ? dpiX : 96);
  size.cy = ::MulDiv(rect.bottom - rect.top, 2540, dpiY > 0 ? dpiY : 96);
  return size;
}

}  // namespace

CAxContainer* CAxContainer::FromWindow(HWND hwnd) {
  return hwnd ? static_cast<CAxContainer*>(::GetPropW(hwnd, kContainerProperty)) : nullptr;
}

bool CAxContainer::AttachTo(HWND hwnd) {
  if (FromWindow(hwnd)) return true;
  auto* container = new (std::nothrow) CAxContainer(hwnd);
  if (!container) return false;
  if (!::SetPropW(hwnd, kContainerProperty, container)) {
    container->Release();
    return false;
  }
  return true;
}

void CAxContainer::DetachFrom(HWND hwnd) {
  CAxContainer* container = FromWindow(hwnd);
  if (!container) return;
  ::RemovePropW(hwnd, kContainerProperty);
  container->ReleaseControl();
  container->hwnd_ = nullptr;  // a control that still holds the site gets no window from it
  container->Release();
}

RECT CAxContainer::ClientRect() const {
  RECT rect = {0, 0, 0, 0};
  if (hwnd_) ::GetClientRect(hwnd_, &rect);
  return rect;
}

HRESULT CAxContainer::CreateControl(REFCLSID clsid) {
  if (!hwnd_) return E_UNEXPECTED;
  ReleaseControl();
  ComPtr<IUnknown> unknown;
  HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(unknown.put()));
  if (FAILED(hr)) return hr;
  if (!unknown) return E_FAIL;
  control_ = unknown;

  // A control without OLE embedding is kept as it is: nothing to site or activate.
  if (FAILED(unknown->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(oleObject_.put()))) ||
      !oleObject_) {
    return S_OK;
  }
  DWORD misc = 0;
  oleObject_->GetMiscStatus(DVASPECT_CONTENT, &misc);
  const bool siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
  if (siteFirst) oleObject_->SetClientSite(this);
  ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(unknown->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(persist.put()))) &&
      persist) {
    persist->InitNew();
  }
  if (!siteFirst) oleObject_->SetClientSite(this);

  RECT rect = ClientRect();
  SIZEL extent = ToHimetric(rect);
  oleObject_->SetExtent(DVASPECT_CONTENT, &extent);
  if (!(misc & OLEMISC_INVISIBLEATRUNTIME)) {
    oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, hwnd_, &rect);
  }
  return S_OK;
}

HRESULT CAxContainer::QueryControl(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!control_) return E_FAIL;
  return control_->QueryInterface(iid, out);
}

IUnknown* CAxContainer::ControlUnknown() {
  IUnknown* unknown = control_.get();
  if (unknown) unknown->AddRef();
  return unknown;
}

void CAxContainer::ReleaseControl() {
  // Local copies: deactivation calls back into this site, which clears the members.
  ComPtr<IOleInPlaceObject> inPlace = inPlaceObject_;
  ComPtr<IOleObject> ole = oleObject_;
  if (inPlace) inPlace->InPlaceDeactivate();
  if (ole) {
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
  }
  inPlaceActive_ = false;
  inPlaceObject_.reset();
  oleObject_.reset();
  control_.reset();
}

void CAxContainer::OnSize() {
  RECT rect = ClientRect();
  if (oleObject_) {
    SIZEL extent = ToHimetric(rect);
    oleObject_->SetExtent(DVASPECT_CONTENT, &extent);
  }
  if (inPlaceObject_) inPlaceObject_->SetObjectRects(&rect, &rect);
}

void CAxContainer::OnSetFocus() {
  if (!inPlaceActive_ || !oleObject_) return;
  RECT rect = ClientRect();
  oleObject_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, this, 0, hwnd_, &rect);
}

// IOleClientSite

STDMETHODIMP CAxContainer::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP CAxContainer::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CAxContainer::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP CAxContainer::ShowObject() { return S_OK; }
STDMETHODIMP CAxContainer::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP CAxContainer::RequestNewObjectLayout() { return E_NOTIMPL; }

// IOleWindow

STDMETHODIMP CAxContainer::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = hwnd_;
  return hwnd_ ? S_OK : E_FAIL;
}

STDMETHODIMP CAxContainer::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// IOleInPlaceSite

STDMETHODIMP CAxContainer::CanInPlaceActivate() { return hwnd_ ? S_OK : S_FALSE; }

STDMETHODIMP CAxContainer::OnInPlaceActivate() {
  inPlaceObject_.reset();
  if (control_) {
    control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlaceObject_.put()));
  }
  inPlaceActive_ = true;
  return S_OK;
}

STDMETHODIMP CAxContainer::OnUIActivate() { return S_OK; }

STDMETHODIMP CAxContainer::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                            RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  *frame = this;
  AddRef();
  *document = nullptr;  // no document window: the frame is the only UI window
  *position = ClientRect();
  *clip = *position;
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = hwnd_ ? ::GetAncestor(hwnd_, GA_ROOT) : nullptr;
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP CAxContainer::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP CAxContainer::OnUIDeactivate(BOOL) { return S_OK; }

STDMETHODIMP CAxContainer::OnInPlaceDeactivate() {
  inPlaceActive_ = false;
  inPlaceObject_.reset();
  return S_OK;
}

STDMETHODIMP CAxContainer::DiscardUndoState() { return S_OK; }
STDMETHODIMP CAxContainer::DeactivateAndUndo() { return E_NOTIMPL; }

STDMETHODIMP CAxContainer::OnPosRectChange(const RECT* position) {
  if (!position) return E_POINTER;
  if (inPlaceObject_) inPlaceObject_->SetObjectRects(position, position);
  return S_OK;
}

// IOleInPlaceUIWindow and IOleInPlaceFrame: no menus, tool space or accelerators of our own.

STDMETHODIMP CAxContainer::GetBorder(RECT*) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP CAxContainer::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP CAxContainer::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
STDMETHODIMP CAxContainer::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP CAxContainer::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) { return S_OK; }
STDMETHODIMP CAxContainer::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP CAxContainer::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP CAxContainer::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP CAxContainer::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP CAxContainer::TranslateAccelerator(MSG*, WORD) { return S_FALSE; }

}  // namespace KRUI
