#include <gtest/gtest.h>

#include "core/TestElements.h"
#include "support/TempDir.h"
#include "ui/core/EventxHandler.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"

using namespace KRUI;
using KRUITest::ActionLog;

namespace {

// A layout document written to a temporary folder and loaded by a loader of its own.
struct LoadedLayout {
  void Load(const std::string& body) {
    std::string path = dir.Write("layout/layout.xml", "<LayoutRoot>" + body + "</LayoutRoot>");
    ASSERT_TRUE(loader.Load(path));
    ActionLog().clear();
  }
  KRUITest::TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
};

class Dispatch : public ::testing::Test {
 protected:
  void Load(const std::string& body) { layout.Load(body); }
  LoadedLayout layout;
  CLayoutLoader& loader = layout.loader;
};

TEST_F(Dispatch, HandlersWithTheEventsNumberRunInDocumentOrder) {
  Load(R"(<TestWindow id="w">
            <EventHandler interest="101"><TestAction name="a"/><TestAction name="b"/></EventHandler>
            <EventHandler interest="102"><TestAction name="other"/></EventHandler>
            <EventHandler interest="101"><TestAction name="c"/></EventHandler>
            <EventHandler><TestAction name="never"/></EventHandler>
          </TestWindow>)");
  CHostWindow* w = loader.FindTopLevelWindow("w");
  ASSERT_NE(nullptr, w);
  w->RaiseEvent(w, 101);
  EXPECT_EQ((std::vector<std::string>{"a:101", "b:101", "c:101"}), ActionLog());
  ActionLog().clear();
  w->RaiseEvent(w, 0);  // interest 0 (missing) never matches a real event, but 0 matches 0
  EXPECT_EQ((std::vector<std::string>{"never:0"}), ActionLog());
}

TEST_F(Dispatch, AnActionReturningTrueStopsOnlyTheRestOfItsHandler) {
  Load(R"(<TestWindow id="w">
            <EventHandler interest="101"><TestAction name="a" stop="true"/><TestAction name="skipped"/></EventHandler>
            <EventHandler interest="101"><TestAction name="next"/></EventHandler>
          </TestWindow>)");
  CHostWindow* w = loader.FindTopLevelWindow("w");
  w->RaiseEvent(w, 101);
  EXPECT_EQ((std::vector<std::string>{"a:101", "next:101"}), ActionLog());
}

TEST_F(Dispatch, AClearedPropagateFlagStopsLaterHandlersAfterTheCurrentOneFinishes) {
  Load(R"(<TestWindow id="w">
            <EventHandler interest="101"><TestAction name="a" clear="true"/><TestAction name="b"/></EventHandler>
            <EventHandler interest="101"><TestAction name="never"/></EventHandler>
          </TestWindow>)");
  CHostWindow* w = loader.FindTopLevelWindow("w");
  w->RaiseEvent(w, 101);
  EXPECT_EQ((std::vector<std::string>{"a:101", "b:101"}), ActionLog());

  // The same with a stopping action: both the handler and the rest stop.
  LoadedLayout other;
  other.Load(R"(<TestWindow id="w">
            <EventHandler interest="7"><TestAction name="s" clear="true" stop="true"/><TestAction name="no"/></EventHandler>
            <EventHandler interest="7"><TestAction name="no2"/></EventHandler>
          </TestWindow>)");
  CHostWindow* w2 = other.loader.FindTopLevelWindow("w");
  w2->RaiseEvent(w2, 7);
  EXPECT_EQ((std::vector<std::string>{"s:7"}), ActionLog());
}

TEST_F(Dispatch, ResultComesFromTheLastActionThatWroteIt) {
  Load(R"(<TestWindow id="w">
            <EventHandler interest="101"><TestAction name="a" retval="3"/><TestAction name="b" retval="9"/></EventHandler>
          </TestWindow>)");
  CHostWindow* w = loader.FindTopLevelWindow("w");
  EXPECT_EQ(9, w->RaiseEvent(w, 101));
  EXPECT_EQ(0, w->RaiseEvent(w, 55));
}

TEST_F(Dispatch, EventsDoNotBubbleFromAControlToItsWindow) {
  Load(R"(<TestWindow id="w">
            <EventHandler interest="101"><TestAction name="window"/></EventHandler>
            <TestControl id="root">
              <TestControl id="button"><EventHandler interest="101"><TestAction name="button"/></EventHandler></TestControl>
              <EventHandler interest="101"><TestAction name="root"/></EventHandler>
            </TestControl>
          </TestWindow>)");
  CHostWindow* w = loader.FindTopLevelWindow("w");
  CControl* button = w->FindControl("root:button");
  ASSERT_NE(nullptr, button);
  button->RaiseEvent(button, 101);
  EXPECT_EQ((std::vector<std::string>{"button:101"}), ActionLog());
}

TEST_F(Dispatch, TextParamsReachTheActionsWhole) {
  Load(R"(<TestWindow id="w"/>)");
  struct ReadsText : CAction {
    ActionResult Execute(CEventx& e) override {
      seen = e.ParamText();
      return ActionResult::Continue;
    }
    std::string seen;
  } action;
  CEventxHandler handler;
  handler.LoadAttributes({{"interest", "102"}});
  handler.AddAction(&action);
  handler.AddAction(nullptr);  // missing entries are skipped
  CHostWindow* w = loader.FindTopLevelWindow("w");
  w->AddHandler(&handler);
  EXPECT_EQ(0, w->AddHandler(nullptr));
  std::string url = "https://example.invalid/page?x=1";
  w->RaiseTextEvent(w, 102, url.c_str());
  EXPECT_EQ(url, action.seen);
  static_assert(sizeof(EventParam) == sizeof(void*), "an event param must hold a pointer");
}

// An action that raises its own event again on its sender, with no window in between: the
// nesting is cut off at the limit and the outer dispatches finish normally.
TEST_F(Dispatch, AnEventRaisedAgainFromItsOwnHandlerStopsAtTheDepthLimit) {
  Load(R"(<TestWindow id="w"/>)");
  struct RaisesAgain : CAction {
    ActionResult Execute(CEventx& e) override {
      ++runs;
      static_cast<CHostWindow*>(e.sender)->RaiseEvent(e.sender, e.id);
      ++finished;
      return ActionResult::Continue;
    }
    int runs = 0;
    int finished = 0;
  } action;
  CEventxHandler handler;
  handler.LoadAttributes({{"interest", "104"}});
  handler.AddAction(&action);
  CHostWindow* w = loader.FindTopLevelWindow("w");
  w->AddHandler(&handler);
  w->RaiseEvent(w, 104, 2);
  EXPECT_EQ(kDispatchDepthLimit, action.runs);
  EXPECT_EQ(kDispatchDepthLimit, action.finished);
  // The depth count is back at zero: the next event runs the whole chain again.
  w->RaiseEvent(w, 104, 1);
  EXPECT_EQ(2 * kDispatchDepthLimit, action.runs);
}

}  // namespace
