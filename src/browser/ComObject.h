// IUnknown for the COM objects the program hands out (the ActiveX container, the browser's
// client site and event sink, and the tests' stand-ins), so that its rules hold by
// construction: one reference count, QueryInterface over the listed interfaces with one
// IUnknown identity (the first listed), an added reference on success and a null
// out-pointer otherwise. The Chromium side has its own base (CefRefCounted.h).
//
//   class CSite final : public ComObject<IOleClientSite, ComAlso<IOleInPlaceSite, IOleWindow>> {...};
//
// A new object holds one reference, its creator's; the last Release deletes it.
#pragma once
#include <windows.h>
#include <unknwn.h>

namespace KRUI {

// A listed interface that also answers for other identifiers: the interfaces it derives from
// (IOleWindow for IOleInPlaceSite) or one it implements under another name (an event
// interface served through IDispatch).
template <typename Interface, typename... Also>
struct ComAlso : Interface {};

namespace detail {

template <typename Entry>
struct ComEntry {
  using Interface = Entry;
  static bool Answers(REFIID iid) { return iid == __uuidof(Entry); }
};

template <typename Interface_, typename... Also>
struct ComEntry<ComAlso<Interface_, Also...>> {
  using Interface = Interface_;
  static bool Answers(REFIID iid) { return iid == __uuidof(Interface_) || ((iid == __uuidof(Also)) || ...); }
};

}  // namespace detail

template <typename... Entries>
class ComObject : public Entries... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = iid == IID_IUnknown ? Identity() : Find<Entries...>(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG refs = ::InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  template <typename First, typename...>
  IUnknown* IdentityOf() {
    return static_cast<typename detail::ComEntry<First>::Interface*>(this);
  }
  IUnknown* Identity() { return IdentityOf<Entries...>(); }

  template <typename First, typename... Rest>
  void* Find(REFIID iid) {
    if (detail::ComEntry<First>::Answers(iid)) return static_cast<typename detail::ComEntry<First>::Interface*>(this);
    if constexpr (sizeof...(Rest) > 0) {
      return Find<Rest...>(iid);
    } else {
      return nullptr;
    }
  }

  LONG refs_ = 1;
};

}  // namespace KRUI
