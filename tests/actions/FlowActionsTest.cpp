// Condition, SendMessage, CreateTimer, KillTimer and StopPropagation.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "actions/ActionTestSupport.h"
#include "actions/CreateTimerAction.h"
#include "support/MessagePump.h"
#include "ui/core/ElementDeclaration.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

using Calls = std::vector<std::string>;

class FlowActions : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadActionLayout();
    RecordedEvents().clear();
  }
  void RaiseFlow(int id, EventParam param = 0) {
    CHostWindow* flow = AnyWindow("flow");
    ASSERT_NE(nullptr, flow);
    flow->RaiseEvent(flow, id, param);
  }
  // True when the Condition lets the rest of its handler run for this param.
  static bool Passes(const KRUI::AttributeMap& attributes, EventParam param) {
    auto condition = MakeAction("Condition", attributes);
    CEventx event(101, nullptr, param);
    return condition->Execute(event) == ActionResult::Continue;
  }
  // The same for an event that carries a text; none raises the event without one.
  static bool PassesText(const KRUI::AttributeMap& attributes, const char* text) {
    if (!text) return Passes(attributes, 0);
    auto condition = MakeAction("Condition", attributes);
    CEventx event = CEventx::WithText(101, nullptr, text);
    return condition->Execute(event) == ActionResult::Continue;
  }
};

TEST_F(FlowActions, TextConditionsContainAndEqual) {
  const std::string text = "https://game.example/login?id=9";
  const char* withText = text.c_str();
  const char* emptyText = "";
  struct Row {
    KRUI::AttributeMap attributes;
    const char* param;
    bool passes;
  };
  const Row rows[] = {
      {{}, withText, false},  // "str" without a condition never passes
      {{{"condition", "contain"}}, withText, true},  // an empty str occurs in any text
      {{{"condition", "contain"}}, 0, true},         // ... also in the empty text of param 0
      {{{"condition", "contain"}, {"str", "login?id"}}, withText, true},
      {{{"type", "str"}, {"condition", "contain"}, {"str", "LOGIN"}}, withText, false},  // byte-wise
      {{{"condition", "contain"}, {"str", "login"}}, 0, false},
      {{{"condition", "equal"}, {"str", text}}, withText, true},
      {{{"condition", "equal"}, {"str", "https://game.example/login"}}, withText, false},
      {{{"condition", "equal"}, {"str", text + "x"}}, withText, false},
      {{{"condition", "equal"}}, 0, true},  // param 0 is the empty text
      {{{"condition", "equal"}}, emptyText, true},
      {{{"condition", "equal"}, {"str", "x"}}, 0, false},
      {{{"condition", "Equal"}, {"str", text}}, withText, false},
      {{{"type", "STR"}, {"condition", "contain"}}, withText, false},
      {{{"type", ""}, {"condition", "contain"}}, withText, false},
  };
  for (const Row& row : rows) {
    std::string label;
    for (const auto& a : row.attributes) label += a.first + "=" + a.second + " ";
    EXPECT_EQ(row.passes, PassesText(row.attributes, row.param)) << label << (row.param ? "(text)" : "(0)");
  }
}

TEST_F(FlowActions, NumberConditionsCompareSignedValues) {
  struct Row {
    const char* condition;
    const char* num;
    EventParam param;
    bool passes;
  };
  const Row rows[] = {
      {"eq", "1", 1, true},       {"eq", "1", 2, false},      {"neq", "1", 2, true},
      {"neq", "1", 1, false},     {"lt", "0", -1, true},      {"lt", "0", 0, false},
      {"elt", "0", 0, true},      {"elt", "0", 1, false},     {"gt", "-5", -4, true},
      {"gt", "-5", -5, false},    {"egt", "-5", -5, true},    {"egt", "-5", -6, false},
      {"lt", "0", 0xFFFFFFFF, true},  // only the low 32 bits count: -1
      {"eq", "7", static_cast<EventParam>(static_cast<uintptr_t>(0x100000007ULL)), true},
      {"eq", "12abc", 12, true},  // numbers are read like atoi
      {"eq", "", 0, true},
      {"ge", "0", 5, false},      {"EQ", "1", 1, false},      {"", "1", 1, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.passes, Passes({{"type", "num"}, {"condition", row.condition}, {"num", row.num}}, row.param))
        << row.condition << " " << row.num << " vs " << static_cast<long long>(row.param);
  }
}

TEST_F(FlowActions, AFailingConditionStopsOnlyItsOwnHandler) {
  RaiseFlow(11, -1);
  EXPECT_EQ((Calls{"negative11", "next11"}), RecordedNames());
  RecordedEvents().clear();
  RaiseFlow(11, 3);
  EXPECT_EQ((Calls{"next11"}), RecordedNames());
}

TEST_F(FlowActions, TheSizeEventPassesEqualsOneOnlyWhenMinimised) {
  CActWindow* sz = ActWindow("sz");
  HWND hwnd = Native(sz);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ::SetWindowPos(hwnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(hwnd, SW_MAXIMIZE);
  EXPECT_TRUE(RecordedEvents().empty());
  ::ShowWindow(hwnd, SW_MINIMIZE);
  EXPECT_EQ((Calls{"minimised"}), RecordedNames());
  ::ShowWindow(hwnd, SW_RESTORE);
  ::ShowWindow(hwnd, SW_HIDE);
  EXPECT_EQ((Calls{"minimised"}), RecordedNames());
}

// The size event's param is the resize type, a number: a text condition, ShellOpenUrl and
// WBNavigate taking the event's text see the empty text, where reading 1 or 2 as an address
// would end the process.
TEST_F(FlowActions, ReadersOfTextTakeTheEmptyTextFromARealWindowsSizeEvents) {
  CHostWindow* numeric = AnyWindow("numeric");
  ASSERT_NE(nullptr, numeric);
  HWND hwnd = numeric->Create(nullptr);
  ASSERT_NE(nullptr, hwnd);
  auto* browser = ActControlAt<CActBrowser>("numeric", "nb");
  ASSERT_NE(nullptr, browser);
  PumpMessagesFor(30);
  RecordedEvents().clear();
  ::ShowWindow(hwnd, SW_MINIMIZE);
  ::ShowWindow(hwnd, SW_MAXIMIZE);
  PumpMessagesFor(30);
  // Every size event ran both readers' handlers; none contained a "1".
  ASSERT_FALSE(RecordedEvents().empty());
  const Calls trail = RecordedNames();
  EXPECT_EQ(0, std::count(trail.begin(), trail.end(), "never-contains"));
  EXPECT_EQ(std::count(trail.begin(), trail.end(), "size-as-empty-text"),
            std::count(trail.begin(), trail.end(), "size-readers-done"));
  EXPECT_GE(std::count(trail.begin(), trail.end(), "size-readers-done"), 2);
  EXPECT_TRUE(browser->calls.empty()) << browser->calls.front();
  ::DestroyWindow(hwnd);
}

TEST_F(FlowActions, SendMessageSendsAtOnceOrPostsForLater) {
  CActWindow* sm = ActWindow("sm");
  Native(sm);
  sm->userMessages.clear();
  CEventx event(101, AnyWindow("flow"));

  // Sync (the default): processed inside the action.
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("SendMessage", {{"windowid", "sm"}, {"message", "1025"}})->Execute(event));
  EXPECT_EQ((std::vector<UINT>{1025}), sm->userMessages);
  // Only "true" is true: anything else posts.
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("SendMessage", {{"windowid", "sm"}, {"message", "1026"}, {"sync", "yes"}})->Execute(event));
  EXPECT_EQ((std::vector<UINT>{1025}), sm->userMessages);
  EXPECT_TRUE(PumpUntil([&] { return sm->userMessages.size() == 2; }, 2000));
  EXPECT_EQ(1026u, sm->userMessages.back());

  // WM_CLOSE posted; the next action runs before the window sees it.
  const int closes = sm->closeCount;
  RaiseFlow(7);
  EXPECT_EQ((Calls{"posted7"}), RecordedNames());
  EXPECT_EQ(closes, sm->closeCount);
  EXPECT_TRUE(PumpUntil([&] { return sm->closeCount == closes + 1; }, 2000));
}

TEST_F(FlowActions, SendMessageLooksWindowsUpByPlainId) {
  CActWindow* ownerNamed = ActWindow("owner");
  CHostWindow* anon = AnyWindow("");
  CActWindow* sc = ActWindow("sc");
  ASSERT_TRUE(ownerNamed && anon && sc);
  Native(ownerNamed);
  Native(static_cast<CActWindow*>(anon));
  Native(sc);
  ownerNamed->userMessages.clear();
  static_cast<CActWindow*>(anon)->userMessages.clear();
  sc->userMessages.clear();

  // "owner" is an id here: the window with id "owner", not the event's window.
  CEventx fromSc(101, sc);
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("SendMessage", {{"windowid", "owner"}, {"message", "1030"}})->Execute(fromSc));
  EXPECT_EQ((std::vector<UINT>{1030}), ownerNamed->userMessages);
  EXPECT_TRUE(sc->userMessages.empty());
  // Empty: the first top-level window without an id.
  EXPECT_EQ(ActionResult::Continue, MakeAction("SendMessage", {{"message", "1031"}})->Execute(fromSc));
  EXPECT_EQ((std::vector<UINT>{1031}), static_cast<CActWindow*>(anon)->userMessages);
  // Unmatched: nothing, and the handler goes on.
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("SendMessage", {{"windowid", "nowhere"}, {"message", "1032"}})->Execute(fromSc));
  PumpMessagesFor(50);
  EXPECT_TRUE(sc->userMessages.empty());
}

TEST_F(FlowActions, AQuitPostedToAWindowThatHasNoNativeWindowEndsTheLoop) {
  ASSERT_EQ(nullptr, AnyWindow("ghost")->GetHwnd());
  RaiseFlow(8);
  EXPECT_EQ((Calls{"posted8"}), RecordedNames());
  int code = -1;
  ASSERT_TRUE(WaitForQuit(3000, &code));
  EXPECT_EQ(0, code);
  // A send to it reaches nobody and returns.
  CEventx event(101, AnyWindow("flow"));
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("SendMessage", {{"windowid", "ghost"}, {"message", "18"}})->Execute(event));
  EXPECT_FALSE(WaitForQuit(100, nullptr));
}

TEST_F(FlowActions, ATimerTicksOnceAndASecondStartWithTheSameIdPushesItBack) {
  // elapse="1" is one second, as the reference tells authors (not one millisecond).
  const ElementDeclaration* timer = ElementRegistry::Instance().Declaration("CreateTimer");
  ASSERT_NE(nullptr, timer);
  EXPECT_EQ(0u, std::string(timer->FindAttribute("elapse")->help).rfind("the delay in seconds", 0));
  CActWindow* tm = ActWindow("tm");
  Native(tm);
  tm->ticks.clear();
  tm->tickTimes.clear();

  RaiseFlow(9);  // CreateTimer id 7, elapse="1"; the action after it never runs
  EXPECT_TRUE(RecordedEvents().empty());
  PumpMessagesFor(600);
  EXPECT_TRUE(tm->ticks.empty());
  const DWORD restarted = ::GetTickCount();
  RaiseFlow(9);
  ASSERT_TRUE(PumpUntil([&] { return !tm->ticks.empty(); }, 5000));
  EXPECT_EQ(7u, tm->ticks[0]);
  EXPECT_GE(tm->tickTimes[0] - restarted, 900u);  // a full second after the second start
  EXPECT_EQ((Calls{"tick"}), RecordedNames());

  // Once only; killing a timer that already ticked, or one never started, is harmless.
  CEventx event(101, tm);
  EXPECT_EQ(ActionResult::Continue, MakeAction("KillTimer", {{"windowid", "tm"}, {"timerid", "7"}})->Execute(event));
  EXPECT_EQ(ActionResult::Continue, MakeAction("KillTimer", {{"timerid", "99"}})->Execute(event));
  PumpMessagesFor(1300);
  EXPECT_EQ(1u, tm->ticks.size());
}

TEST_F(FlowActions, KillTimerStopsATimerBeforeItTicks) {
  CActWindow* tm = ActWindow("tm");
  Native(tm);
  tm->ticks.clear();
  CEventx event(101, tm);
  // Two timers of the same length; one is killed at once. Empty windowid: the owner.
  EXPECT_EQ(ActionResult::Stop, MakeAction("CreateTimer", {{"timerid", "8"}, {"elapse", "1"}})->Execute(event));
  EXPECT_EQ(ActionResult::Stop,
            MakeAction("CreateTimer", {{"windowid", "owner"}, {"timerid", "9"}, {"elapse", "1"}})->Execute(event));
  EXPECT_EQ(ActionResult::Continue, MakeAction("KillTimer", {{"timerid", "8"}})->Execute(event));
  ASSERT_TRUE(PumpUntil([&] { return !tm->ticks.empty(); }, 5000));
  PumpMessagesFor(400);
  EXPECT_EQ((std::vector<UINT_PTR>{9}), tm->ticks);
}

TEST_F(FlowActions, TimersNeedANativeWindowAndAlwaysStopTheHandler) {
  CHostWindow* ghost = AnyWindow("ghost");
  ASSERT_EQ(nullptr, ghost->GetHwnd());
  CEventx event(101, ghost);
  EXPECT_EQ(ActionResult::Stop, MakeAction("CreateTimer", {{"timerid", "3"}, {"elapse", "1"}})->Execute(event));
  EXPECT_EQ(ActionResult::Stop,
            MakeAction("CreateTimer", {{"windowid", "nowhere"}, {"timerid", "3"}, {"elapse", "1"}})->Execute(event));
  EXPECT_EQ(ActionResult::Continue, MakeAction("KillTimer", {{"timerid", "3"}})->Execute(event));
  // No thread timer was made in its place.
  bool threadTimer = false;
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 1300) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_TIMER && !msg.hwnd) threadTimer = true;
      ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  EXPECT_FALSE(threadTimer);
}

TEST_F(FlowActions, DelaysAreWholeSecondsLimitedToWhatTheWindowSystemAccepts) {
  EXPECT_EQ(3000u, CCreateTimerAction::DelayMilliseconds(3));
  EXPECT_EQ(0u, CCreateTimerAction::DelayMilliseconds(0));
  // Negative: the unsigned count the window system would receive is beyond its maximum.
  EXPECT_EQ(static_cast<UINT>(USER_TIMER_MAXIMUM), CCreateTimerAction::DelayMilliseconds(-1));
  EXPECT_EQ(static_cast<UINT>(USER_TIMER_MAXIMUM), CCreateTimerAction::DelayMilliseconds(-2));
  EXPECT_EQ(static_cast<UINT>(USER_TIMER_MAXIMUM), CCreateTimerAction::DelayMilliseconds(INT_MIN));
  EXPECT_EQ(2147483000u, CCreateTimerAction::DelayMilliseconds(2147483));
  EXPECT_EQ(static_cast<UINT>(USER_TIMER_MAXIMUM), CCreateTimerAction::DelayMilliseconds(2147484));
  EXPECT_EQ(static_cast<UINT>(USER_TIMER_MAXIMUM), CCreateTimerAction::DelayMilliseconds(4294968));
  EXPECT_EQ(static_cast<UINT>(USER_TIMER_MAXIMUM), CCreateTimerAction::DelayMilliseconds(INT_MAX));
}

TEST_F(FlowActions, StopPropagationEndsTheHandlerAndEveryLaterOne) {
  RaiseFlow(10);
  EXPECT_TRUE(RecordedEvents().empty());
  auto stop = MakeAction("StopPropagation", {});
  CEventx event(101, nullptr);
  EXPECT_EQ(ActionResult::Stop, stop->Execute(event));
  EXPECT_FALSE(event.propagate);
}

}  // namespace
