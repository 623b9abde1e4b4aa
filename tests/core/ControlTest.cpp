#include <gtest/gtest.h>

#include <memory>

#include "core/TestElements.h"
#include "ui/core/AttributeValue.h"

using namespace KRUI;
using KRUITest::MessageLog;
using KRUITest::TestControl;
using KRUITest::TestHostWindow;

namespace {

std::unique_ptr<TestControl> MakeControl(const AttributeMap& attributes) {
  std::unique_ptr<TestControl> c(new TestControl());
  c->LoadAttributes(attributes);
  return c;
}

TEST(ControlGeometry, ArrangeFollowsPositionAndSizeRules) {
  auto fill = MakeControl({{"pos", "0,0"}, {"size", "0,0"}});
  fill->Arrange(10, 20, 300, 200);
  EXPECT_EQ(10, fill->Left());
  EXPECT_EQ(20, fill->Top());
  EXPECT_EQ(300, fill->Width());
  EXPECT_EQ(200, fill->Height());

  auto corner = MakeControl({{"pos", "-100,-30"}, {"size", "80,20"}});
  corner->Arrange(10, 20, 300, 200);
  EXPECT_EQ(10 + 300 - 100, corner->Left());
  EXPECT_EQ(20 + 200 - 30, corner->Top());
  EXPECT_EQ(80, corner->Width());
  EXPECT_EQ(20, corner->Height());

  auto smaller = MakeControl({{"size", "-10,-10"}});
  smaller->Arrange(0, 0, 300, 200);
  EXPECT_EQ(290, smaller->Width());
  EXPECT_EQ(190, smaller->Height());

  auto onePart = MakeControl({{"pos", "5"}, {"size", "7"}});
  onePart->Arrange(3, 4, 50, 60);
  EXPECT_EQ(3, onePart->Left());  // pos keeps its default 0,0
  EXPECT_EQ(50, onePart->Width());
}

TEST(ControlAttributes, FlagsAndHitValue) {
  auto c = MakeControl({{"visible", "TRUE"}, {"hitalbe", "false"}, {"hitval", "17"}, {"id", "x"}});
  EXPECT_FALSE(c->IsVisible());
  EXPECT_FALSE(c->IsHitTestable());
  EXPECT_EQ(17, c->HitValue());
  EXPECT_EQ("x", c->Id());
  auto d = MakeControl({});
  EXPECT_TRUE(d->IsVisible());
  EXPECT_TRUE(d->IsHitTestable());
  EXPECT_EQ(-1, d->HitValue());
}

TEST(ControlTree, AddChildRefusesNoneAndControlsWithAParent) {
  auto a = MakeControl({{"id", "a"}});
  auto b = MakeControl({{"id", "b"}});
  auto child = MakeControl({{"id", "c"}});
  EXPECT_EQ(0, a->AddChild(nullptr));
  EXPECT_EQ(1, a->AddChild(child.get()));
  EXPECT_EQ(0, b->AddChild(child.get()));
  EXPECT_EQ(a.get(), child->Parent());
  EXPECT_TRUE(b->Children().empty());
  EXPECT_EQ(child.get(), a->FindChild("c"));
  EXPECT_EQ(nullptr, a->FindChild("C"));
  EXPECT_EQ(nullptr, a->FindChild("c "));
}

TEST(ControlTree, HitTestNeedsVisibleHitTestableAndHalfOpenRectangle) {
  auto c = MakeControl({{"pos", "10,10"}, {"size", "20,10"}});
  c->Arrange(0, 0, 100, 100);
  EXPECT_TRUE(c->HitTest(10, 10));
  EXPECT_TRUE(c->HitTest(29, 19));
  EXPECT_FALSE(c->HitTest(30, 15));
  EXPECT_FALSE(c->HitTest(15, 20));
  EXPECT_FALSE(c->HitTest(9, 15));
  c->SetVisible(false);
  EXPECT_FALSE(c->HitTest(15, 15));
  auto ghost = MakeControl({{"hitalbe", "no"}});
  ghost->Arrange(0, 0, 100, 100);
  EXPECT_FALSE(ghost->HitTest(5, 5));
}

TEST(ControlTree, DisplayableNeedsSizeAndVisibleAncestors) {
  auto root = MakeControl({{"id", "root"}});
  auto mid = MakeControl({{"id", "mid"}});
  auto leaf = MakeControl({{"id", "leaf"}, {"size", "10,10"}});
  root->AddChild(mid.get());
  mid->AddChild(leaf.get());
  root->Arrange(0, 0, 100, 100);
  mid->Arrange(0, 0, 100, 100);
  leaf->Arrange(0, 0, 100, 100);
  EXPECT_TRUE(leaf->IsDisplayable());
  root->SetVisible(false);
  EXPECT_FALSE(leaf->IsDisplayable());
  root->SetVisible(true);
  auto empty = MakeControl({{"size", "0,5"}});
  empty->Arrange(0, 0, 0, 100);
  EXPECT_FALSE(empty->IsDisplayable());
}

TEST(ControlMessages, HitTestAnswerAndPaintMarksShownOnce) {
  auto caption = MakeControl({{"hitval", "2"}});
  bool handled = false;
  EXPECT_EQ(2, caption->HandleMessage(WM_NCHITTEST, 0, 0, handled));
  EXPECT_TRUE(handled);
  auto plain = MakeControl({});
  handled = false;
  EXPECT_EQ(HTCLIENT, plain->HandleMessage(WM_NCHITTEST, 0, 0, handled));
  EXPECT_TRUE(handled);

  handled = false;
  plain->HandleMessage(MSG_PAINT, 0, 0, handled);
  EXPECT_FALSE(handled);
  EXPECT_FALSE(plain->ShownOnce());  // not arranged yet: nothing to show
  plain->Arrange(0, 0, 10, 10);
  plain->HandleMessage(MSG_PAINT, 0, 0, handled);
  EXPECT_TRUE(plain->ShownOnce());
  handled = false;
  EXPECT_EQ(0, plain->HandleMessage(WM_MOUSEMOVE, 0, 0, handled));
  EXPECT_FALSE(handled);
}

TEST(ControlMessages, SizeArrangesRootFromLParamAndChildrenFromTheirParent) {
  auto root = MakeControl({{"id", "root"}, {"pos", "0,0"}});
  auto child = MakeControl({{"id", "child"}, {"pos", "-50,10"}, {"size", "40,-20"}});
  root->AddChild(child.get());
  bool handled = false;
  root->RouteMessage(WM_SIZE, 0, MAKELPARAM(400, 300), handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(400, root->Width());
  EXPECT_EQ(300, root->Height());
  EXPECT_EQ(350, child->Left());
  EXPECT_EQ(10, child->Top());
  EXPECT_EQ(40, child->Width());
  EXPECT_EQ(280, child->Height());
}

// Builds   root
//          ├── a (0,0 100x100)
//          │   └── a1 (10,10 20x20)
//          └── b (50,50 100x100)
struct Tree {
  Tree() {
    root = MakeControl({{"id", "root"}});
    a = MakeControl({{"id", "a"}, {"size", "100,100"}});
    a1 = MakeControl({{"id", "a1"}, {"pos", "10,10"}, {"size", "20,20"}});
    b = MakeControl({{"id", "b"}, {"pos", "50,50"}, {"size", "100,100"}});
    root->AddChild(a.get());
    a->AddChild(a1.get());
    root->AddChild(b.get());
    bool handled = false;
    root->RouteMessage(WM_SIZE, 0, MAKELPARAM(300, 300), handled);
    MessageLog().clear();
  }
  std::unique_ptr<TestControl> root, a, a1, b;
};

TEST(ControlRouting, ForwardWalkVisitsParentsBeforeChildrenInDocumentOrder) {
  Tree t;
  bool handled = false;
  t.root->RouteMessage(WM_MOVE, 0, 0, handled);
  EXPECT_EQ((std::vector<std::string>{"root:3", "a:3", "a1:3", "b:3"}), MessageLog());
}

TEST(ControlRouting, ReverseWalkVisitsLastChildFirstAndParentsLast) {
  Tree t;
  bool handled = false;
  t.root->RouteMessageReverse(WM_CLOSE, 0, 0, handled);
  EXPECT_EQ((std::vector<std::string>{"b:16", "a1:16", "a:16", "root:16"}), MessageLog());
}

TEST(ControlRouting, WalksStopAtTheFirstControlThatHandles) {
  Tree t;
  t.a->handles = WM_COMMAND;
  t.a->handleResult = 77;
  bool handled = false;
  EXPECT_EQ(77, t.root->RouteMessageReverse(WM_COMMAND, 0, 0, handled));
  EXPECT_TRUE(handled);
  EXPECT_EQ((std::vector<std::string>{"b:273", "a1:273", "a:273"}), MessageLog());

  MessageLog().clear();
  t.a->handles = WM_MOVE;
  handled = false;
  t.root->RouteMessage(WM_MOVE, 0, 0, handled);
  EXPECT_EQ((std::vector<std::string>{"root:3", "a:3"}), MessageLog());
}

TEST(ControlRouting, ClicksReachOnlyControlsUnderThePointTopmostFirst) {
  Tree t;
  t.a1->handles = WM_LBUTTONUP;
  bool handled = false;
  // (60,60) lies in a and b (b is later, so on top), not in a1.
  t.root->RouteMessageReverse(WM_LBUTTONUP, 0, MAKELPARAM(60, 60), handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ((std::vector<std::string>{"b:514", "a:514", "root:514"}), MessageLog());
  MessageLog().clear();
  t.root->RouteMessageReverse(WM_LBUTTONUP, 0, MAKELPARAM(15, 15), handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ((std::vector<std::string>{"a1:514"}), MessageLog());
}

TEST(ControlRouting, PaintSkipsControlsThatAreNotDisplayable) {
  Tree t;
  t.a->SetVisible(false);
  bool handled = false;
  t.root->RouteMessage(MSG_PAINT, 0, 0, handled);
  // a is hidden, so neither a nor its child is drawn.
  EXPECT_EQ((std::vector<std::string>{"root:1039", "b:1039"}), MessageLog());
}

class HostedTree : public ::testing::Test {
 protected:
  void SetUp() override {
    window.LoadAttributes({{"pos", "200,150"}, {"size", "300,300"}});
    ASSERT_NE(nullptr, window.Create(nullptr));
    window.SetRootControl(t.root.get());
  }
  Tree t;
  TestHostWindow window;
};

TEST_F(HostedTree, SetRootControlGivesTheWholeSubtreeItsHost) {
  EXPECT_EQ(&window, t.root->HostWindow());
  EXPECT_EQ(&window, t.a1->HostWindow());
  EXPECT_EQ(&window, t.b->HostWindow());
  auto late = MakeControl({{"id", "late"}});
  t.b->AddChild(late.get());
  EXPECT_EQ(&window, late->HostWindow());
}

TEST_F(HostedTree, NcHitTestConvertsScreenPointsToClientCoordinates) {
  t.a1->LoadAttributes({{"hitval", "17"}});
  POINT client = {15, 15};
  ::ClientToScreen(window.GetHwnd(), &client);
  bool handled = false;
  EXPECT_EQ(17, t.root->RouteMessageReverse(WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y), handled));
  EXPECT_TRUE(handled);
  // The client numbers taken as a screen point lie left of and above the window: no hit.
  handled = false;
  EXPECT_EQ(0, t.root->RouteMessageReverse(WM_NCHITTEST, 0, MAKELPARAM(15, 15), handled));
  EXPECT_FALSE(handled);
}

TEST_F(HostedTree, HoverMovesBetweenControlsWithALeaveForThePreviousOne) {
  bool handled = false;
  t.root->RouteMessageReverse(WM_MOUSEHOVER, 0, MAKELPARAM(15, 15), handled);
  // Every control under the point takes the hover in turn; the last asked (root) keeps it.
  EXPECT_EQ(t.root.get(), window.HoverControl());
  MessageLog().clear();
  handled = false;
  t.b->HandleMessage(WM_MOUSEHOVER, 0, 0, handled);
  EXPECT_EQ(t.b.get(), window.HoverControl());
  EXPECT_EQ((std::vector<std::string>{"b:673", "root:675"}), MessageLog());
  MessageLog().clear();
  t.root->RouteMessageReverse(WM_MOUSELEAVE, 0, 0, handled);
  // Only the hover control is offered the leave.
  EXPECT_EQ((std::vector<std::string>{"b:675"}), MessageLog());
  EXPECT_EQ(nullptr, window.HoverControl());
}

TEST_F(HostedTree, FindControlFollowsColonPaths) {
  EXPECT_EQ(t.a1.get(), window.FindControl("root:a:a1"));
  EXPECT_EQ(t.root.get(), window.FindControl("root"));
  EXPECT_EQ(nullptr, window.FindControl("a:a1"));
  EXPECT_EQ(nullptr, window.FindControl("root:a1"));
  EXPECT_EQ(nullptr, window.FindControl("root:a:"));
  EXPECT_EQ(nullptr, window.FindControl(""));
  EXPECT_EQ(nullptr, window.FindControl("Root:a"));
  std::string longPath = "root:a" + std::string(130, ':');
  EXPECT_EQ(nullptr, window.FindControl(longPath));
  TestHostWindow empty;
  EXPECT_EQ(nullptr, empty.FindControl("root"));
}

TEST_F(HostedTree, SizeOnAControlNotYetShownAsksTheWindowToRepaint) {
  // Hidden windows keep no update region: show it, validate everything, then a WM_SIZE
  // must leave an update region behind.
  ::ShowWindow(window.GetHwnd(), SW_SHOWNOACTIVATE);
  ::UpdateWindow(window.GetHwnd());
  ::ValidateRect(window.GetHwnd(), nullptr);
  RECT r;
  EXPECT_FALSE(::GetUpdateRect(window.GetHwnd(), &r, FALSE));
  bool handled = false;
  t.root->RouteMessage(WM_SIZE, 0, MAKELPARAM(300, 300), handled);
  EXPECT_TRUE(::GetUpdateRect(window.GetHwnd(), &r, FALSE));
  // Once painted while displayable, sizing no longer invalidates.
  t.root->RouteMessage(MSG_PAINT, 0, 0, handled);
  EXPECT_TRUE(t.root->ShownOnce());
  ::ValidateRect(window.GetHwnd(), nullptr);
  t.root->RouteMessage(WM_SIZE, 0, MAKELPARAM(300, 300), handled);
  EXPECT_FALSE(::GetUpdateRect(window.GetHwnd(), &r, FALSE));
}

TEST_F(HostedTree, NcHitTestFollowsTheWindowWhenItMovesBetweenTests) {
  t.a1->LoadAttributes({{"hitval", "17"}});
  POINT screen = {15, 15};
  ::ClientToScreen(window.GetHwnd(), &screen);
  const LPARAM at = MAKELPARAM(screen.x, screen.y);
  // The same screen point over a1, then left of the moved window, then over a1 again.
  const struct {
    int windowX;
    LRESULT answer;
    bool handled;
  } steps[] = {{200, 17, true}, {300, 0, false}, {200, 17, true}};
  for (const auto& step : steps) {
    ::SetWindowPos(window.GetHwnd(), nullptr, step.windowX, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    bool handled = false;
    EXPECT_EQ(step.answer, t.root->RouteMessageReverse(WM_NCHITTEST, 0, at, handled)) << step.windowX;
    EXPECT_EQ(step.handled, handled) << step.windowX;
  }
}

// Counts the repaints asked of it.
class CountingWindow : public TestHostWindow {
 public:
  bool Invalidate() override {
    ++invalidations;
    return TestHostWindow::Invalidate();
  }
  int invalidations = 0;
};

TEST(ControlWalks, AResizeAsksTheWindowOnceHoweverManyControlsAreUnshown) {
  CountingWindow window;
  window.LoadAttributes({{"size", "300,300"}});
  ASSERT_NE(nullptr, window.Create(nullptr));
  Tree t;
  window.SetRootControl(t.root.get());
  bool handled = false;
  t.root->RouteMessage(WM_SIZE, 0, MAKELPARAM(300, 300), handled);
  EXPECT_EQ(1, window.invalidations) << "four unshown controls, one walk";
  // Outside a walk a control asks at once.
  window.invalidations = 0;
  t.a1->HandleMessage(WM_SIZE, 0, 0, handled);
  EXPECT_EQ(1, window.invalidations);
}

TEST(ControlTree, SubtreesBuiltBottomUpTakeEachNewHostAtEveryDepth) {
  TestHostWindow first, second;
  auto root = MakeControl({{"id", "root"}});
  auto mid = MakeControl({{"id", "mid"}});
  auto leaf = MakeControl({{"id", "leaf"}});
  mid->AddChild(leaf.get());  // the loader links children before their parent is placed
  first.SetRootControl(root.get());
  root->AddChild(mid.get());
  EXPECT_EQ(&first, mid->HostWindow());
  EXPECT_EQ(&first, leaf->HostWindow());
  second.SetRootControl(root.get());
  for (CControl* c : {root.get(), mid.get(), leaf.get()}) EXPECT_EQ(&second, c->HostWindow()) << c->Id();
}

TEST(HostWindowBase, CloseTogglesAndAttributes) {
  TestHostWindow w;
  w.LoadAttributes({{"id", "main"}, {"active", "true"}, {"center", "no"}, {"size", "120,80"}});
  EXPECT_EQ("main", w.Id());
  EXPECT_TRUE(w.IsActive());
  EXPECT_EQ(0, w.Toggle(SW_SHOW, 0));  // no native window: nothing
  w.Close();                          // no native window: nothing
  HWND hwnd = w.Create(nullptr);
  ASSERT_NE(nullptr, hwnd);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  w.Toggle(SW_SHOW, 0);
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  ::ShowWindow(hwnd, SW_MINIMIZE);
  w.Toggle(SW_SHOW, 0);
  EXPECT_FALSE(::IsIconic(hwnd));
  w.Toggle(SW_SHOW, 0);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  w.Close();
  MSG msg;
  EXPECT_TRUE(::PeekMessageW(&msg, hwnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  EXPECT_FALSE(w.AddComponent(nullptr));
  EXPECT_EQ(nullptr, w.FindComponent("x"));
}

}  // namespace
