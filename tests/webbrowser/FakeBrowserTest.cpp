// The "WebBrowser" element with a stand-in browser: failures to make it, and the keyboard
// hand-over to the page's in-place active object.
#include <gtest/gtest.h>

#include "app/Application.h"
#include "webbrowser/FakeBrowser.h"
#include "webbrowser/WebBrowserTestSupport.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

TEST(WebBrowserWithoutBrowser, StaysWithoutBrowserWhenItCannotBeMadeOrIsNoWebBrowser) {
  for (FakeBrowserKind kind : {FakeBrowserKind::kRefused, FakeBrowserKind::kNoWebBrowser2}) {
    FakeBrowserLog log;
    FakeBrowserRegistration fake(kind, log);
    ASSERT_TRUE(fake.ok());
    BrowserWindow w("pos=\"0,0\" size=\"200,100\" page=\"http://127.0.0.1:9/start\"",
                    "<EventHandler interest=\"101\"><Record/></EventHandler>");
    RecordedEvents().clear();
    ASSERT_NE(nullptr, w.Open());
    CWebBrowserControl* control = w.Browser();
    EXPECT_NE(nullptr, control->AxHostWindow());
    EXPECT_EQ(nullptr, control->Browser());
    EXPECT_FALSE(control->Stop());
    EXPECT_FALSE(control->Refresh(true));
    EXPECT_TRUE(control->Navigate("http://127.0.0.1:9/next"));
    EXPECT_EQ("http://127.0.0.1:9/next", control->Page());
    EXPECT_TRUE(RecordedEvents().empty());
  }
}

TEST(WebBrowserWithStandIn, NavigatesStopsAndRefreshesTheBrowserItMade) {
  FakeBrowserLog log;
  FakeBrowserRegistration fake(FakeBrowserKind::kBrowser, log);
  BrowserWindow w("pos=\"0,0\" size=\"200,100\" page=\"http://127.0.0.1:9/start\"");
  w.Open();
  CWebBrowserControl* control = w.Browser();
  ASSERT_NE(nullptr, control->Browser());
  EXPECT_TRUE(control->Navigate("http://127.0.0.1:9/next"));
  EXPECT_TRUE(control->Stop());
  EXPECT_TRUE(control->Refresh(false));
  const std::vector<std::wstring> navigated = {L"http://127.0.0.1:9/start", L"http://127.0.0.1:9/next"};
  EXPECT_EQ(navigated, log.navigated);
  EXPECT_EQ(1, log.stops);
  EXPECT_EQ(1, log.refreshes);
}

struct KeyboardCase {
  const char* transacc;
  bool toHost;                        // addressed to the frame window rather than the page
  std::vector<UINT> offered;          // offered to the page's TranslateAccelerator
  std::vector<UINT> dispatched;       // left for translation and dispatch
};

TEST(WebBrowserWithStandIn, KeyboardMessagesReachThePageOnlyWithTransacc) {
  const KeyboardCase cases[] = {
      {"transacc=\"true\"", false, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}, {WM_CHAR, WM_KEYUP}},
      {"transacc=\"true\"", true, {}, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}},
      {"transacc=\"yes\"", false, {}, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}},
      {"", false, {}, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}},
  };
  for (const KeyboardCase& c : cases) {
    SCOPED_TRACE(std::string(c.transacc) + (c.toHost ? " to the host" : ""));
    FakeBrowserLog log;
    FakeBrowserRegistration fake(FakeBrowserKind::kBrowser, log);
    BrowserWindow w(std::string("pos=\"0,0\" size=\"200,100\" ") + c.transacc);
    HWND host = w.Open();
    HWND target = c.toHost ? host : w.Browser()->AxHostWindow();
    ASSERT_NE(nullptr, target);
    MessageLog dispatched(host, WM_KEYDOWN, WM_UNICHAR);
    ::PostMessageW(target, WM_KEYDOWN, VK_F5, 1);  // no character of its own
    ::PostMessageW(target, WM_CHAR, 'a', 1);
    ::PostMessageW(target, WM_KEYUP, VK_F5, 1);
    ::PostQuitMessage(0);  // delivered once the posted messages are through
    Application::Get()->RunMessageLoop();
    EXPECT_EQ(c.offered, log.offered);
    EXPECT_EQ(c.dispatched, dispatched.messages);
  }
}

}  // namespace
