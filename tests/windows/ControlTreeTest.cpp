#include <gtest/gtest.h>

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

// A 400x300 frame window at (100,100) whose control tree is the test's body.
class ControlTree : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordedEvents().clear();
    BoxLog().clear();
  }
  HWND Open(const std::string& tree, const std::string& windowAttributes = "") {
    const std::string doc = R"(<LayoutRoot><FrameHostWindow id="w" pos="100,100" size="400,300" center="false" )" +
                            windowAttributes + ">" + tree + "</FrameHostWindow></LayoutRoot>";
    EXPECT_TRUE(loader.Load(dir.Write("layout/layout.xml", doc)));
    window = dynamic_cast<CFrameHostWindow*>(loader.FindTopLevelWindow("w"));
    if (!window) return nullptr;
    HWND hwnd = window->Create(nullptr);
    ::UpdateWindow(hwnd);
    PumpMessagesFor(50);
    return hwnd;
  }
  LRESULT HitAt(int x, int y) {
    POINT p = {x, y};
    ::ClientToScreen(window->GetHwnd(), &p);
    return ::SendMessageW(window->GetHwnd(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }
  COLORREF ScreenPixel(int clientX, int clientY) {
    POINT p = {clientX, clientY};
    ::ClientToScreen(window->GetHwnd(), &p);
    HDC screen = ::GetDC(nullptr);
    COLORREF c = ::GetPixel(screen, p.x, p.y);
    ::ReleaseDC(nullptr, screen);
    return c;
  }

  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
  CFrameHostWindow* window = nullptr;
};

TEST_F(ControlTree, LayoutPassFillsTheClientAreaAndFollowsResizes) {
  HWND hwnd = Open(R"(<Layout id="root"><Layout id="corner" pos="-100,-30" size="80,20"/></Layout>)");
  CControl* root = window->FindControl("root");
  CControl* corner = window->FindControl("root:corner");
  ASSERT_TRUE(root && corner);
  EXPECT_EQ(400, root->Width());
  EXPECT_EQ(300, root->Height());
  EXPECT_EQ(300, corner->Left());
  EXPECT_EQ(270, corner->Top());
  ::SetWindowPos(hwnd, nullptr, 0, 0, 500, 350, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(500, root->Width());
  EXPECT_EQ(350, root->Height());
  EXPECT_EQ(400, corner->Left());
  EXPECT_EQ(320, corner->Top());
  EXPECT_EQ(nullptr, window->FindControl("corner"));
}

TEST_F(ControlTree, HitTestingGivesDragAreasGripsAndPassThrough) {
  Open(R"(<Layout id="root">
            <Layout id="caption" pos="0,0" size="0,30" hitval="2"><Box id="button" pos="10,5" size="20,20" clicks="true"/></Layout>
            <Layout id="grip" pos="-8,-8" size="8,8" hitval="17"/>
            <Layout id="under" pos="100,100" size="50,50" hitval="12"/>
            <Layout id="glass" pos="100,100" size="50,50" hitval="13" hitalbe="false"/>
            <Layout id="hidden" pos="200,100" size="100,100" visible="false"><Layout id="shown" pos="0,0" size="20,20" hitval="11"/></Layout>
            <Layout id="first" pos="300,200" size="50,50" hitval="15"/>
            <Layout id="second" pos="320,200" size="50,50" hitval="16"/>
          </Layout>)");
  EXPECT_EQ(HTCAPTION, HitAt(50, 10));
  EXPECT_EQ(HTCLIENT, HitAt(15, 10));  // the button inside the drag area answers for itself
  EXPECT_EQ(HTBOTTOMRIGHT, HitAt(396, 296));
  EXPECT_EQ(HTCLIENT, HitAt(390, 290));  // just outside the grip: the root
  EXPECT_EQ(HTTOP, HitAt(120, 120));  // the glass above passes the point on
  EXPECT_EQ(HTRIGHT, HitAt(210, 110));  // a visible child of a hidden layout still answers
  EXPECT_EQ(HTCLIENT, HitAt(250, 150));  // the hidden layout itself does not
  EXPECT_EQ(HTBOTTOMLEFT, HitAt(330, 210));  // later sibling wins where both lie
  EXPECT_EQ(HTBOTTOM, HitAt(305, 210));
}

TEST_F(ControlTree, ClicksReachTheTopmostControlThatTakesThem) {
  Open(R"(<Layout id="root">
            <Box id="back" pos="10,10" size="100,100" clicks="true"><EventHandler interest="101"><Record/></EventHandler></Box>
            <Box id="front" pos="50,50" size="100,100" clicks="true"><EventHandler interest="101"><Record/></EventHandler></Box>
            <Box id="label" pos="60,60" size="20,20"/>
          </Layout>)");
  HWND hwnd = window->GetHwnd();
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(65, 65));  // over the label, which falls through
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 250));  // nobody there
  EXPECT_EQ((std::vector<std::string>{"front:click", "back:click"}), BoxLog());
  ASSERT_EQ(2u, RecordedEvents().size());
  EXPECT_EQ("front", RecordedEvents()[0].sender);
  EXPECT_EQ("back", RecordedEvents()[1].sender);
}

TEST_F(ControlTree, RestingPointerHoversAndLeavingTheWindowLeaves) {
  HWND hwnd = Open(R"(<Layout id="root"><Box id="a" pos="20,20" size="100,100" clicks="true"/>
                       <Box id="b" pos="200,20" size="100,100" clicks="true"/></Layout>)");
  ::SetForegroundWindow(hwnd);
  POINT a = {60, 60}, b = {250, 60};
  ::ClientToScreen(hwnd, &a);
  ::ClientToScreen(hwnd, &b);
  ::SetCursorPos(a.x, a.y);
  EXPECT_TRUE(PumpUntil([] { return !BoxLog().empty(); }, 2000));
  EXPECT_EQ(std::vector<std::string>{"a:hover"}, BoxLog());
  EXPECT_EQ(window->FindControl("root:a"), window->HoverControl());

  BoxLog().clear();
  ::SetCursorPos(b.x, b.y);
  EXPECT_TRUE(PumpUntil([] { return BoxLog().size() >= 2; }, 2000));
  EXPECT_EQ((std::vector<std::string>{"b:hover", "a:leave"}), BoxLog());

  BoxLog().clear();
  ::SetCursorPos(5, 5);  // outside the window (it sits at 100,100)
  EXPECT_TRUE(PumpUntil([] { return !BoxLog().empty(); }, 2000));
  EXPECT_EQ(std::vector<std::string>{"b:leave"}, BoxLog());
  EXPECT_EQ(nullptr, window->HoverControl());
}

TEST_F(ControlTree, ChildrenPaintOverParentsAndLaterSiblingsOverEarlierOnes) {
  Open(R"(<Box id="root" color="0,0,255">
            <Box id="parent" pos="20,20" size="200,200" color="255,0,0"><Box id="child" pos="40,40" size="50,50" color="0,255,0"/></Box>
            <Box id="sibling" pos="150,150" size="100,100" color="255,255,0"/>
            <Box id="hidden" pos="300,20" size="50,50" color="255,0,255" visible="false"/>
          </Box>)");
  EXPECT_EQ(RGB(0, 0, 255), ScreenPixel(5, 5));
  EXPECT_EQ(RGB(255, 0, 0), ScreenPixel(30, 30));
  EXPECT_EQ(RGB(0, 255, 0), ScreenPixel(60, 60));
  EXPECT_EQ(RGB(255, 255, 0), ScreenPixel(200, 200));  // over the parent's corner
  EXPECT_EQ(RGB(255, 0, 0), ScreenPixel(140, 140));
  EXPECT_EQ(RGB(0, 0, 255), ScreenPixel(320, 40));
  EXPECT_TRUE(window->FindControl("root:parent:child")->ShownOnce());
  EXPECT_FALSE(window->FindControl("root:hidden")->ShownOnce());
}

TEST_F(ControlTree, LayeredWindowsAreSeeThroughWhereNothingWasDrawn) {
  // A plain blue window behind, then a layered one over it that paints only its left half.
  std::string doc = R"(<LayoutRoot>
      <FrameHostWindow id="behind" pos="100,100" size="400,300" center="false"><Box id="b" color="0,0,255"/></FrameHostWindow>
      <FrameHostWindow id="w" pos="100,100" size="400,300" center="false" layered="true">
        <Layout id="root"><Box id="half" pos="0,0" size="200,0" color="255,0,0"/></Layout>
      </FrameHostWindow></LayoutRoot>)";
  ASSERT_TRUE(loader.Load(dir.Write("layout/layout.xml", doc)));
  HWND behind = loader.FindTopLevelWindow("behind")->Create(nullptr);
  ::UpdateWindow(behind);
  window = dynamic_cast<CFrameHostWindow*>(loader.FindTopLevelWindow("w"));
  HWND hwnd = window->Create(nullptr);
  EXPECT_EQ(0, ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);  // not before the first paint
  ::UpdateWindow(hwnd);
  PumpMessagesFor(100);
  EXPECT_NE(0, ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(RGB(255, 0, 0), ScreenPixel(50, 50));
  EXPECT_EQ(RGB(0, 0, 255), ScreenPixel(300, 50));
}

}  // namespace
