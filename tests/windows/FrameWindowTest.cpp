#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "support/Bmp.h"
#include "support/GdiplusSession.h"
#include "support/MessagePump.h"
#include "support/TempDir.h"
#include "ui/core/Control.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/windows/FrameHostWindow.h"
#include "windows/WindowTestElements.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

::testing::Environment* const gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

// One layout document per test, loaded by a loader of its own.
class FrameWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordedEvents().clear();
    BoxLog().clear();
  }
  void Load(const std::string& body) {
    ASSERT_TRUE(loader.Load(dir.Write("layout/layout.xml", "<LayoutRoot>" + body + "</LayoutRoot>")));
  }
  CFrameHostWindow* Window(const std::string& id) {
    return dynamic_cast<CFrameHostWindow*>(loader.FindTopLevelWindow(id));
  }
  HWND Open(const std::string& id) {
    CFrameHostWindow* w = Window(id);
    EXPECT_NE(nullptr, w) << id;
    if (!w) return nullptr;
    HWND hwnd = w->Create(nullptr);
    EXPECT_NE(nullptr, hwnd) << id;
    PumpMessagesFor(50);
    return hwnd;
  }
  std::vector<int> EventIds(const std::string& sender) {
    std::vector<int> ids;
    for (const auto& e : RecordedEvents())
      if (e.sender == sender) ids.push_back(e.id);
    return ids;
  }
  static LRESULT HitTestAt(HWND hwnd, int clientX, int clientY) {
    POINT p = {clientX, clientY};
    ::ClientToScreen(hwnd, &p);
    return ::SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }

  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
};

const char kAllEvents[] =
    R"(<EventHandler interest="101"><Record/></EventHandler>
       <EventHandler interest="103"><Record/></EventHandler>
       <EventHandler interest="104"><Record/></EventHandler>
       <EventHandler interest="105"><Record/></EventHandler>)";

TEST_F(FrameWindows, NativeWindowFollowsTheAttributes) {
  Load(R"(<FrameHostWindow id="w" pos="50,60" size="300,200" center="false" title="Launcher"
                           maximizebox="true" toolwindow="true"/>
          <FrameHostWindow id="plain" size="100,80" visible="false" minimizebox="true"/>)");
  HWND hwnd = Open("w");
  ASSERT_NE(nullptr, hwnd);
  wchar_t cls[64] = {0};
  ::GetClassNameW(hwnd, cls, 64);
  EXPECT_STREQ(L"_HOSTINNER_FRAMEWINDOW", cls);
  EXPECT_EQ(static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS), ::GetClassLongW(hwnd, GCL_STYLE));
  const DWORD style = ::GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_MAXIMIZEBOX),
            style & ~static_cast<DWORD>(WS_VISIBLE));
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_EQ(static_cast<DWORD>(WS_EX_TOOLWINDOW), ::GetWindowLongW(hwnd, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_LAYERED));
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(50, r.left);
  EXPECT_EQ(60, r.top);
  EXPECT_EQ(300, r.right - r.left);
  EXPECT_EQ(200, r.bottom - r.top);
  wchar_t title[64] = {0};
  ::GetWindowTextW(hwnd, title, 64);
  EXPECT_STREQ(L"Launcher", title);

  HWND plain = Open("plain");
  EXPECT_FALSE(::IsWindowVisible(plain));
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_MINIMIZEBOX),
            static_cast<DWORD>(::GetWindowLongW(plain, GWL_STYLE)));
  EXPECT_EQ(0, ::GetWindowTextLengthW(plain));
  EXPECT_EQ(0, ::GetWindowLongW(plain, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  // Centred by default, inside the work area of its monitor.
  MONITORINFO mi = {sizeof(mi)};
  ::GetMonitorInfoW(::MonitorFromWindow(plain, MONITOR_DEFAULTTONEAREST), &mi);
  ::GetWindowRect(plain, &r);
  EXPECT_NEAR((mi.rcWork.left + mi.rcWork.right) / 2, (r.left + r.right) / 2, 1);
  EXPECT_NEAR((mi.rcWork.top + mi.rcWork.bottom) / 2, (r.top + r.bottom) / 2, 1);
}

TEST_F(FrameWindows, ChineseTitleUsesTheThreadCodePage) {
  // 启动器 in UTF-8.
  Load("<FrameHostWindow id=\"w\" size=\"100,50\" title=\"\xE5\x90\xAF\xE5\x8A\xA8\xE5\x99\xA8\"/>");
  HWND hwnd = Open("w");
  wchar_t title[64] = {0};
  ::GetWindowTextW(hwnd, title, 64);
  if (::GetACP() == 936) {
    EXPECT_STREQ(L"\x542F\x52A8\x5668", title);
  } else {
    EXPECT_STREQ(L"???", title);  // the code page has no form for them
  }
}

TEST_F(FrameWindows, IconComesFromTheLayoutFolder) {
  dir.Write("layout/app.ico", MakeIcon(0x3366CC));
  dir.Write("layout/fake.ico", "not an icon at all");
  Load(R"(<FrameHostWindow id="with" size="100,50" icon="app.ico"/>
          <FrameHostWindow id="missing" size="100,50" icon="nothere.ico"/>
          <FrameHostWindow id="fake" size="100,50" icon="fake.ico"/>)");
  HWND with = Open("with");
  HICON small = reinterpret_cast<HICON>(::SendMessageW(with, WM_GETICON, ICON_SMALL, 0));
  HICON big = reinterpret_cast<HICON>(::SendMessageW(with, WM_GETICON, ICON_BIG, 0));
  EXPECT_NE(nullptr, small);
  EXPECT_EQ(small, big);
  for (const char* id : {"missing", "fake"}) {
    HWND hwnd = Open(id);
    ASSERT_NE(nullptr, hwnd) << id;
    EXPECT_EQ(0, ::SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0)) << id;
    EXPECT_EQ(0, ::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0)) << id;
  }
}

TEST_F(FrameWindows, BadGeometryAndNoRootControlDoNotBreakTheWindow) {
  Load(R"(<FrameHostWindow id="zero" size="0,0"/><FrameHostWindow id="negative" size="-5,-7" pos="10,10" center="false"/>)");
  for (const char* id : {"zero", "negative"}) {
    HWND hwnd = Open(id);
    ASSERT_NE(nullptr, hwnd) << id;
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);
    // Without controls every hit test is the default window procedure's answer.
    RECT r;
    ::GetWindowRect(hwnd, &r);
    const LPARAM at = MAKELPARAM(r.left, r.top);
    EXPECT_EQ(::DefWindowProcW(hwnd, WM_NCHITTEST, 0, at), ::SendMessageW(hwnd, WM_NCHITTEST, 0, at)) << id;
    EXPECT_EQ(nullptr, Window(id)->FindControl("anything"));
  }
}

TEST_F(FrameWindows, CreatedEventComesAfterShowAndCentre) {
  Load(std::string(R"(<FrameHostWindow id="w" size="200,100">)") + kAllEvents + "</FrameHostWindow>");
  HWND hwnd = Open("w");
  ASSERT_FALSE(RecordedEvents().empty());
  const RecordedEvent* created = nullptr;
  for (const auto& e : RecordedEvents())
    if (e.id == 101) created = &e;
  ASSERT_NE(nullptr, created);
  EXPECT_TRUE(created->senderVisible);
  RECT now;
  ::GetWindowRect(hwnd, &now);
  EXPECT_EQ(now.left, created->senderRect.left);  // already centred when the event ran
  EXPECT_EQ(now.top, created->senderRect.top);
  EXPECT_NE(0, now.left);
}

TEST_F(FrameWindows, SizeEventsCarryTheResizeType) {
  Load(std::string(R"(<FrameHostWindow id="w" size="200,100" minimizebox="true" maximizebox="true">)") + kAllEvents +
       "</FrameHostWindow>");
  HWND hwnd = Open("w");
  RecordedEvents().clear();
  ::ShowWindow(hwnd, SW_MINIMIZE);
  PumpMessagesFor(50);
  ::ShowWindow(hwnd, SW_RESTORE);
  ::ShowWindow(hwnd, SW_MAXIMIZE);
  PumpMessagesFor(50);
  std::vector<intptr_t> params;
  for (const auto& e : RecordedEvents())
    if (e.id == 104) params.push_back(e.param);
  EXPECT_NE(params.end(), std::find(params.begin(), params.end(), SIZE_MINIMIZED));
  EXPECT_NE(params.end(), std::find(params.begin(), params.end(), SIZE_MAXIMIZED));
  // A maximised frame covers the full-screen area plus the dialog frame (and caption).
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(::GetSystemMetrics(SM_CXFULLSCREEN) + ::GetSystemMetrics(SM_CXDLGFRAME), r.right - r.left);
  EXPECT_EQ(::GetSystemMetrics(SM_CYFULLSCREEN) + ::GetSystemMetrics(SM_CYDLGFRAME) + ::GetSystemMetrics(SM_CYCAPTION),
            r.bottom - r.top);
}

TEST_F(FrameWindows, EachTimerFiresOnce) {
  Load(std::string(R"(<FrameHostWindow id="w" size="200,100">)") + kAllEvents + "</FrameHostWindow>");
  HWND hwnd = Open("w");
  RecordedEvents().clear();
  ::SetTimer(hwnd, 7, 10, nullptr);
  ::SetTimer(hwnd, 8, 10, nullptr);
  PumpMessagesFor(300);
  EXPECT_EQ((std::vector<int>{103, 103}), EventIds("w"));
  EXPECT_FALSE(::KillTimer(hwnd, 7));  // already gone
}

TEST_F(FrameWindows, SystemCloseOnlyRaisesAnEventWhileCloseDestroys) {
  Load(std::string(R"(<FrameHostWindow id="w" size="200,100">)") + kAllEvents + "</FrameHostWindow>");
  CFrameHostWindow* w = Window("w");
  HWND hwnd = Open("w");
  RecordedEvents().clear();
  ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(std::vector<int>{105}, EventIds("w"));
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_TRUE(::IsWindowVisible(hwnd));

  RecordedEvents().clear();
  w->Close();
  PumpUntil([&] { return !::IsWindow(hwnd); }, 1000);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(nullptr, w->GetHwnd());
  EXPECT_TRUE(EventIds("w").empty());
  EXPECT_EQ(-1, w->Show(SW_SHOW, false));

  // A later Create brings up a new window with the same attributes.
  HWND again = w->Create(nullptr);
  ASSERT_NE(nullptr, again);
  EXPECT_TRUE(::IsWindowVisible(again));
  RECT r;
  ::GetWindowRect(again, &r);
  EXPECT_EQ(200, r.right - r.left);
  ASSERT_FALSE(EventIds("w").empty());
  EXPECT_EQ(101, EventIds("w").front());
}

TEST_F(FrameWindows, MinimumTrackingSizeAndShowCommands) {
  Load(R"(<FrameHostWindow id="w" size="300,200" minsize="250,150" showdefault="3" maximizebox="true" visible="false"/>)");
  CFrameHostWindow* w = Window("w");
  HWND hwnd = Open("w");
  MINMAXINFO mmi = {};
  ::SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  EXPECT_EQ(250, mmi.ptMinTrackSize.x);
  EXPECT_EQ(150, mmi.ptMinTrackSize.y);

  EXPECT_EQ(0, w->Show(0, false));  // hidden before: 0
  EXPECT_TRUE(::IsZoomed(hwnd));
  EXPECT_EQ(1, w->Show(-1, false));  // SW_SHOW keeps it shown
  w->Hide(0);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  EXPECT_EQ(0, w->Show(SW_SHOWNORMAL, true));
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  EXPECT_FALSE(::IsZoomed(hwnd));
}

}  // namespace

namespace {

// A window whose timer handler closes it at once (a synchronous WM_CLOSE) and opens it
// again: the close ends the native window while that handler still runs in its procedure.
TEST_F(FrameWindows, AWindowClosedAndReopenedByItsOwnHandlerComesBack) {
  Load(R"(<FrameHostWindow id="w" pos="40,40" size="160,120" center="false">
            <EventHandler interest="101"><Record/></EventHandler>
            <EventHandler interest="103">
              <SendOwner message="16"/>
              <ShowWindow windowid="owner" showopt="active" show="show"/>
              <Record/>
            </EventHandler>
            <Layout id="root"><Box id="face" pos="0,0" size="0,0" color="0,128,255"/></Layout>
          </FrameHostWindow>)");
  CFrameHostWindow* w = Window("w");
  HWND previous = Open("w");
  ASSERT_NE(nullptr, previous);
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    ::SetTimer(previous, 1, 10, nullptr);
    ASSERT_TRUE(PumpUntil([&] {
      std::vector<int> ids = EventIds("w");
      return std::count(ids.begin(), ids.end(), 103) == round;
    }, 3000));
    HWND now = w->GetHwnd();
    EXPECT_FALSE(::IsWindow(previous));
    ASSERT_NE(nullptr, now);
    EXPECT_NE(previous, now);
    EXPECT_TRUE(::IsWindowVisible(now));
    // The new window was created (101) before the handler's last action ran.
    const std::vector<int> ids = EventIds("w");
    EXPECT_EQ(101, ids[ids.size() - 2]);
    EXPECT_TRUE(RecordedEvents().back().senderVisible);
    // It paints and answers like the first one.
    PumpMessagesFor(50);
    RECT r;
    ::GetWindowRect(now, &r);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(RGB(0, 128, 255), ::GetPixel(screen, r.left + 80, r.top + 60));
    ::ReleaseDC(nullptr, screen);
    previous = now;
  }
  ::DestroyWindow(previous);
}

// Handlers that raise their own event again at once: a size handler resizing its window,
// a click handler clicking its own button deep in the tree. Each nesting is cut off at the
// dispatch limit instead of running until the stack is gone.
TEST_F(FrameWindows, EventsRaisedFromTheirOwnHandlersStopAtTheNestingLimit) {
  // Window, layouts, box, handler and action: the action sits at the deepest level built.
  std::string deep;
  for (size_t i = 0; i + 4 < kLayoutNestingLimit; ++i) deep += "<Layout id=\"l" + std::to_string(i) + "\">";
  deep += R"(<Box id="b" pos="0,0" size="20,20" clicks="true">
               <EventHandler interest="101"><SendOwner message="514"/><Record/></EventHandler></Box>)";
  for (size_t i = 0; i + 4 < kLayoutNestingLimit; ++i) deep += "</Layout>";
  Load(R"(<FrameHostWindow id="w" pos="40,40" size="160,120" center="false">
            <EventHandler interest="104"><SendOwner message="5"/><Record/></EventHandler>)" +
       deep + "</FrameHostWindow>");
  HWND hwnd = Open("w");
  ASSERT_NE(nullptr, hwnd);

  RecordedEvents().clear();
  ::SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(160, 120));
  EXPECT_EQ(static_cast<size_t>(kDispatchDepthLimit), RecordedEvents().size());

  RecordedEvents().clear();
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(static_cast<size_t>(kDispatchDepthLimit), RecordedEvents().size());
  for (const auto& e : RecordedEvents()) EXPECT_EQ("b", e.sender);
  // The worst case of both limits together (each nested click walks the whole tree down to
  // the button) stays well inside the 2 MiB main-thread stack.
  if (!RecordedEvents().empty()) {
    const uintptr_t used = RecordedEvents().back().stack - RecordedEvents().front().stack;
    std::printf("stack used by %d nested clicks %zu levels deep: %zu bytes\n", kDispatchDepthLimit,
                kLayoutNestingLimit, static_cast<size_t>(used));
    EXPECT_LT(used, 1024u * 1024u);
  }

  // Nothing is left over: one more size event runs its handler the full depth again.
  RecordedEvents().clear();
  ::SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(160, 120));
  EXPECT_EQ(static_cast<size_t>(kDispatchDepthLimit), RecordedEvents().size());
  ::DestroyWindow(hwnd);
}

}  // namespace
