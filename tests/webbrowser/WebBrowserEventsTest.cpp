// The event sink as the browser calls it: argument lists the system browser here never
// sends (new windows, completed documents) and ones no browser should send.
#include <gtest/gtest.h>
#include <exdispid.h>

#include <algorithm>

#include "browser/WebBrowserEvents.h"
#include "webbrowser/WebBrowserTestSupport.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

// DWebBrowserEvents2 arguments, built in declaration order and handed over last first.
class Arguments {
 public:
  Arguments() = default;
  Arguments(Arguments&&) = default;  // the moved-from lists are left empty
  Arguments(const Arguments&) = delete;
  Arguments& Dispatch() { return Add(VT_DISPATCH); }
  Arguments& Text(const wchar_t* text) {
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = ::SysAllocString(text);
    values_.push_back(v);
    return *this;
  }
  // A VARIANT passed by reference, as BeforeNavigate2 passes its URL.
  Arguments& TextByRef(const wchar_t* text) {
    VARIANT inner;
    V_VT(&inner) = VT_BSTR;
    V_BSTR(&inner) = ::SysAllocString(text);
    inner_.push_back(inner);
    return Add(VT_BYREF | VT_VARIANT);
  }
  Arguments& Number(long n) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = n;
    values_.push_back(v);
    return *this;
  }
  Arguments& Cancel() { return Add(VT_BYREF | VT_BOOL); }
  // An argument passed by reference whose pointer is null.
  Arguments& NullRef(VARTYPE type) {
    nulls_.push_back(values_.size());
    return Add(VT_BYREF | type);
  }
  Arguments& Empty() { return Add(VT_EMPTY); }

  // Invokes the sink and returns the Cancel value it wrote (or its first value).
  VARIANT_BOOL InvokeOn(IDispatch* sink, DISPID id) {
    size_t innerIndex = 0;
    for (VARIANT& v : values_) {
      if (std::find(nulls_.begin(), nulls_.end(), static_cast<size_t>(&v - values_.data())) != nulls_.end()) continue;
      if (V_VT(&v) == (VT_BYREF | VT_VARIANT)) V_VARIANTREF(&v) = &inner_[innerIndex++];
      if (V_VT(&v) == (VT_BYREF | VT_BOOL)) V_BOOLREF(&v) = &cancel_;
      if (V_VT(&v) == VT_DISPATCH) V_DISPATCH(&v) = nullptr;
    }
    std::vector<VARIANT> reversed(values_.rbegin(), values_.rend());
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    EXPECT_EQ(S_OK, sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr));
    return cancel_;
  }
  ~Arguments() {
    for (VARIANT& v : values_)
      if (V_VT(&v) == VT_BSTR) ::SysFreeString(V_BSTR(&v));
    for (VARIANT& v : inner_) ::SysFreeString(V_BSTR(&v));
  }

 private:
  Arguments& Add(VARTYPE type) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = type;
    values_.push_back(v);
    return *this;
  }
  std::vector<VARIANT> values_;
  std::vector<VARIANT> inner_;
  std::vector<size_t> nulls_;
  VARIANT_BOOL cancel_ = 0x5A5A;  // untouched marker
};

constexpr VARIANT_BOOL kUntouched = 0x5A5A;

Arguments BeforeNavigate(const wchar_t* url) {
  Arguments a;
  a.Dispatch().TextByRef(url).Empty().Empty().Empty().Empty().Cancel();
  return a;
}

Arguments NewWindow(const wchar_t* url) {
  Arguments a;
  a.Dispatch().Cancel().Number(0).Text(L"http://example.com/opener");
  if (url) {
    a.Text(url);
  } else {
    a.Empty();
  }
  return a;
}

// An event the element is expected to raise.
struct Raised {
  int id;
  bool hasText;
  std::string text;
};

struct SinkCase {
  const char* name;
  DISPID id;
  Arguments (*arguments)();
  int retval;
  std::vector<Raised> raised;
  VARIANT_BOOL cancel;
};

TEST(WebBrowserEvents, TurnBrowserEventsIntoElementEventsAndAnswerWithTheResult) {
  const SinkCase cases[] = {
      {"navigation cancelled", DISPID_BEFORENAVIGATE2, [] { return BeforeNavigate(L"http://a.example/y"); }, -1,
       {{101, true, "http://a.example/y"}}, VARIANT_TRUE},
      {"only the low 16 bits", DISPID_BEFORENAVIGATE2, [] { return BeforeNavigate(L"http://a.example/z"); },
       0x10000, {{101, true, "http://a.example/z"}}, VARIANT_FALSE},
      {"new window with its URL", DISPID_NEWWINDOW3, [] { return NewWindow(L"http://b.example/popup"); }, 1,
       {{102, true, "http://b.example/popup"}}, 1},
      {"new window without URL", DISPID_NEWWINDOW3, [] { return NewWindow(nullptr); }, 0, {{102, false, ""}},
       VARIANT_FALSE},
      {"document complete", DISPID_DOCUMENTCOMPLETE,
       [] {
         Arguments a;
         a.Dispatch().TextByRef(L"http://a.example/frame");
         return a;
       },
       -1, {{103, false, ""}}, kUntouched},
      {"URL that is no string", DISPID_BEFORENAVIGATE2,
       [] {
         Arguments a;
         a.Dispatch().Number(7).Empty().Empty().Empty().Empty().Cancel();
         return a;
       },
       -1, {}, kUntouched},
      {"too few arguments", DISPID_BEFORENAVIGATE2,
       [] {
         Arguments a;
         a.Dispatch().TextByRef(L"http://a.example/");
         return a;
       },
       -1, {}, kUntouched},
      {"URL by reference through a null pointer", DISPID_BEFORENAVIGATE2,
       [] {
         Arguments a;
         a.Dispatch().NullRef(VT_VARIANT).Empty().Empty().Empty().Empty().Cancel();
         return a;
       },
       -1, {}, kUntouched},
      {"Cancel by reference through a null pointer", DISPID_NEWWINDOW3,
       [] {
         Arguments a;
         a.Dispatch().NullRef(VT_BOOL).Number(0).Text(L"http://example.com/opener").NullRef(VT_BSTR);
         return a;
       },
       -1, {{102, false, ""}}, kUntouched},
      {"an event nobody handles", DISPID_NAVIGATEERROR, [] { return BeforeNavigate(L"http://a.example/"); }, -1,
       {}, kUntouched},
  };
  for (const SinkCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string handler = "<Record retval=\"" + std::to_string(c.retval) + "\"/>";
    BrowserWindow w("", "<EventHandler interest=\"101\">" + handler + "</EventHandler><EventHandler interest=\"102\">" +
                            handler + "</EventHandler><EventHandler interest=\"103\">" + handler + "</EventHandler>");
    auto* sink = new CWebBrowserEvents(w.Browser());
    RecordedEvents().clear();
    Arguments arguments = c.arguments();
    EXPECT_EQ(c.cancel, arguments.InvokeOn(sink, c.id));
    ASSERT_EQ(c.raised.size(), RecordedEvents().size());
    for (size_t i = 0; i < c.raised.size(); ++i) {
      EXPECT_EQ(c.raised[i].id, RecordedEvents()[i].id);
      EXPECT_EQ(c.raised[i].hasText, RecordedEvents()[i].hasText);
      EXPECT_EQ(c.raised[i].text, RecordedEvents()[i].text);
    }
    // Disconnected, the sink raises nothing on the element it served.
    sink->Disconnect();
    RecordedEvents().clear();
    Arguments again = c.arguments();
    again.InvokeOn(sink, c.id);
    EXPECT_TRUE(RecordedEvents().empty());
    sink->Release();
  }
}

}  // namespace
