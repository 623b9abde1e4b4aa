// A Button in a real frame window: hover look after the pointer rests, back after it
// leaves the window, and clicks on its caption, read back from the screen.
#include <gtest/gtest.h>

#include "support/Bmp.h"
#include "support/MessagePump.h"
#include "support/TempDir.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/windows/FrameHostWindow.h"
#include "windows/WindowTestElements.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

class ButtonInWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static TempDir images;
    images.Write("image/blue.bmp", MakeBmp(8, 8, [](int, int) -> uint32_t { return 0x0000C0; }));
    images.Write("image/green.bmp", MakeBmp(8, 8, [](int, int) -> uint32_t { return 0x00A000; }));
    ASSERT_TRUE(BitmapTable::Instance().Load(images.Write("layout/bitmap.xml", R"(<BitmapRoot rootdir="..\image">
        <Bitmap id="btn.normal" file="blue.bmp"/><Bitmap id="btn.hover" file="green.bmp"/></BitmapRoot>)")));
  }
  void SetUp() override {
    RecordedEvents().clear();
    ASSERT_TRUE(loader.Load(dir.Write("layout/layout.xml", R"(<LayoutRoot>
      <FrameHostWindow id="w" pos="300,300" size="300,200" center="false">
        <Layout id="root">
          <Button id="btn" pos="20,20" size="200,100" bitmap="btn.normal,btn.hover" text="yes"
                  text-text="MMMMMMMM" text-height="40" text-weight="800" text-alignment="center" text-valignment="center"
                  textcolor="255,255,255,255,200,0">
            <EventHandler interest="101"><Record/></EventHandler>
          </Button>
        </Layout>
      </FrameHostWindow></LayoutRoot>)")));
    window = loader.FindTopLevelWindow("w");
    hwnd = window->Create(nullptr);
    ASSERT_NE(nullptr, hwnd);
    ::SetForegroundWindow(hwnd);
    ::UpdateWindow(hwnd);
    PumpMessagesFor(50);
  }
  // Counts screen pixels of one colour inside the button's rectangle (client 20,20 200x100).
  int CountInButton(COLORREF color) {
    POINT origin = {20, 20};
    ::ClientToScreen(hwnd, &origin);
    WindowDc screen(nullptr);
    int n = 0;
    for (int y = 0; y < 100; y += 2)
      for (int x = 0; x < 200; x += 2)
        if (::GetPixel(screen.get(), origin.x + x, origin.y + y) == color) ++n;
    return n;
  }
  static bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) < 24 && std::abs(GetGValue(a) - GetGValue(b)) < 24 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 24;
  }
  COLORREF CornerPixel() {
    POINT p = {24, 24};
    ::ClientToScreen(hwnd, &p);
    WindowDc screen(nullptr);
    return ::GetPixel(screen.get(), p.x, p.y);
  }

  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
  CHostWindow* window = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(ButtonInWindow, HoverLookAfterRestingAndBackAfterLeaving) {
  ::SetCursorPos(5, 5);
  PumpMessagesFor(50);
  EXPECT_TRUE(Near(RGB(0, 0, 0xC0), CornerPixel()));
  EXPECT_GT(CountInButton(RGB(255, 255, 255)), 20);  // white caption
  EXPECT_EQ(0, CountInButton(RGB(255, 200, 0)));

  POINT inside = {30, 30};
  ::ClientToScreen(hwnd, &inside);
  ::SetCursorPos(inside.x, inside.y);
  EXPECT_TRUE(PumpUntil([&] { return Near(RGB(0, 0xA0, 0), CornerPixel()); }, 2000));
  EXPECT_GT(CountInButton(RGB(255, 200, 0)), 20);  // orange caption
  EXPECT_EQ(0, CountInButton(RGB(255, 255, 255)));

  ::SetCursorPos(5, 5);  // leaves the window
  EXPECT_TRUE(PumpUntil([&] { return Near(RGB(0, 0, 0xC0), CornerPixel()); }, 2000));
  EXPECT_GT(CountInButton(RGB(255, 255, 255)), 20);
}

TEST_F(ButtonInWindow, ReleasingOverTheCaptionClicksTheButton) {
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(120, 70));  // the caption's middle
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(260, 150));  // beside the button
  ASSERT_EQ(1u, RecordedEvents().size());
  EXPECT_EQ("btn", RecordedEvents()[0].sender);
  EXPECT_EQ(101, RecordedEvents()[0].id);
}

}  // namespace
