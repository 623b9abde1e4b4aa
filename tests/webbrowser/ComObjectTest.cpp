// The rules every COM object of the program keeps through its one base: each listed
// interface (and what it also answers for) is found, all of them share one IUnknown, a found
// interface comes with a reference and anything else leaves a null out-pointer.
#include <gtest/gtest.h>
#include <exdisp.h>
#include <mshtmhst.h>

#include <vector>

#include "browser/AxHostWindowClass.h"
#include "browser/OleClientSiteImpl.h"
#include "browser/WebBrowserEvents.h"

using namespace KRUI;

namespace {

struct ObjectCase {
  const char* name;
  IUnknown* object;  // one reference, the test's
  std::vector<IID> answered;
};

TEST(ComObject, ListedInterfacesShareOneIdentityAndCountTheirReferences) {
  HWND host = ::CreateWindowExW(0, CAxHostWindowClass::kClassName, nullptr, WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(nullptr, host);
  const ObjectCase cases[] = {
      {"container", reinterpret_cast<IUnknown*>(::SendMessageW(host, CAxHostWindowClass::GetHostMessage(), 0, 0)),
       {IID_IOleClientSite, IID_IOleWindow, IID_IOleInPlaceSite, IID_IOleInPlaceUIWindow, IID_IOleInPlaceFrame}},
      {"client site", static_cast<IOleClientSite*>(new COleClientSiteImpl()),
       {IID_IOleClientSite, IID_IServiceProvider, IID_IOleCommandTarget, IID_IDocHostUIHandler}},
      {"event sink", static_cast<IDispatch*>(new CWebBrowserEvents(nullptr)), {IID_IDispatch, DIID_DWebBrowserEvents2}},
  };
  for (const ObjectCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(nullptr, c.object);
    IUnknown* identity = nullptr;
    ASSERT_EQ(S_OK, c.object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
    const ULONG held = c.object->AddRef() - 1;  // the references there are now
    EXPECT_EQ(held, c.object->Release());
    for (const IID& iid : c.answered) {
      IUnknown* found = nullptr;
      ASSERT_EQ(S_OK, c.object->QueryInterface(iid, reinterpret_cast<void**>(&found)));
      IUnknown* again = nullptr;
      ASSERT_EQ(S_OK, found->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&again)));
      EXPECT_EQ(identity, again);
      EXPECT_EQ(held + 1, again->Release());
      EXPECT_EQ(held, found->Release());
    }
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, c.object->QueryInterface(IID_IWebBrowser2, &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(E_POINTER, c.object->QueryInterface(IID_IUnknown, nullptr));
    EXPECT_EQ(held - 1, identity->Release());
    c.object->Release();  // the last one for the site and the sink; the window holds the container
  }
  ::DestroyWindow(host);
}

}  // namespace
