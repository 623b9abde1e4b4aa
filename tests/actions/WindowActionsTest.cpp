// QuitApplication, ShowWindow, ShowControl, ShowComponent and the owner-window rules, on
// real native windows of one loaded layout.
#include <gtest/gtest.h>

#include "actions/ActionTestSupport.h"
#include "support/MessagePump.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

using Calls = std::vector<std::string>;

class WindowActions : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadActionLayout();
    RecordedEvents().clear();
  }
  // Raises a test event on the "flow" window, whose handlers hold the scenarios.
  void RaiseFlow(int id) {
    CHostWindow* flow = AnyWindow("flow");
    ASSERT_NE(nullptr, flow);
    flow->RaiseEvent(flow, id);
  }
};

TEST(ActionElements, EveryBuiltInActionNameMakesAnAction) {
  for (const char* name : {"QuitApplication", "ShowWindow", "ShowControl", "ShowComponent", "WBNavigate", "WBCommand",
                           "ShellOpenUrl", "CreateProcess", "Condition", "SendMessage", "CreateTimer", "KillTimer",
                           "StopPropagation"}) {
    CObjectx* object = nullptr;
    ASSERT_TRUE(CreateElement(name, &object)) << name;
    std::unique_ptr<CObjectx> owned(object);
    ASSERT_NE(nullptr, object) << name;
    EXPECT_EQ(kKindAction, object->GetKind()) << name;
    EXPECT_NE(nullptr, dynamic_cast<CAction*>(object)) << name;
  }
}

TEST_F(WindowActions, QuitApplicationWithoutAKnownMethodDoesNothingAndContinues) {
  RaiseFlow(1);  // no method, then "ExitProcess" (methods are case-sensitive)
  EXPECT_EQ((Calls{"q-none", "q-cased"}), RecordedNames());
}

TEST_F(WindowActions, QuitMessageContinuesAndEndsTheLoopWithZero) {
  RaiseFlow(2);
  EXPECT_EQ((Calls{"q-message"}), RecordedNames());
  int code = -1;
  ASSERT_TRUE(WaitForQuit(3000, &code));
  EXPECT_EQ(0, code);
}

TEST_F(WindowActions, CloseWindowEndsARunningDialogWithCancelAndPostsCloseToEveryOtherWindow) {
  CActWindow* kw = ActWindow("kw");
  CActWindow* sm = ActWindow("sm");
  CActWindow* ghost = ActWindow("ghost");
  CHostWindow* comps = AnyWindow("comps");
  ASSERT_TRUE(kw && sm && ghost && comps);
  Native(kw);
  Native(sm);
  Native(static_cast<CActWindow*>(comps));
  PumpMessagesFor(50);
  const int kwBefore = kw->closeCount, smBefore = sm->closeCount;
  const int compsBefore = static_cast<CActWindow*>(comps)->closeCount;

  // The dialog's own creation event runs closewindow while its modal run is in progress.
  RaiseFlow(3);
  CActDialog* dialog = ActDialog("dlg-closeall");
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ((std::vector<int>{IDCANCEL}), dialog->endCodes);
  EXPECT_FALSE(dialog->IsActive());  // the modal run clears it
  EXPECT_EQ((Calls{"after-closewindow", "after-dialog"}), RecordedNames());

  // Posted, not sent: they arrive once the loop runs.
  EXPECT_TRUE(PumpUntil([&] {
    return kw->closeCount > kwBefore && sm->closeCount > smBefore &&
           static_cast<CActWindow*>(comps)->closeCount > compsBefore;
  }, 3000));
  EXPECT_EQ(nullptr, ghost->GetHwnd());  // a window never created gets nothing and stays so
}

TEST_F(WindowActions, ShowWindowAppliesEachKeywordOfItsTable) {
  CActWindow* kw = ActWindow("kw");
  ASSERT_NE(nullptr, kw);
  HWND hwnd = Native(kw);
  struct Row {
    const char* show;
    bool stops;
    Calls calls;
  };
  const Row rows[] = {
      {"show", false, {"show:5"}},
      {"true", false, {"show:5"}},
      {"hide", false, {"hide:4"}},
      {"false", false, {"hide:4"}},
      {"min", false, {"show:2"}},
      {"minimize", false, {"show:2"}},
      {"max", false, {"show:3"}},
      {"maximize", false, {"show:3"}},
      {"restore", false, {"show:1"}},
      {"nomal", false, {"show:1"}},
      {"close", false, {"hide:4"}},
      {"auto", false, {"toggle:5,4", "show:5"}},    // hidden: shown with cmd
      {"toggle", false, {"toggle:5,4", "hide:4"}},  // visible and normal: hidden
      {"normal", true, {}},
      {"Show", true, {}},
      {"", true, {}},
  };
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
  for (const Row& row : rows) {
    auto action = MakeAction("ShowWindow", {{"windowid", "kw"}, {"show", row.show}, {"cmd", "5"}, {"retcode", "4"}});
    ASSERT_NE(nullptr, action);
    kw->calls.clear();
    CEventx event(101, kw);
    EXPECT_EQ(row.stops, action->Execute(event) == ActionResult::Stop) << row.show;
    EXPECT_EQ(row.calls, kw->calls) << row.show;
    EXPECT_TRUE(kw->IsActive()) << row.show;
    // The window really is in the state the keyword asks for.
    const std::string s = row.show;
    if (s == "min" || s == "minimize") {
      EXPECT_TRUE(::IsIconic(hwnd)) << s;
    } else if (s == "max" || s == "maximize") {
      EXPECT_TRUE(::IsZoomed(hwnd)) << s;
    } else if (s == "restore" || s == "nomal") {
      EXPECT_FALSE(::IsIconic(hwnd) || ::IsZoomed(hwnd)) << s;
    } else if (s == "hide" || s == "close" || s == "toggle") {
      EXPECT_FALSE(::IsWindowVisible(hwnd)) << s;
    } else if (s == "show" || s == "auto") {
      EXPECT_TRUE(::IsWindowVisible(hwnd)) << s;
    }
  }
}

TEST_F(WindowActions, ToggleRestoresAMinimisedWindowHidesANormalOneAndShowsAHiddenOne) {
  CActWindow* tog = ActWindow("tog");
  ASSERT_NE(nullptr, tog);
  HWND hwnd = Native(tog);
  auto toggle = MakeAction("ShowWindow", {{"windowid", "tog"}, {"show", "toggle"}, {"cmd", "5"}});
  CEventx event(101, tog);

  ::ShowWindow(hwnd, SW_SHOWMINIMIZED);
  ASSERT_TRUE(::IsIconic(hwnd));
  EXPECT_EQ(ActionResult::Continue, toggle->Execute(event));
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  EXPECT_FALSE(::IsIconic(hwnd));

  EXPECT_EQ(ActionResult::Continue, toggle->Execute(event));
  EXPECT_FALSE(::IsWindowVisible(hwnd));

  tog->calls.clear();
  EXPECT_EQ(ActionResult::Continue, toggle->Execute(event));
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  EXPECT_EQ((Calls{"toggle:5,0", "show:5"}), tog->calls);
}

TEST_F(WindowActions, AnUnknownShowKeywordStopsTheHandlerBeforeDeactivating) {
  CActWindow* kw = ActWindow("kw");
  Native(kw);
  kw->SetActive(true);
  RaiseFlow(4);  // show "normal" (with an r), showopt "deactive", then a record
  EXPECT_TRUE(RecordedEvents().empty());
  EXPECT_TRUE(kw->IsActive());

  // A known keyword goes on to deactivate.
  auto hide = MakeAction("ShowWindow", {{"windowid", "kw"}, {"show", "hide"}, {"showopt", "deactive"}});
  CEventx event(101, kw);
  EXPECT_EQ(ActionResult::Continue, hide->Execute(event));
  EXPECT_FALSE(kw->IsActive());
  kw->calls.clear();
  // Inactive now: the next run does nothing.
  auto show = MakeAction("ShowWindow", {{"windowid", "kw"}, {"show", "show"}});
  EXPECT_EQ(ActionResult::Continue, show->Execute(event));
  EXPECT_TRUE(kw->calls.empty());
  kw->SetActive(true);
}

TEST_F(WindowActions, AnInactiveWindowIsLeftAloneAndTheHandlerContinues) {
  CActWindow* idle = ActWindow("idle");
  ASSERT_NE(nullptr, idle);
  RaiseFlow(5);
  EXPECT_EQ((Calls{"ran5"}), RecordedNames());
  EXPECT_TRUE(idle->calls.empty());
  EXPECT_EQ(nullptr, idle->GetHwnd());
  EXPECT_FALSE(idle->IsActive());
}

TEST_F(WindowActions, ActiveCreatesTheWindowUnderTheParentThatParentIdNames) {
  CActWindow* owner = ActWindow("kw");
  HWND ownerHwnd = Native(owner);
  CEventx fromOwner(101, owner);

  // Default and "desktop": the desktop window; the window is then active and shown.
  CActWindow* fresh1 = ActWindow("fresh1");
  auto byDefault = MakeAction("ShowWindow", {{"windowid", "fresh1"}, {"showopt", "active"}, {"show", "show"}});
  EXPECT_EQ(ActionResult::Continue, byDefault->Execute(fromOwner));
  EXPECT_EQ((Calls{"create", "show:0"}), fresh1->calls);
  EXPECT_EQ(::GetDesktopWindow(), fresh1->createdWithParent);
  EXPECT_TRUE(fresh1->IsActive());
  EXPECT_TRUE(::IsWindowVisible(fresh1->GetHwnd()));

  // "owner": the event's owner window, which then owns the new window.
  CActWindow* fresh3 = ActWindow("fresh3");
  auto byOwner = MakeAction("ShowWindow",
                            {{"windowid", "fresh3"}, {"showopt", "active"}, {"parentid", "owner"}, {"show", "hide"}});
  EXPECT_EQ(ActionResult::Continue, byOwner->Execute(fromOwner));
  EXPECT_EQ(ownerHwnd, fresh3->createdWithParent);
  EXPECT_EQ(ownerHwnd, ::GetWindow(fresh3->GetHwnd(), GW_OWNER));

  // Empty parentid counts as the desktop.
  CActWindow* fresh4 = ActWindow("fresh4");
  auto byEmpty = MakeAction("ShowWindow", {{"windowid", "fresh4"}, {"showopt", "active"}, {"parentid", ""}, {"show", "hide"}});
  EXPECT_EQ(ActionResult::Continue, byEmpty->Execute(fromOwner));
  EXPECT_EQ(::GetDesktopWindow(), fresh4->createdWithParent);

  // An existing native window is not created again: only the flag is set.
  fresh4->calls.clear();
  fresh4->SetActive(false);
  EXPECT_EQ(ActionResult::Continue, byEmpty->Execute(fromOwner));
  EXPECT_EQ((Calls{"hide:0"}), fresh4->calls);
  EXPECT_TRUE(fresh4->IsActive());
}

TEST_F(WindowActions, AnyOtherParentIdStopsWhenAWindowIsNeededAndOnlyMattersThen) {
  CActWindow* fresh2 = ActWindow("fresh2");
  ASSERT_NE(nullptr, fresh2);
  RaiseFlow(6);  // parentid "main", no native window yet
  EXPECT_TRUE(RecordedEvents().empty());
  EXPECT_TRUE(fresh2->calls.empty());
  EXPECT_EQ(nullptr, fresh2->GetHwnd());
  EXPECT_FALSE(fresh2->IsActive());

  // Once the native window exists the parent is not consulted: flag set, show applied.
  Native(fresh2);
  fresh2->calls.clear();
  RaiseFlow(6);
  EXPECT_EQ((Calls{"show:0"}), fresh2->calls);
  EXPECT_TRUE(fresh2->IsActive());
  EXPECT_EQ((Calls{"never6"}), RecordedNames());
  fresh2->Hide(0);
}

TEST_F(WindowActions, WindowReferencesResolveToTheOwnerOrById) {
  CActWindow* sc = ActWindow("sc");
  CActWindow* kw = ActWindow("kw");
  Native(sc);
  Native(kw);
  CControl* a = ActControlAt<CActControl>("sc", "root:a");
  ASSERT_NE(nullptr, a);

  // Empty and "owner": a control's owner is its host window.
  for (const char* ref : {"", "owner"}) {
    sc->calls.clear();
    auto action = MakeAction("ShowWindow", {{"windowid", ref}, {"show", "hide"}, {"retcode", "3"}});
    CEventx event(101, a);
    EXPECT_EQ(ActionResult::Continue, action->Execute(event)) << ref;
    EXPECT_EQ((Calls{"hide:3"}), sc->calls) << ref;
  }
  // An id finds its window whatever the sender; an unmatched id stops.
  kw->calls.clear();
  CEventx event(101, a);
  EXPECT_EQ(ActionResult::Continue, MakeAction("ShowWindow", {{"windowid", "kw"}, {"show", "max"}})->Execute(event));
  EXPECT_EQ((Calls{"show:3"}), kw->calls);
  EXPECT_EQ(ActionResult::Stop, MakeAction("ShowWindow", {{"windowid", "nowhere"}, {"show", "show"}})->Execute(event));
  ::ShowWindow(kw->GetHwnd(), SW_HIDE);
}

TEST_F(WindowActions, ComponentEventsHaveNoOwnerWindow) {
  CHostWindow* comps = AnyWindow("comps");
  ASSERT_NE(nullptr, comps);
  CWin32Component* tray = comps->FindComponent("tray");
  ASSERT_NE(nullptr, tray);
  CActWindow* compsWindow = static_cast<CActWindow*>(comps);
  compsWindow->calls.clear();
  CEventx event(102, tray);

  // "owner" and empty references match no window: ShowWindow stops, the others do nothing.
  EXPECT_EQ(ActionResult::Stop, MakeAction("ShowWindow", {{"show", "show"}})->Execute(event));
  EXPECT_EQ(ActionResult::Stop, MakeAction("ShowWindow", {{"windowid", "owner"}, {"show", "show"}})->Execute(event));
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("ShowControl", {{"controlid", "owner"}, {"show", "hide"}})->Execute(event));
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("ShowControl", {{"controlid", "root"}, {"show", "hide"}})->Execute(event));
  EXPECT_EQ(ActionResult::Stop, MakeAction("CreateTimer", {{"timerid", "5"}, {"elapse", "1"}})->Execute(event));
  EXPECT_EQ(ActionResult::Continue, MakeAction("KillTimer", {{"timerid", "5"}})->Execute(event));
  event.result = -1;
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("WBNavigate", {{"windowid", "owner"}, {"wbid", "root:br"}, {"retval", "3"}})->Execute(event));
  EXPECT_EQ(-1, event.result);
  EXPECT_TRUE(compsWindow->calls.empty());

  // Named by id, windows are found as usual.
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("ShowWindow", {{"windowid", "comps"}, {"show", "hide"}})->Execute(event));
  EXPECT_EQ((Calls{"hide:0"}), compsWindow->calls);
}

TEST_F(WindowActions, AShowOnANonModalDialogDoesNothingAndContinues) {
  CActDialog* dialog = ActDialog("dlg-nonmodal");
  ASSERT_NE(nullptr, dialog);
  auto show = MakeAction("ShowWindow", {{"windowid", "dlg-nonmodal"}, {"show", "show"}});
  CEventx event(101, dialog);
  EXPECT_EQ(ActionResult::Continue, show->Execute(event));
  EXPECT_EQ((std::vector<int>{-1}), dialog->endCodes);
  EXPECT_TRUE(dialog->IsActive());
}

TEST_F(WindowActions, AButtonInsideADialogEndsItWithItsRetcodeBeforeTheNextActionRuns) {
  CActDialog* dialog = ActDialog("dlg-close");
  ASSERT_NE(nullptr, dialog);
  // Active with a parent: the dialog is prepared, then run modally; the handler goes on
  // only after the dialog has ended.
  auto open = MakeAction("ShowWindow", {{"windowid", "dlg-close"}, {"showopt", "active"}, {"show", "show"}});
  CEventx event(101, AnyWindow("flow"));
  EXPECT_EQ(ActionResult::Continue, open->Execute(event));
  EXPECT_EQ(1, dialog->createCount);
  EXPECT_EQ((std::vector<int>{7}), dialog->endCodes);
  EXPECT_EQ((Calls{"after-close"}), RecordedNames());

  // The modal run cleared the flag: without "active" a second show does nothing.
  RaiseFlow(13);
  EXPECT_EQ((std::vector<int>{7}), dialog->endCodes);
  EXPECT_EQ((Calls{"after-close", "after-dialog13"}), RecordedNames());
}

TEST_F(WindowActions, ShowControlSetsTheVisibleFlagThenRepaintsTheWindow) {
  CActWindow* sc = ActWindow("sc");
  HWND hwnd = Native(sc);
  auto* a = ActControlAt<CActControl>("sc", "root:a");
  ASSERT_NE(nullptr, a);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  CEventx event(101, sc);

  struct Row {
    const char* show;
    bool visibleAfter;
    Calls calls;
  };
  const Row rows[] = {
      {"false", false, {"visible:0", "invalidate"}}, {"show", true, {"visible:1", "invalidate"}},
      {"hide", false, {"visible:0", "invalidate"}},  {"true", true, {"visible:1", "invalidate"}},
      {"Hide", true, {}},                              {"", true, {}},
  };
  for (const Row& row : rows) {
    a->calls.clear();
    ::ValidateRect(hwnd, nullptr);
    auto action = MakeAction("ShowControl", {{"windowid", "sc"}, {"controlid", "root:a"}, {"show", row.show}});
    EXPECT_EQ(ActionResult::Continue, action->Execute(event)) << row.show;
    EXPECT_EQ(row.calls, a->calls) << row.show;
    EXPECT_EQ(row.visibleAfter, a->IsVisible()) << row.show;
    // The repaint request reaches the native window.
    EXPECT_EQ(!row.calls.empty(), ::GetUpdateRect(hwnd, nullptr, FALSE) != FALSE) << row.show;
  }
  ::ShowWindow(hwnd, SW_HIDE);
}

TEST_F(WindowActions, ShowControlFindsNothingOutsideActiveWindowsAndKnownPaths) {
  Native(ActWindow("sc"));
  auto* a = ActControlAt<CActControl>("sc", "root:a");
  auto* offA = ActControlAt<CActControl>("scoff", "root:a");
  ASSERT_TRUE(a && offA);
  a->calls.clear();
  CEventx event(101, AnyWindow("sc"));
  for (const KRUI::AttributeMap& attributes : std::vector<KRUI::AttributeMap>{
           {{"windowid", "scoff"}, {"controlid", "root:a"}, {"show", "false"}},  // inactive window
           {{"windowid", "sc"}, {"controlid", "root:zz"}, {"show", "false"}},    // no such path
           {{"windowid", "sc"}, {"controlid", "a"}, {"show", "false"}},          // paths start at the root
           {{"windowid", "sc"}, {"controlid", ""}, {"show", "false"}},
           {{"windowid", "none"}, {"controlid", "root:a"}, {"show", "false"}},
       }) {
    EXPECT_EQ(ActionResult::Continue, MakeAction("ShowControl", attributes)->Execute(event));
  }
  EXPECT_TRUE(a->calls.empty());
  EXPECT_TRUE(offA->calls.empty());
  // Empty windowid: the owner window.
  auto* b = ActControlAt<CActControl>("sc", "root:b");
  CEventx fromB(101, b);
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("ShowControl", {{"controlid", "root:a"}, {"show", "hide"}})->Execute(fromB));
  EXPECT_EQ((Calls{"visible:0", "invalidate"}), a->calls);
  a->SetVisible(true);
}

TEST_F(WindowActions, ShowControlOwnerIsTheSendingControlOfAnActiveWindow) {
  Native(ActWindow("sc"));
  auto* b = ActControlAt<CActControl>("sc", "root:b");
  auto* offA = ActControlAt<CActControl>("scoff", "root:a");
  ASSERT_TRUE(b && offA);
  auto hideOwner = MakeAction("ShowControl", {{"windowid", "scoff"}, {"controlid", "owner"}, {"show", "hide"}});

  // The sender, whatever windowid says.
  b->calls.clear();
  CEventx fromB(101, b);
  EXPECT_EQ(ActionResult::Continue, hideOwner->Execute(fromB));
  EXPECT_EQ((Calls{"visible:0", "invalidate"}), b->calls);
  EXPECT_FALSE(b->IsVisible());
  b->SetVisible(true);

  // A window sender is no control; a control of an inactive window is left alone.
  b->calls.clear();
  CEventx fromWindow(101, AnyWindow("sc"));
  EXPECT_EQ(ActionResult::Continue, hideOwner->Execute(fromWindow));
  CEventx fromInactive(101, offA);
  EXPECT_EQ(ActionResult::Continue, hideOwner->Execute(fromInactive));
  EXPECT_TRUE(b->calls.empty());
  EXPECT_TRUE(offA->calls.empty());
  EXPECT_TRUE(offA->IsVisible());
}

TEST_F(WindowActions, ShowComponentShowsHidesAndTogglesAComponentOfTheNamedWindow) {
  CHostWindow* comps = AnyWindow("comps");
  ASSERT_NE(nullptr, comps);
  auto* tray = dynamic_cast<CActComponent*>(comps->FindComponent("tray"));
  ASSERT_NE(nullptr, tray);
  CEventx event(101, tray);
  struct Row {
    KRUI::AttributeMap attributes;
    Calls calls;
  };
  const Row rows[] = {
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "show"}}, {"show"}},
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "true"}}, {"show"}},
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "hide"}}, {"hide"}},
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "false"}}, {"hide"}},
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "auto"}}, {"toggle:0,0"}},
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "toggle"}, {"destroy", "true"}}, {"toggle:0,0"}},
      {{{"windowid", "comps"}, {"componentid", "tray"}, {"show", "Show"}}, {}},
      {{{"windowid", "comps"}, {"componentid", ""}, {"show", "show"}}, {}},
      {{{"windowid", ""}, {"componentid", "tray"}, {"show", "show"}}, {}},
      {{{"windowid", "owner"}, {"componentid", "tray"}, {"show", "show"}}, {}},  // a plain id here
      {{{"windowid", "kw"}, {"componentid", "tray"}, {"show", "show"}}, {}},     // frames hold none
      {{{"windowid", "comps"}, {"componentid", "menu"}, {"show", "show"}}, {}},
  };
  for (const Row& row : rows) {
    tray->calls.clear();
    EXPECT_EQ(ActionResult::Continue, MakeAction("ShowComponent", row.attributes)->Execute(event));
    EXPECT_EQ(row.calls, tray->calls);
  }
}

}  // namespace
