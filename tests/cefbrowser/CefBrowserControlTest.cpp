// The "CefBrowser" element with its client on the stand-in runtime, in this process: the
// browser's creation and placement, navigation before and after the browser arrives, the
// two-round close, pop-up requests, load ends, context menus and downloads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "CefTestSupport.h"
#include "browser/CefBrowserControl.h"
#include "browser/CefHostWindow.h"
#include "browser/CefMainThreadCall.h"
#include "browser/CefWebclient.h"
#include "browser/DetachedPlacement.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

// Position-record flags the window manager sets when the client area did not move or size.
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;

// One host window; the browser "b" at (20,30) 200x100, child placement when asked.
std::string OneBrowser(bool child, const std::string& handlers = "", const std::string& hostHandlers = "") {
  return "<LayoutRoot><FrameHostWindow id=\"main\" pos=\"100,100\" size=\"400,300\" center=\"false\">" +
         hostHandlers +
         "<Layout id=\"root\"><CefBrowser id=\"b\" pos=\"20,30\" size=\"200,100\" page=\"http://krui.test/start\"" +
         std::string(child ? " child=\"true\"" : " child=\"True\"") + ">" + handlers +
         "</CefBrowser></Layout></FrameHostWindow></LayoutRoot>";
}

class CefBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCreateDelay(0);
    ClearJournal();
    RecordedEvents().clear();
    firstIndex = Hooks().browser_count();
    quitsBefore = QuitCount();
    clientsBefore = CefWebclient::LiveCount();
  }
  void TearDown() override { SetCreateDelay(0); }

  // Creates the layout's "main" window and waits for the browser's first page.
  CCefBrowserControl* Open(CTestLayout& layout, const char* path = "root:b", bool show = false) {
    CHostWindow* main = layout.Window("main");
    if (!main || !main->Create(nullptr)) return nullptr;
    if (show) main->Show(SW_SHOWNOACTIVATE, false);
    return layout.Control<CCefBrowserControl>("main", path);
  }
  bool WaitForBrowser(CCefBrowserControl* control) {
    return Pump([&] { return control->Client() && control->Client()->HasBrowser(); });
  }
  static bool WaitGone(HWND hwnd) {
    return Pump([&] { return !::IsWindow(hwnd); });
  }

  int firstIndex = 0;
  int quitsBefore = 0;
  long clientsBefore = 0;
};

TEST_F(CefBrowser, ReadsItsAttributesAndRefusesChildren) {
  CTestLayout layout(OneBrowser(true));
  ASSERT_TRUE(layout.Loaded());
  auto* b = layout.Control<CCefBrowserControl>("main", "root:b");
  ASSERT_NE(nullptr, b);
  EXPECT_EQ("http://krui.test/start", b->Page());
  EXPECT_TRUE(b->IsChildPlacement());
  CCefBrowserControl other;
  EXPECT_EQ(0, b->AddChild(&other));
  EXPECT_TRUE(b->Children().empty());
  b->SetVisible(false);
  EXPECT_TRUE(b->IsVisible());
  // No host window yet: nothing to navigate, stop or reload.
  EXPECT_FALSE(b->Stop());
  EXPECT_FALSE(b->Refresh(true));

  CTestLayout detached(OneBrowser(false));
  EXPECT_FALSE(detached.Control<CCefBrowserControl>("main", "root:b")->IsChildPlacement());  // "True" is not "true"
}

TEST_F(CefBrowser, ChildBrowserIsMadeAtTheDeclaredRectAndFollowsTheLayout) {
  {
    CTestLayout layout(OneBrowser(true));
    CCefBrowserControl* b = Open(layout);
    ASSERT_NE(nullptr, b);
    ASSERT_TRUE(WaitForBrowser(b));
    HWND host = layout.Window("main")->GetHwnd();
    HWND window = b->Client()->GetBrowserWindow();
    ASSERT_EQ(Hooks().browser_window(firstIndex), window);
    EXPECT_EQ(host, ::GetParent(window));

    EXPECT_EQ(std::vector<std::wstring>{std::to_wstring(0x56010000)}, Journal("create_browser.style"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("create_browser.ex_style"));
    EXPECT_EQ(std::vector<std::wstring>{L"20"}, Journal("create_browser.x"));
    EXPECT_EQ(std::vector<std::wstring>{L"30"}, Journal("create_browser.y"));
    EXPECT_EQ(std::vector<std::wstring>{L"200"}, Journal("create_browser.width"));
    EXPECT_EQ(std::vector<std::wstring>{L"100"}, Journal("create_browser.height"));
    EXPECT_EQ(std::vector<std::wstring>{std::to_wstring(sizeof(cef_browser_settings_t))},
              Journal("create_browser.settings_size"));
    EXPECT_EQ(std::vector<std::wstring>{std::to_wstring(sizeof(cef_client_t))}, Journal("create_browser.client_size"));
    EXPECT_EQ(std::vector<std::wstring>{L"http://krui.test/start"}, Journal("create_browser.url"));
    EXPECT_EQ(std::vector<std::wstring>{L"1"}, Journal("browser.cross_thread_parent"));

    // A resize of the host lays the control out again; the browser window takes that rectangle.
    ::SendMessageW(host, WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 260));
    RECT rc = {};
    ::GetWindowRect(window, &rc);
    ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(b->Left(), rc.left);
    EXPECT_EQ(b->Top(), rc.top);
    EXPECT_EQ(b->Width(), rc.right - rc.left);
    EXPECT_EQ(b->Height(), rc.bottom - rc.top);

    // Two rounds: the first asks the page, the runtime sends the second.
    ::SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(host));
    ASSERT_TRUE(WaitGone(host));
    ASSERT_TRUE(Pump([&] { return QuitCount() > quitsBefore; }));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("host.close_browser"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("cookie_manager.flush_store"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("life_span.do_close"));
    EXPECT_EQ(std::vector<std::wstring>{L"parent"}, Journal("browser.wm_close_to_root"));
    EXPECT_EQ(1u, JournalCount("life_span.on_before_close"));
    // The client gave its browser up when the browser closed.
    EXPECT_EQ(0, Hooks().browser_references(firstIndex));
    EXPECT_FALSE(b->Client()->HasBrowser());
    EXPECT_TRUE(b->Client()->RequestClose());
  }
  // Every reference to the clients was given back: the runtime's and the element's (clients
  // of earlier tests may still go meanwhile).
  EXPECT_TRUE(Pump([&] { return CefWebclient::LiveCount() <= clientsBefore; }, 3000));
}

TEST_F(CefBrowser, NavigateBeforeTheBrowserArrivesLoadsOnceItDoes) {
  SetCreateDelay(300);
  CTestLayout layout(OneBrowser(true));
  CCefBrowserControl* b = Open(layout);
  ASSERT_NE(nullptr, b);
  EXPECT_FALSE(b->Navigate("http://krui.test/next"));
  EXPECT_FALSE(b->Stop());
  EXPECT_FALSE(b->Refresh(false));
  ASSERT_TRUE(Pump([] { return JournalCount("frame.load_url_main") > 0; }));
  EXPECT_EQ(std::vector<std::wstring>{L"http://krui.test/next"}, Journal("frame.load_url_main"));
  // The load ends on the runtime's thread, after the load was asked for.
  ASSERT_TRUE(Pump([] { return JournalCount("load_handler.on_load_end_main") > 1; }));
  EXPECT_EQ((std::vector<std::wstring>{L"http://krui.test/start", L"http://krui.test/next"}),
            Journal("load_handler.on_load_end_main"));
  // Retries waited 50 ms each, and ended once the page was loaded.
  for (const std::wstring& delay : Journal("post_task.delay_ms")) EXPECT_EQ(L"50", delay);
  const size_t retries = JournalCount("post_task.delay_ms");
  EXPECT_GE(retries, 1u);
  Pump(nullptr, 200);
  EXPECT_EQ(retries, JournalCount("post_task.delay_ms"));

  EXPECT_TRUE(b->Navigate("http://krui.test/third"));
  EXPECT_TRUE(b->Stop());
  EXPECT_TRUE(b->Refresh(true));
  EXPECT_TRUE(b->Refresh(false));
  ASSERT_TRUE(Pump([] { return JournalCount("browser.reload") > 0; }));
  EXPECT_EQ(1u, JournalCount("browser.stop_load"));
  EXPECT_EQ(1u, JournalCount("browser.reload_ignore_cache"));

  HWND host = layout.Window("main")->GetHwnd();
  ::PostMessageW(host, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitGone(host));
  ASSERT_TRUE(Pump([&] { return QuitCount() > quitsBefore; }));
}

// Two child browsers in one host, "b1" and "b2", each 100x100 at the host's right edge.
std::string TwoChildBrowsers() {
  return "<LayoutRoot><FrameHostWindow id=\"main\" pos=\"100,100\" size=\"400,300\" center=\"false\">"
         "<Layout id=\"root\">"
         "<CefBrowser id=\"b1\" pos=\"-200,0\" size=\"100,100\" child=\"true\" page=\"http://krui.test/1\"/>"
         "<CefBrowser id=\"b2\" pos=\"-100,0\" size=\"100,100\" child=\"true\" page=\"http://krui.test/2\"/>"
         "</Layout></FrameHostWindow></LayoutRoot>";
}

TEST_F(CefBrowser, WithoutABrowserOneRetryTaskWaitsPerBrowserAndTheHostClosesInOneRound) {
  SetCreateDelay(-1);
  {
    const long tasksBefore = Hooks().program_tasks();
    CTestLayout layout(TwoChildBrowsers());
    CCefBrowserControl* b1 = Open(layout, "root:b1");
    CCefBrowserControl* b2 = layout.Control<CCefBrowserControl>("main", "root:b2");
    ASSERT_TRUE(b1 && b2);
    HWND host = layout.Window("main")->GetHwnd();
    const size_t postsBefore = JournalCount("post_task.delay_ms");
    const ULONGLONG start = ::GetTickCount64();
    // A storm of resizes and navigations: each browser keeps the latest of each, with one
    // retry task under way.
    long most = 0;
    for (int i = 0; i < 20; ++i) {
      ::SendMessageW(host, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400 + i, 300 + i));
      EXPECT_FALSE(b1->Navigate("http://krui.test/never" + std::to_string(i)));
      most = std::max(most, Hooks().program_tasks() - tasksBefore);
    }
    Pump([&] {
      most = std::max(most, Hooks().program_tasks() - tasksBefore);
      return false;
    }, 500);
    EXPECT_EQ(2, most);
    const double seconds = (::GetTickCount64() - start) / 1000.0;
    std::printf("[ figures  ] two browsers that never come, 20 resizes: %ld retry tasks at most, %.0f posted a second\n",
                most, (JournalCount("post_task.delay_ms") - postsBefore) / seconds);
    EXPECT_FALSE(b1->Stop());
    EXPECT_FALSE(b2->Refresh(true));
    EXPECT_EQ(nullptr, b1->Client()->GetBrowserWindow());

    ::SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(host));
    EXPECT_EQ(0u, JournalCount("host.close_browser"));
    EXPECT_EQ(quitsBefore, QuitCount());
    // The closed host's clients stop waiting: the retries under way end without a next one.
    EXPECT_TRUE(Pump([&] { return Hooks().program_tasks() == tasksBefore; }, 500));
  }
}

TEST_F(CefBrowser, TheLastAddressAndRectangleAskedForBeforeTheBrowserArrivesWin) {
  // Made 100 ms after the request; the browser sits 200x100 at 20 from the host's right and
  // bottom edges, so each resize of the host moves it.
  SetCreateDelay(100);
  const std::string layoutXml =
      "<LayoutRoot><FrameHostWindow id=\"main\" pos=\"100,100\" size=\"400,300\" center=\"false\">"
      "<Layout id=\"root\"><CefBrowser id=\"b\" pos=\"-220,-120\" size=\"200,100\" child=\"true\" "
      "page=\"http://krui.test/start\"/></Layout></FrameHostWindow></LayoutRoot>";
  for (int run = 0; run < 20; ++run) {
    SCOPED_TRACE(run);
    ClearJournal();
    const long tasksBefore = Hooks().program_tasks();
    CTestLayout layout(layoutXml);
    CCefBrowserControl* b = Open(layout);
    ASSERT_NE(nullptr, b);
    HWND host = layout.Window("main")->GetHwnd();
    EXPECT_FALSE(b->Navigate("http://krui.test/older"));
    for (int w : {500, 460, 420}) ::SendMessageW(host, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w, w - 100));
    EXPECT_FALSE(b->Navigate("http://krui.test/latest"));
    EXPECT_EQ(1, Hooks().program_tasks() - tasksBefore);
    const RECT want = {b->Left(), b->Top(), b->Left() + b->Width(), b->Top() + b->Height()};
    ASSERT_EQ(200, want.left);  // 420 - 220
    ASSERT_TRUE(Pump([] { return JournalCount("frame.load_url_main") > 0; }));
    Pump(nullptr, 120);  // an older request still under way would have landed by now
    EXPECT_EQ(std::vector<std::wstring>{L"http://krui.test/latest"}, Journal("frame.load_url_main"));
    ASSERT_FALSE(Journal("load_handler.on_load_end_main").empty());
    EXPECT_EQ(L"http://krui.test/latest", Journal("load_handler.on_load_end_main").back());
    RECT rc = {};
    ::GetWindowRect(b->Client()->GetBrowserWindow(), &rc);
    ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(want.left, rc.left);
    EXPECT_EQ(want.top, rc.top);
    EXPECT_EQ(want.right, rc.right);
    EXPECT_EQ(want.bottom, rc.bottom);
    ::SendMessageW(host, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(host));
  }
}

TEST_F(CefBrowser, AHostClosedWhileItsBrowserIsBeingMadeClosesAtOnce) {
  SetCreateDelay(200);
  {
    CTestLayout layout(OneBrowser(true));
    CCefBrowserControl* b = Open(layout);
    ASSERT_NE(nullptr, b);
    HWND host = layout.Window("main")->GetHwnd();
    ::SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(host));
    ASSERT_TRUE(Pump([] { return JournalCount("browser.window_created") > 0; }));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("browser.window_created"));
  }
  EXPECT_EQ(clientsBefore, CefWebclient::LiveCount());
}

TEST_F(CefBrowser, DetachedToolWindowFollowsTheHost) {
  CTestLayout layout(OneBrowser(false, "", "<EventHandler interest=\"105\"><Record/></EventHandler>"));
  CCefBrowserControl* b = Open(layout, "root:b", true);
  ASSERT_NE(nullptr, b);
  ASSERT_TRUE(WaitForBrowser(b));
  HWND host = layout.Window("main")->GetHwnd();
  HWND tool = b->ToolWindow();
  ASSERT_NE(nullptr, tool);
  HWND window = b->Client()->GetBrowserWindow();
  EXPECT_EQ(tool, ::GetParent(window));
  EXPECT_EQ(nullptr, ::GetWindow(tool, GW_OWNER));
  EXPECT_EQ(::GetDesktopWindow(), ::GetAncestor(tool, GA_PARENT));
  EXPECT_EQ(_CefHostWindow::kStyle, static_cast<DWORD>(::GetWindowLongW(tool, GWL_STYLE)) & ~WS_VISIBLE);
  EXPECT_TRUE(::GetWindowLongW(tool, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(_CefHostWindow::kClassStyle, ::GetClassLongW(tool, GCL_STYLE));
  wchar_t cls[64] = {0};
  ::GetClassNameW(tool, cls, 64);
  EXPECT_EQ(0, std::wcsncmp(cls, L"KRUI:", 5));
  EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("create_browser.x"));
  EXPECT_EQ(std::vector<std::wstring>{L"200"}, Journal("create_browser.width"));

  auto toolRect = [&] {
    RECT rc = {};
    ::GetWindowRect(tool, &rc);
    return rc;
  };
  auto hostBelowTool = [&] { return ::GetWindow(tool, GW_HWNDNEXT) == host; };

  // WM_MOVE: the host's client origin plus the declared position.
  ::SendMessageW(host, WM_MOVE, 0, MAKELPARAM(300, 200));
  EXPECT_EQ(320, toolRect().left);
  EXPECT_EQ(230, toolRect().top);
  ::SendMessageW(host, WM_MOVE, 0, 0);  // no position: nothing
  EXPECT_EQ(320, toolRect().left);

  // WM_SIZE: hidden on minimise, back at the laid-out rectangle on restore.
  ::SendMessageW(host, WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_FALSE(::IsWindowVisible(tool));
  ::SendMessageW(host, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
  EXPECT_TRUE(::IsWindowVisible(tool));
  POINT origin = {b->Left(), b->Top()};
  ::ClientToScreen(host, &origin);
  EXPECT_EQ(origin.x, toolRect().left);
  EXPECT_EQ(origin.y, toolRect().top);
  EXPECT_EQ(b->Width(), toolRect().right - toolRect().left);
  EXPECT_EQ(b->Height(), toolRect().bottom - toolRect().top);
  EXPECT_TRUE(hostBelowTool());
  // The browser inside keeps the size it was made with.
  RECT browserRect = {};
  ::GetWindowRect(window, &browserRect);
  EXPECT_EQ(200, browserRect.right - browserRect.left);

  // WM_SHOWWINDOW hides and shows it with the host.
  ::SendMessageW(host, WM_SHOWWINDOW, FALSE, 0);
  EXPECT_FALSE(::IsWindowVisible(tool));
  ::SendMessageW(host, WM_SHOWWINDOW, TRUE, 0);
  EXPECT_TRUE(::IsWindowVisible(tool));
  EXPECT_TRUE(hostBelowTool());

  // Another window on top; activation of the application raises the tool window again.
  HWND other = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
  ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SendMessageW(host, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_NE(tool, ::GetTopWindow(nullptr));
  ::SendMessageW(host, WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(tool, ::GetTopWindow(nullptr));
  EXPECT_TRUE(hostBelowTool());

  // WM_WINDOWPOSCHANGED: the record's position plus the declared position (the host is
  // directly under the tool window already, so the host-below step changes nothing).
  WINDOWPOS pos = {host, nullptr, 150, 120, 400, 300, SWP_NOSIZE | kNoClientMove | kNoClientSize};
  ::SendMessageW(host, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_EQ(170, toolRect().left);
  EXPECT_EQ(150, toolRect().top);
  // Covered by another window: the tool window is raised, the host goes under it.
  for (UINT flags : {static_cast<UINT>(SWP_NOSIZE | kNoClientMove | kNoClientSize), static_cast<UINT>(SWP_NOMOVE)}) {
    ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pos.flags = flags;
    ::SendMessageW(host, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    EXPECT_EQ(tool, ::GetTopWindow(nullptr)) << flags;
    EXPECT_TRUE(hostBelowTool()) << flags;
  }
  ::DestroyWindow(other);
  // A dialog the host runs stays over the browser that the host's moves raise.
  HWND dialog = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
  ::SetActiveWindow(dialog);
  ::SendMessageW(host, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_EQ(dialog, ::GetTopWindow(nullptr));
  ::SendMessageW(host, WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(dialog, ::GetTopWindow(nullptr));
  ::DestroyWindow(dialog);

  // Alt+F4 in the page comes to the tool window as a system close: the host decides, as for
  // its own (here its handler only takes note), and nothing closes meanwhile.
  RecordedEvents().clear();
  ::PostMessageW(window, WM_SYSKEYDOWN, VK_F4, 1 << 29);
  ASSERT_TRUE(Pump([] { return !RecordedEvents().empty(); }));
  EXPECT_EQ(kWindowEventCloseRequest, RecordedEvents()[0].id);
  Pump(nullptr, 50);
  EXPECT_TRUE(::IsWindow(tool));
  EXPECT_TRUE(::IsWindow(window));
  EXPECT_EQ(0u, JournalCount("host.close_browser"));

  // The close goes through the tool window, which hands it to the host and goes with it.
  ::SendMessageW(host, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(host));
  ASSERT_TRUE(WaitGone(host));
  ASSERT_TRUE(WaitGone(tool));
  ASSERT_TRUE(Pump([&] { return QuitCount() > quitsBefore; }));
  EXPECT_EQ(std::vector<std::wstring>{L"parent"}, Journal("browser.wm_close_to_root"));
  EXPECT_EQ(1u, JournalCount("cookie_manager.flush_store"));
  EXPECT_EQ(0, Hooks().browser_references(firstIndex));
}

TEST_F(CefBrowser, TwoBrowsersInOneHostCloseInARoundEach) {
  {
    CTestLayout layout(
        "<LayoutRoot><FrameHostWindow id=\"main\" pos=\"100,100\" size=\"400,300\" center=\"false\"><Layout id=\"root\">"
        "<CefBrowser id=\"b1\" pos=\"0,0\" size=\"100,100\" child=\"true\" page=\"http://krui.test/1\"/>"
        "<CefBrowser id=\"b2\" pos=\"100,0\" size=\"100,100\" child=\"true\" page=\"http://krui.test/2\"/>"
        "</Layout></FrameHostWindow></LayoutRoot>");
    CCefBrowserControl* b1 = Open(layout, "root:b1");
    CCefBrowserControl* b2 = layout.Control<CCefBrowserControl>("main", "root:b2");
    ASSERT_TRUE(b1 && b2 && WaitForBrowser(b1) && WaitForBrowser(b2));
    HWND host = layout.Window("main")->GetHwnd();
    ::SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_EQ(1u, JournalCount("host.close_browser"));
    ASSERT_TRUE(WaitGone(host));
    EXPECT_EQ(2u, JournalCount("host.close_browser"));
    EXPECT_EQ(2u, JournalCount("cookie_manager.flush_store"));
    ASSERT_TRUE(Pump([] { return JournalCount("life_span.on_before_close") == 2; }));
    EXPECT_EQ(0, Hooks().browser_references(firstIndex));
    EXPECT_EQ(0, Hooks().browser_references(firstIndex + 1));
  }
  // Every reference to the clients was given back: the runtime's and the element's (clients
  // of earlier tests may still go meanwhile).
  EXPECT_TRUE(Pump([&] { return CefWebclient::LiveCount() <= clientsBefore; }, 3000));
}

TEST_F(CefBrowser, APageThatClosesItselfClosesItsHostInOneRound) {
  CTestLayout layout(OneBrowser(true));
  CCefBrowserControl* b = Open(layout);
  ASSERT_TRUE(b && WaitForBrowser(b));
  HWND host = layout.Window("main")->GetHwnd();
  Hooks().page_close(firstIndex);
  ASSERT_TRUE(WaitGone(host));
  ASSERT_TRUE(Pump([&] { return QuitCount() > quitsBefore; }));
  EXPECT_EQ(0u, JournalCount("host.close_browser"));
  EXPECT_EQ(1u, JournalCount("cookie_manager.flush_store"));
}

const char kPopupHandlers[] =
    "<EventHandler interest=\"102\"><Record/>"
    "<WBNavigate windowid=\"owner\" wbid=\"root:target\" fromdata=\"event\"/></EventHandler>"
    "<EventHandler interest=\"103\"><Record/></EventHandler>";

std::string TwoBrowsers() {
  return "<LayoutRoot><FrameHostWindow id=\"main\" pos=\"100,100\" size=\"400,300\" center=\"false\">"
         "<Layout id=\"root\"><CefBrowser id=\"b\" pos=\"0,0\" size=\"200,100\" child=\"true\" page=\"http://krui.test/a\">" +
         std::string(kPopupHandlers) +
         "</CefBrowser><CefBrowser id=\"target\" pos=\"200,0\" size=\"200,100\" child=\"true\"/>"
         "</Layout></FrameHostWindow></LayoutRoot>";
}

TEST_F(CefBrowser, InterceptedPopupsRaiseTheirUrlOnTheMainThreadAndOpenNothing) {
  {
    CTestLayout layout(TwoBrowsers());
    CCefBrowserControl* b = Open(layout);
    CCefBrowserControl* target = layout.Control<CCefBrowserControl>("main", "root:target");
    ASSERT_TRUE(b && target && WaitForBrowser(b) && WaitForBrowser(target));
    ASSERT_TRUE(Pump([] { return !RecordedEvents().empty(); }));  // the first page's load end
    RecordedEvents().clear();
    const int browsers = Hooks().browser_count();

    for (int disposition : {1, 3, 4, 5, 6}) {
      std::wstring url = L"http://krui.test/popup" + std::to_wstring(disposition);
      size_t before = JournalCount("popup.cancel");
      Hooks().popup(firstIndex, url.c_str(), url.size(), disposition);
      ASSERT_TRUE(Pump([&] { return JournalCount("popup.cancel") > before; })) << disposition;
      EXPECT_EQ(L"1", Journal("popup.cancel").back()) << disposition;
      ASSERT_FALSE(RecordedEvents().empty()) << disposition;
      const RecordedEvent& e = RecordedEvents().back();
      EXPECT_EQ(102, e.id);
      EXPECT_TRUE(e.hasText);
      EXPECT_EQ(std::string(url.begin(), url.end()), e.text);
      EXPECT_EQ(::GetCurrentThreadId(), e.thread);
      // The handler's WBNavigate took the URL to the other browser.
      ASSERT_FALSE(Journal("frame.load_url_main").empty());
      EXPECT_EQ(url, Journal("frame.load_url_main").back());
    }
    EXPECT_EQ(browsers, Hooks().browser_count());
    EXPECT_EQ(0u, JournalCount("popup.opened"));
    for (const std::wstring& kept : Journal("popup.browser_refs_kept")) EXPECT_EQ(L"0", kept);
    ::PostMessageW(layout.Window("main")->GetHwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(layout.Window("main")->GetHwnd()));
  }
  // Every reference to the clients was given back: the runtime's and the element's (clients
  // of earlier tests may still go meanwhile).
  EXPECT_TRUE(Pump([&] { return CefWebclient::LiveCount() <= clientsBefore; }, 3000));
}

TEST_F(CefBrowser, PopupUrlsWithoutTextOrTooLongRaiseTheEventWithoutText) {
  CTestLayout layout(TwoBrowsers());
  CCefBrowserControl* b = Open(layout);
  ASSERT_TRUE(b && WaitForBrowser(b));
  ASSERT_TRUE(Pump([] { return !RecordedEvents().empty(); }));
  struct Case {
    const wchar_t* url;
    size_t length;
    bool hasText;
    std::string text;
  };
  static const wchar_t kShort[] = L"http://krui.test/x";
  static const wchar_t kLoneSurrogate[] = {L'h', 0xD800, L'x', 0};
  const Case cases[] = {
      {L"", 0, true, ""},
      {nullptr, 0, false, ""},
      // A length the runtime could never mean: not even read.
      {kShort, 0x3FFFFFFF, false, ""},
      {kLoneSurrogate, 3, true, ""},
      // In the thread's ANSI code page: GBK bytes under 936, "?" where it has no such letters.
      {L"http://krui.test/\u9519\u8BEF", 19, true,
       ::GetACP() == 936 ? "http://krui.test/\xB4\xED\xCE\xF3" : "http://krui.test/??"},
  };
  for (const Case& c : cases) {
    RecordedEvents().clear();
    size_t before = JournalCount("popup.cancel");
    Hooks().popup(firstIndex, c.url, c.length, WOD_NEW_POPUP);
    ASSERT_TRUE(Pump([&] { return JournalCount("popup.cancel") > before; }));
    EXPECT_EQ(L"1", Journal("popup.cancel").back());
    ASSERT_EQ(1u, RecordedEvents().size());
    EXPECT_EQ(c.hasText, RecordedEvents()[0].hasText) << c.length;
    if (c.hasText && !c.text.empty()) {
      EXPECT_EQ(c.text, RecordedEvents()[0].text);
    }
  }
  ::PostMessageW(layout.Window("main")->GetHwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitGone(layout.Window("main")->GetHwnd()));
}

TEST_F(CefBrowser, OtherPopupsOpenAndBecomeTheClientsBrowser) {
  {
    CTestLayout layout(TwoBrowsers());
    CCefBrowserControl* b = Open(layout);
    ASSERT_TRUE(b && WaitForBrowser(b));
    for (int disposition : {0, 2, 7, 8, 9}) {
      RecordedEvents().clear();
      const int index = Hooks().browser_count();
      const int quits = QuitCount();
      Hooks().popup(firstIndex, L"http://krui.test/opened", 23, disposition);
      ASSERT_TRUE(Pump([&] { return Hooks().browser_count() > index && Hooks().browser_window(index); })) << disposition;
      ASSERT_TRUE(Pump([&] { return b->Client()->GetBrowserWindow() == Hooks().browser_window(index); }));
      for (const RecordedEvent& e : RecordedEvents()) EXPECT_NE(102, e.id) << disposition;
      HWND popup = Hooks().browser_window(index);
      EXPECT_FALSE(::GetWindowLongW(popup, GWL_STYLE) & WS_CHILD);  // a top-level window
      // Its user closes it: the client lets it go and the application's loop is told to end.
      ::PostMessageW(popup, WM_CLOSE, 0, 0);
      ASSERT_TRUE(WaitGone(popup));
      ASSERT_TRUE(Pump([&] { return QuitCount() > quits; }));
      EXPECT_EQ(0, Hooks().browser_references(index));
      EXPECT_FALSE(b->Client()->HasBrowser());
    }
    // The opener left the client's slot when the first pop-up replaced it; it is still open,
    // and only the list of open browsers the shutdown closes holds it.
    EXPECT_EQ(1, Hooks().browser_references(firstIndex));
    ::PostMessageW(layout.Window("main")->GetHwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(layout.Window("main")->GetHwnd()));
  }
  // Every reference to the clients was given back: the runtime's and the element's (clients
  // of earlier tests may still go meanwhile).
  EXPECT_TRUE(Pump([&] { return CefWebclient::LiveCount() <= clientsBefore; }, 3000));
}

TEST_F(CefBrowser, MainFrameLoadEndsRaiseTheEventAndSubFramesNothing) {
  CTestLayout layout(TwoBrowsers());
  CCefBrowserControl* b = Open(layout);
  ASSERT_TRUE(b && WaitForBrowser(b));
  ASSERT_TRUE(Pump([] { return RecordedEvents().size() == 1; }));
  EXPECT_EQ(103, RecordedEvents()[0].id);
  EXPECT_FALSE(RecordedEvents()[0].hasText);
  EXPECT_EQ(::GetCurrentThreadId(), RecordedEvents()[0].thread);

  Hooks().subframe_load(firstIndex, L"http://krui.test/frame");
  ASSERT_TRUE(Pump([] { return JournalCount("load_handler.on_load_end_sub") > 0; }));
  EXPECT_TRUE(b->Navigate("http://krui.test/b"));
  ASSERT_TRUE(Pump([] { return RecordedEvents().size() == 2; }));
  Pump(nullptr, 100);
  EXPECT_EQ(2u, RecordedEvents().size());
  for (const std::wstring& kept : Journal("load_handler.browser_refs_kept")) EXPECT_EQ(L"0", kept);
  // Once the call channel is closed (the loop is over), a load end runs no handler.
  CCefMainThreadCall::Close();
  EXPECT_TRUE(b->Navigate("http://krui.test/late"));
  ASSERT_TRUE(Pump([] { return Journal("load_handler.on_load_end_main").back() == L"http://krui.test/late"; }));
  Pump(nullptr, 50);
  EXPECT_EQ(2u, RecordedEvents().size());
  ASSERT_TRUE(CCefMainThreadCall::Prepare());
  ::PostMessageW(layout.Window("main")->GetHwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitGone(layout.Window("main")->GetHwnd()));
}

TEST_F(CefBrowser, ContextMenusArriveEmptiedAndDownloadsAskWhereToSave) {
  {
    CTestLayout layout(OneBrowser(true));
    CCefBrowserControl* b = Open(layout);
    ASSERT_TRUE(b && WaitForBrowser(b));
    Hooks().context_menu(firstIndex);
    Hooks().download(firstIndex, L"game-setup.exe");
    ASSERT_TRUE(Pump([] { return JournalCount("download.callback_given_back") > 0; }));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("context_menu.items_shown"));
    EXPECT_EQ(std::vector<std::wstring>{L"1"}, Journal("context_menu.model_given_back"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("context_menu.browser_refs_kept"));
    EXPECT_EQ(std::vector<std::wstring>{L"game-setup.exe"}, Journal("download.cont_path"));
    EXPECT_EQ(std::vector<std::wstring>{L"1"}, Journal("download.cont_show_dialog"));
    EXPECT_EQ(std::vector<std::wstring>{L"1"}, Journal("download.item_given_back"));
    EXPECT_EQ(std::vector<std::wstring>{L"1"}, Journal("download.callback_given_back"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, Journal("download.browser_refs_kept"));
    ::PostMessageW(layout.Window("main")->GetHwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(layout.Window("main")->GetHwnd()));
  }
  // Every reference to the clients was given back: the runtime's and the element's (clients
  // of earlier tests may still go meanwhile).
  EXPECT_TRUE(Pump([&] { return CefWebclient::LiveCount() <= clientsBefore; }, 3000));
}

TEST_F(CefBrowser, AShellOpenUrlOnAPopupOpensNothingButWebAddresses) {
  // The recording action runs only when ShellOpenUrl opened nothing (success stops the handler).
  CTestLayout layout(
      "<LayoutRoot><FrameHostWindow id=\"main\" pos=\"100,100\" size=\"400,300\" center=\"false\"><Layout id=\"root\">"
      "<CefBrowser id=\"b\" pos=\"0,0\" size=\"200,100\" child=\"true\" page=\"http://krui.test/a\">"
      "<EventHandler interest=\"102\"><ShellOpenUrl fromdata=\"event\" browser=\"default\" retval=\"1\"/>"
      "<Record/></EventHandler></CefBrowser></Layout></FrameHostWindow></LayoutRoot>");
  CCefBrowserControl* b = Open(layout);
  ASSERT_TRUE(b && WaitForBrowser(b));
  for (const wchar_t* url : {L"file:///C:/windows/notepad.exe", L"C:\\windows\\notepad.exe", L"javascript:1"}) {
    RecordedEvents().clear();
    Hooks().popup(firstIndex, url, std::wcslen(url), WOD_NEW_WINDOW);
    ASSERT_TRUE(Pump([] { return !RecordedEvents().empty(); })) << url;
  }
  ::PostMessageW(layout.Window("main")->GetHwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitGone(layout.Window("main")->GetHwnd()));
}

}  // namespace
