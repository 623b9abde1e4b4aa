#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/PaintSupport.h"
#include "ui/controls/ButtonControl.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/TextControl.h"
#include "ui/core/Action.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/EventxHandler.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

constexpr uint32_t kGrey = 0x808080, kWhite = 0xFFFFFF, kOrange = 0xFFC800;

// Records the events it is run for.
class RecordingAction : public CAction {
 public:
  ActionResult Execute(CEventx& event) override {
    events.push_back(event);
    return ActionResult::Continue;
  }
  std::vector<CEventx> events;
};

// A window-like tree: a plain root control filling 100x40 that holds the button at (10,10)
// 60x20, hosted by a window that counts repaint requests.
class ButtonTest : public ::testing::Test {
 protected:
  CButtonControl& Make(AttributeMap attributes) {
    attributes.emplace("pos", "10,10");
    attributes.emplace("size", "60,20");
    root.reset(new CControl());
    button.reset(new CButtonControl());
    button->LoadAttributes(attributes);
    root->AddChild(button.get());
    host.SetHoverControl(nullptr);
    root->SetHostWindow(&host);
    LayOut(*root, canvas.Width(), canvas.Height());
    host.invalidations = 0;
    return *button;
  }
  void Draw() {
    canvas.Fill(kGrey);
    Paint(*root, canvas);
  }
  LRESULT Send(UINT message, int x, int y, bool& handled) {
    handled = false;
    return root->RouteMessageReverse(message, 0, MAKELPARAM(x, y), handled);
  }
  // Hover and leave the way the window's dispatcher delivers them.
  bool Hover(int x = 40, int y = 20) {
    bool handled;
    Send(WM_MOUSEHOVER, x, y, handled);
    return handled;
  }
  bool Leave() {
    bool handled;
    Send(WM_MOUSELEAVE, 0, 0, handled);
    return handled;
  }
  int Count(uint32_t rgb) const { return canvas.CountColor(buttonRect, rgb); }

  const RECT buttonRect = {10, 10, 70, 30};
  CountingHost host;
  std::unique_ptr<CButtonControl> button;
  std::unique_ptr<CControl> root;
  Canvas canvas{100, 40, kGrey};
};

const AttributeMap kTwoLooks = {{"bitmap", "red,blue"},
                                {"text", "yes"},
                                {"text-text", "Hi"},
                                {"text-height", "16"},
                                {"text-weight", "800"},
                                {"text-alignment", "center"},
                                {"textcolor", "255,255,255,255,200,0"}};

TEST_F(ButtonTest, HoverShowsTheSecondBitmapAndColourAndLeaveTurnsBack) {
  CButtonControl& b = Make(kTwoLooks);
  Draw();
  EXPECT_EQ(0, canvas.CountDifferent(kGrey) - canvas.Count(buttonRect, [](uint32_t c) { return c != kGrey; }))
      << "nothing drawn outside the button";
  EXPECT_GT(Count(kRed), 600);
  EXPECT_GT(Count(kWhite), 10) << "white caption";
  EXPECT_EQ(0, Count(kBlue));
  EXPECT_EQ(0, Count(kOrange));

  EXPECT_TRUE(Hover());
  EXPECT_TRUE(b.IsHovered());
  EXPECT_EQ(&b, host.HoverControl());
  EXPECT_EQ(1, host.invalidations);
  Draw();
  EXPECT_GT(Count(kBlue), 600);
  EXPECT_GT(Count(kOrange), 10) << "orange caption";
  EXPECT_EQ(0, Count(kRed));
  EXPECT_EQ(0, Count(kWhite));

  // Resting again over the caption: the caption takes the hover first, so the button is
  // told it was left and then hovered again; it ends in its hover look.
  EXPECT_TRUE(Hover(12, 12));
  EXPECT_TRUE(b.IsHovered());
  EXPECT_EQ(&b, host.HoverControl());

  const int before = host.invalidations;
  EXPECT_TRUE(Leave());
  EXPECT_FALSE(b.IsHovered());
  EXPECT_EQ(nullptr, host.HoverControl());
  EXPECT_EQ(before + 1, host.invalidations);
  Draw();
  EXPECT_GT(Count(kRed), 600);
  EXPECT_GT(Count(kWhite), 10);
  EXPECT_EQ(0, Count(kBlue));
  EXPECT_EQ(0, Count(kOrange));
}

TEST_F(ButtonTest, OneBitmapNeverChangesItsLook) {
  CButtonControl& b = Make({{"bitmap", "red"}, {"textcolor", "1,2,3,4,5,6"}, {"text", ""}});
  EXPECT_TRUE(Hover());
  EXPECT_FALSE(b.IsHovered());
  EXPECT_EQ(&b, host.HoverControl()) << "the base still records the hover control";
  EXPECT_EQ(MakeOpaqueColor(1, 2, 3), b.Caption()->Color()) << "the colour changes only with the bitmap";
  EXPECT_TRUE(Leave());
  EXPECT_EQ(0, host.invalidations);
  Draw();
  EXPECT_EQ(60 * 20, Count(kRed));
}

TEST_F(ButtonTest, HoverAndLeaveOutsideTheButtonDoNothing) {
  CButtonControl& b = Make(kTwoLooks);
  EXPECT_FALSE(Hover(80, 20));
  EXPECT_FALSE(b.IsHovered());
  EXPECT_EQ(root.get(), host.HoverControl()) << "the root under the point took the hover";
  EXPECT_FALSE(Leave()) << "the leave reaches only the root, which does not handle it";
  EXPECT_EQ(0, host.invalidations);
}

TEST_F(ButtonTest, ReleaseOverCaptionOrBackgroundClicksTheButton) {
  CButtonControl& b = Make({{"bitmap", "red"}, {"text", "x"}, {"text-text", "OK"}, {"text-pos", "20,0"},
                            {"text-size", "20,0"}});
  CEventxHandler clicks, others;
  clicks.LoadAttributes({{"interest", "101"}});
  others.LoadAttributes({{"interest", "102"}});
  RecordingAction onClick, onOther;
  clicks.AddAction(&onClick);
  others.AddAction(&onOther);
  b.AddHandler(&others);
  b.AddHandler(&clicks);

  ASSERT_TRUE(b.Caption()->HitTest(35, 15)) << "the caption is hit first and lets the release through";
  bool handled;
  Send(WM_LBUTTONUP, 35, 15, handled);
  EXPECT_TRUE(handled);
  ASSERT_EQ(1u, onClick.events.size());
  EXPECT_EQ(101, onClick.events[0].id);
  EXPECT_EQ(&b, onClick.events[0].sender);
  EXPECT_EQ(0, onClick.events[0].param);

  Send(WM_LBUTTONUP, 12, 28, handled);  // over the background only
  EXPECT_TRUE(handled);
  EXPECT_EQ(2u, onClick.events.size());

  Send(WM_LBUTTONUP, 75, 15, handled);  // beside the button
  EXPECT_FALSE(handled);
  EXPECT_EQ(2u, onClick.events.size());
  EXPECT_TRUE(onOther.events.empty());
}

TEST_F(ButtonTest, ChildrenAreBuiltFromPrefixedAttributes) {
  CButtonControl& b = Make({{"bitmap", "red"},
                            {"image-hitalbe", "true"},
                            {"image-bitmap", "blue"},
                            {"image-size", "30,0"},
                            {"text", "anything"},
                            {"text-text", "Go"},
                            {"text-color", "0,0,255"},
                            {"text-height", "16"},
                            {"text-weight", "800"},
                            {"text-id", "caption"}});
  ASSERT_EQ(2u, b.Children().size());
  EXPECT_EQ(b.Background(), b.Children()[0]) << "background first, drawn under the caption";
  EXPECT_EQ(b.Caption(), b.Children()[1]);
  EXPECT_EQ("@BUTTON.BKG", b.Background()->Id());
  EXPECT_EQ("caption", b.Caption()->Id());
  EXPECT_EQ("Go", b.Caption()->Text());
  EXPECT_FALSE(b.Background()->IsHitTestable());
  EXPECT_EQ(b.Background(), b.FindChild("@BUTTON.BKG"));
  Draw();
  EXPECT_EQ(0, canvas.CountColor({40, 10, 70, 30}, kRed)) << "image-size applies";
  EXPECT_GT(canvas.CountColor({10, 10, 40, 30}, kRed), 300) << "entry 0, not image-bitmap";
  EXPECT_GT(Count(kBlue), 5) << "text-color without textcolor";

  // Declared children come after the two, so they are drawn over both.
  CTextControl declared;
  EXPECT_EQ(3, b.AddChild(&declared));
}

TEST_F(ButtonTest, CaptionOnlyWithTextAttribute) {
  CButtonControl& b = Make({{"bitmap", "red"}, {"text-text", "Hi"}, {"text-color", "255,255,255"},
                            {"textcolor", "255,255,255"}});
  EXPECT_EQ(nullptr, b.Caption());
  EXPECT_FALSE(b.SetText("Hello"));
  ASSERT_EQ(1u, b.Children().size());
  Draw();
  EXPECT_EQ(60 * 20, Count(kRed));

  CButtonControl& bare = Make({{"text", "x"}});
  EXPECT_EQ(nullptr, bare.Background());
  ASSERT_NE(nullptr, bare.Caption());
  EXPECT_EQ("", bare.Caption()->Text()) << "the value of text is not the caption";
}

TEST_F(ButtonTest, SetTextReplacesTheCaptionAtTheNextPaint) {
  CButtonControl& b = Make(kTwoLooks);
  Draw();
  const int before = Count(kWhite);
  ASSERT_GT(before, 0);
  EXPECT_TRUE(b.SetText("WWWW"));
  EXPECT_EQ("WWWW", b.Caption()->Text());
  EXPECT_EQ(0, host.invalidations);
  Draw();
  EXPECT_GT(Count(kWhite), before);
}

TEST_F(ButtonTest, MissingBitmapsPaintTheFillColour) {
  CButtonControl& b = Make({{"bitmap", "nosuch,blue"}, {"image-color", "0,255,0"}});
  Draw();
  EXPECT_EQ(60 * 20, Count(kGreen));
  EXPECT_TRUE(Hover());
  Draw();
  EXPECT_EQ(60 * 20, Count(kBlue));
  // Turning back needs a normal bitmap: with none the hover look stays.
  EXPECT_TRUE(Leave());
  EXPECT_TRUE(b.IsHovered());

  Make({{"bitmap", ""}});
  Draw();
  EXPECT_EQ(60 * 20, Count(0x000000)) << "an empty list still makes the background";
}

TEST_F(ButtonTest, CaptionColoursTakeWholeGroupsOfThree) {
  struct Case {
    const char* textcolor;
    uint32_t normal;
    bool hoverColour;
  };
  const uint32_t kept = MakeOpaqueColor(9, 9, 9);
  for (const Case& c : {Case{"1,2", kept, false}, Case{"1,2,3,4,5", MakeOpaqueColor(1, 2, 3), false},
                        Case{"300,,2,3", MakeOpaqueColor(44, 2, 3), false},
                        Case{"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", MakeOpaqueColor(1, 2, 3), true}}) {
    SCOPED_TRACE(c.textcolor);
    CButtonControl& b =
        Make({{"bitmap", "red,blue"}, {"text", "x"}, {"text-color", "9,9,9"}, {"textcolor", c.textcolor}});
    EXPECT_EQ(c.normal, b.Caption()->Color());
    Hover();
    EXPECT_EQ(c.hoverColour ? MakeOpaqueColor(4, 5, 6) : c.normal, b.Caption()->Color());
    Leave();
    EXPECT_EQ(c.normal, b.Caption()->Color());
  }
}

TEST_F(ButtonTest, BitmapListsKeepFourItemsWithinTheirLengthLimit) {
  CButtonControl& five = Make({{"bitmap", "red,blue,strip,tile,red"}});
  EXPECT_EQ(BitmapTable::Instance().LookupBitmap("red"), five.Background()->Bitmap());
  EXPECT_TRUE(Hover());
  EXPECT_EQ(BitmapTable::Instance().LookupBitmap("blue"), five.Background()->Bitmap());

  // Consecutive commas count as one, but only the first 255 characters are read: "blue"
  // is cut off, so there is no hover look.
  CButtonControl& longList = Make({{"bitmap", "red" + std::string(252, ',') + "blue"}});
  EXPECT_TRUE(Hover());
  EXPECT_FALSE(longList.IsHovered());
  CButtonControl& justFits = Make({{"bitmap", "red" + std::string(248, ',') + "blue"}});
  EXPECT_TRUE(Hover());
  EXPECT_TRUE(justFits.IsHovered());
}

TEST_F(ButtonTest, AThirdAndFourthPictureAreNeverShown) {
  // The reference promises authors only the two looks the button has.
  const ElementDeclaration* declaration = ElementRegistry::Instance().Declaration("Button");
  ASSERT_NE(nullptr, declaration);
  EXPECT_STREQ("pictures for normal and hover; a third and fourth are kept but never shown",
               declaration->FindAttribute("bitmap")->help);
  const BitmapTable& table = BitmapTable::Instance();
  CButtonControl& b = Make({{"bitmap", "red,blue,strip,tile"}});
  bool handled;
  Send(WM_LBUTTONDOWN, 40, 20, handled);  // pressed, not hovered
  EXPECT_EQ(table.LookupBitmap("red"), b.Background()->Bitmap());
  EXPECT_TRUE(Hover());
  Send(WM_LBUTTONDOWN, 40, 20, handled);  // pressed while hovered
  EXPECT_EQ(table.LookupBitmap("blue"), b.Background()->Bitmap());
  Send(WM_LBUTTONUP, 40, 20, handled);
  EXPECT_EQ(table.LookupBitmap("blue"), b.Background()->Bitmap());
  EXPECT_TRUE(Leave());
  EXPECT_EQ(table.LookupBitmap("red"), b.Background()->Bitmap());
}

TEST(ButtonControl, RegisteredAsButton) {
  CObjectx* object = nullptr;
  ASSERT_TRUE(CreateElement("Button", &object));
  std::unique_ptr<CObjectx> owner(object);
  auto* button = dynamic_cast<CButtonControl*>(object);
  ASSERT_NE(nullptr, button);
  EXPECT_EQ(kKindControl, button->GetKind());
  EXPECT_TRUE(button->Children().empty());
}

}  // namespace
