#include "webbrowser/FakeBrowser.h"

#include <objbase.h>

namespace KRUITest {
namespace {

// The document: an IDispatch that is also the page's in-place active object.
class FakeDocument final : public KRUI::ComObject<IDispatch, KRUI::ComAlso<IOleInPlaceActiveObject, IOleWindow>> {
 public:
  explicit FakeDocument(FakeBrowserLog& log) : log_(log) {}
  STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(LPMSG msg) override {
    log_.offered.push_back(msg->message);
    return msg->message == log_.consumes ? S_OK : S_FALSE;
  }
  STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

 private:
  FakeBrowserLog& log_;
};

class FakeFactory final : public KRUI::ComObject<IClassFactory> {
 public:
  FakeFactory(FakeBrowserKind kind, FakeBrowserLog& log) : kind_(kind), log_(log) {}
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* object = nullptr;
    switch (kind_) {
      case FakeBrowserKind::kRefused:
        return E_OUTOFMEMORY;
      case FakeBrowserKind::kNoWebBrowser2:
        object = static_cast<IDispatch*>(new FakeDocument(log_));  // an object, but no browser
        break;
      case FakeBrowserKind::kBrowser:
        object = new FakeBrowser(log_);
        break;
    }
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }

 private:
  FakeBrowserKind kind_;
  FakeBrowserLog& log_;
};

}  // namespace

FakeBrowserRegistration::FakeBrowserRegistration(FakeBrowserKind kind, FakeBrowserLog& log)
    : factory_(new FakeFactory(kind, log)) {
  if (FAILED(::CoRegisterClassObject(CLSID_WebBrowser, factory_, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_)))
    cookie_ = 0;
}

FakeBrowserRegistration::~FakeBrowserRegistration() {
  if (cookie_) ::CoRevokeClassObject(cookie_);
  factory_->Release();
}

STDMETHODIMP FakeBrowser::Navigate(BSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) {
  log_.navigated.push_back(url ? url : L"");
  return S_OK;
}

STDMETHODIMP FakeBrowser::Stop() {
  ++log_.stops;
  return S_OK;
}

STDMETHODIMP FakeBrowser::Refresh() {
  ++log_.refreshes;
  return S_OK;
}

STDMETHODIMP FakeBrowser::get_Document(IDispatch** document) {
  *document = new FakeDocument(log_);
  return S_OK;
}

}  // namespace KRUITest
