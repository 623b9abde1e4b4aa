// The system web browser's event sink given any DISPPARAMS a browser (or a page driving it)
// could hand over: any dispatch id, argument count and types, strings of any length, and
// by-reference arguments whose pointers are null, point at another by-reference VARIANT or
// at nothing the sink expects. The sink raises its events on a real WebBrowser element whose
// handlers compare the URL text.
//
// Input: [dispid selector][argument count][flags] then one shape per argument, each a type
// byte followed by what that type needs (a length and UTF-16 units for strings, a value).
#include <windows.h>
#include <exdispid.h>

#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "browser/WebBrowserEvents.h"
#include "support/TempDir.h"
#include "ui/core/Control.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"

namespace {

const char kLayout[] = R"(<LayoutRoot>
  <FrameHostWindow id="w" pos="0,0" size="200,100">
    <WebBrowser page="about:blank">
      <EventHandler interest="101"><Condition type="str" condition="contain" str="block"/><StopPropagation/></EventHandler>
      <EventHandler interest="102"><Condition type="str" condition="equal" str="about:blank"/></EventHandler>
      <EventHandler interest="103"><Condition type="num" condition="gt" num="0"/></EventHandler>
    </WebBrowser>
  </FrameHostWindow>
</LayoutRoot>)";

KRUI::CControl* Owner() {
  static KRUITest::TempDir folder;
  static KRUI::StringTable strings;
  static KRUI::CLayoutLoader* loader = [] {
    auto* l = new KRUI::CLayoutLoader(strings);
    l->Load(folder.Write("layout\\layout.xml", kLayout));
    return l;
  }();
  KRUI::CHostWindow* window = loader->FindTopLevelWindow("w");
  KRUI::CControl* owner = window ? window->GetRootControl() : nullptr;
  KRUI_FUZZ_CHECK("events", owner != nullptr, "the owner element was not built");
  return owner;
}

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::wstring Text() {
    const size_t units = Byte();
    std::wstring text;
    for (size_t i = 0; i < units && pos_ < size_; ++i) {
      const wchar_t low = Byte();
      text += static_cast<wchar_t>(low | (Byte() << 8));
    }
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Everything the arguments point at, alive until the call has returned; the vectors are
// sized before use so no pointer into them moves.
struct Storage {
  Storage() {
    inner.reserve(64);
    bools.reserve(64);
    bstrs.reserve(64);
  }
  ~Storage() {
    for (BSTR s : owned) ::SysFreeString(s);
  }
  BSTR Alloc(const std::wstring& text) {
    BSTR s = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    owned.push_back(s);
    return s;
  }
  std::vector<VARIANT> inner;
  std::vector<VARIANT_BOOL> bools;
  std::vector<BSTR> bstrs;
  std::vector<BSTR> owned;
};

VARIANT Shape(Reader& in, Storage& store, int depth) {
  VARIANT v;
  ::VariantInit(&v);
  switch (in.Byte() % 12) {
    case 0:
      break;
    case 1:
      V_VT(&v) = VT_BSTR;
      V_BSTR(&v) = store.Alloc(in.Text());
      break;
    case 2:
      V_VT(&v) = VT_BSTR;
      V_BSTR(&v) = nullptr;
      break;
    case 3:
      if (store.bstrs.size() == store.bstrs.capacity()) break;
      store.bstrs.push_back(store.Alloc(in.Text()));
      V_VT(&v) = VT_BYREF | VT_BSTR;
      V_BSTRREF(&v) = &store.bstrs.back();
      break;
    case 4:
      V_VT(&v) = VT_BYREF | VT_BSTR;
      V_BSTRREF(&v) = nullptr;
      break;
    case 5:
      if (depth >= 3 || store.inner.size() == store.inner.capacity()) break;
      store.inner.push_back(Shape(in, store, depth + 1));
      V_VT(&v) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&v) = &store.inner.back();
      break;
    case 6:
      V_VT(&v) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&v) = nullptr;
      break;
    case 7:
      if (store.bools.size() == store.bools.capacity()) break;
      store.bools.push_back(0x5A5A);
      V_VT(&v) = VT_BYREF | VT_BOOL;
      V_BOOLREF(&v) = &store.bools.back();
      break;
    case 8:
      V_VT(&v) = VT_BYREF | VT_BOOL;
      V_BOOLREF(&v) = nullptr;
      break;
    case 9:
      V_VT(&v) = VT_I4;
      V_I4(&v) = static_cast<LONG>(in.Byte() | (in.Byte() << 8) | (in.Byte() << 16) | (in.Byte() << 24));
      break;
    case 10:
      V_VT(&v) = VT_DISPATCH;
      V_DISPATCH(&v) = nullptr;
      break;
    default:
      // Any other type tag with an empty (null) value.
      V_VT(&v) = static_cast<VARTYPE>(in.Byte() | (in.Byte() << 8));
      break;
  }
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static KRUI::CControl* owner = Owner();
  static const DISPID kIds[] = {DISPID_BEFORENAVIGATE2, DISPID_NEWWINDOW3, DISPID_DOCUMENTCOMPLETE,
                                DISPID_NAVIGATECOMPLETE2, DISPID_NAVIGATEERROR};
  Reader in(data, size);
  const uint8_t selector = in.Byte();
  const DISPID id = selector < 5 * 40 ? kIds[selector % 5] : static_cast<DISPID>(selector);
  const UINT count = in.Byte() % 16;
  const uint8_t flags = in.Byte();

  Storage store;
  std::vector<VARIANT> args;
  for (UINT i = 0; i < count; ++i) args.push_back(Shape(in, store, 0));
  DISPPARAMS params = {(flags & 1) || args.empty() ? nullptr : args.data(), nullptr, count, 0};

  auto* sink = new KRUI::CWebBrowserEvents(owner);
  if (flags & 2) sink->Disconnect();
  VARIANT result;
  ::VariantInit(&result);
  const HRESULT hr = sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, (flags & 4) ? nullptr : &params, &result,
                                  nullptr, nullptr);
  KRUI_FUZZ_CHECK("events", hr == S_OK, "Invoke failed");
  KRUI_FUZZ_CHECK("events", sink->Release() == 0, "the sink kept a reference");
  return 0;
}
