// Whole layouts with the real windows, controls and actions together: a confirmation
// dialog ended by its button, "closewindow" while a dialog runs, actions that continue
// after a non-modal dialog, posted messages and one-shot timers on frame windows.
#include <gtest/gtest.h>

#include "support/GdiplusSession.h"
#include "support/MessagePump.h"
#include "support/TempDir.h"
#include "ui/core/Control.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/windows/PopupHostDialog.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

::testing::Environment* const gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

// The process's loader reads one document, so every scenario lives in it.
const char kLayout[] = R"(<LayoutRoot>
  <FrameHostWindow id="main" pos="100,100" size="400,300" center="false" active="true">
    <EventHandler interest="900">
      <ShowWindow windowid="modeless" showopt="active" show="show"/>
      <ShowControl controlid="root:after-modeless" show="true"/>
    </EventHandler>
    <EventHandler interest="901">
      <SendMessage windowid="other" message="16" sync="false"/>
      <ShowControl controlid="root:after-post" show="true"/>
    </EventHandler>
    <EventHandler interest="902">
      <CreateTimer windowid="owner" timerid="5" elapse="0"/>
      <ShowControl controlid="root:never" show="true"/>
    </EventHandler>
    <EventHandler interest="103">
      <Condition type="num" condition="eq" num="0"/>
      <ShowControl controlid="root:timer" show="true"/>
    </EventHandler>
    <Layout id="root">
      <Layout id="after-modeless" visible="false"/>
      <Layout id="after-post" visible="false"/>
      <Layout id="timer" visible="false"/>
      <Layout id="never" visible="false"/>
    </Layout>
  </FrameHostWindow>
  <FrameHostWindow id="other" pos="600,100" size="200,100" center="false"/>
  <Win32ComponentHostWindow id="components"/>
  <PopupHostDialog id="confirm" size="300,200">
    <Layout id="root">
      <Button id="yes" pos="10,10" size="80,30" text="yes" text-text="Yes">
        <EventHandler interest="101"><ShowWindow windowid="owner" show="close" retcode="6"/></EventHandler>
      </Button>
    </Layout>
  </PopupHostDialog>
  <PopupHostDialog id="closing" size="200,100">
    <EventHandler interest="101"><CreateTimer windowid="owner" timerid="1" elapse="0"/></EventHandler>
    <EventHandler interest="103"><QuitApplication method="closewindow"/></EventHandler>
  </PopupHostDialog>
  <PopupHostDialog id="modeless" size="200,100" modal="false"/>
</LayoutRoot>)";

class Scenarios : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static TempDir dir;
    ASSERT_TRUE(CLayoutLoader::Instance().Load(dir.Write("layout/layout.xml", kLayout)));
  }
  void SetUp() override {
    main = Window("main");
    ASSERT_NE(nullptr, main);
    ASSERT_NE(nullptr, main->Create(nullptr));
    ASSERT_NE(nullptr, Window("other")->Create(nullptr));
    ASSERT_NE(nullptr, Window("components")->Create(nullptr));
    for (const char* flag : {"after-modeless", "after-post", "timer", "never"}) Flag(flag)->SetVisible(false);
  }
  static CHostWindow* Window(const char* id) { return CLayoutLoader::Instance().FindTopLevelWindow(id); }
  CControl* Flag(const std::string& id) { return main->FindControl("root:" + id); }

  CHostWindow* main = nullptr;
};

// Runs while a dialog's own loop is up: clicks the dialog at (50,25).
void CALLBACK ClickYes(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = CLayoutLoader::Instance().FindTopLevelWindow("confirm")->GetHwnd();
  if (!dialog) return;
  ::KillTimer(nullptr, id);
  ::PostMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(50, 25));
}

TEST_F(Scenarios, AButtonEndsItsDialogWithTheCodeItsActionGives) {
  auto* confirm = dynamic_cast<CPopupHostDialog*>(Window("confirm"));
  ASSERT_NE(nullptr, confirm);
  confirm->Create(main->GetHwnd());
  // As ShowWindow with showopt "active" would: actions leave inactive windows alone.
  confirm->SetActive(true);
  ::SetTimer(nullptr, 0, 30, &ClickYes);
  EXPECT_EQ(6, confirm->Show(0, false));
  EXPECT_FALSE(confirm->IsActive());
}

TEST_F(Scenarios, ActionsAfterANonModalDialogStillRun) {
  main->RaiseEvent(main, 900);
  EXPECT_TRUE(Window("modeless")->IsActive());
  EXPECT_TRUE(Flag("after-modeless")->IsVisible());
}

TEST_F(Scenarios, APostedCloseDestroysTheOtherWindowAfterTheHandlerGoesOn) {
  HWND other = Window("other")->GetHwnd();
  main->RaiseEvent(main, 901);
  EXPECT_TRUE(Flag("after-post")->IsVisible());
  EXPECT_TRUE(::IsWindow(other));  // posted: not closed yet
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(other); }, 2000));
}

TEST_F(Scenarios, ATimerCreatedByAnActionFiresOnceAndStopsItsHandler) {
  main->RaiseEvent(main, 902);
  EXPECT_FALSE(Flag("never")->IsVisible());  // CreateTimer stops the rest of its handler
  EXPECT_TRUE(PumpUntil([&] { return Flag("timer")->IsVisible(); }, 2000));
  Flag("timer")->SetVisible(false);
  PumpMessagesFor(200);
  EXPECT_FALSE(Flag("timer")->IsVisible());  // one-shot
}

TEST_F(Scenarios, CloseWindowWhileADialogRunsEndsItAndClosesEveryWindow) {
  auto* closing = dynamic_cast<CPopupHostDialog*>(Window("closing"));
  ASSERT_NE(nullptr, closing);
  HWND mainHwnd = main->GetHwnd(), otherHwnd = Window("other")->GetHwnd();
  HWND components = Window("components")->GetHwnd();
  closing->Create(mainHwnd);
  EXPECT_EQ(2, closing->Show(0, false));
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(mainHwnd) && !::IsWindow(otherHwnd) && !::IsWindow(components); },
                        2000));
}

}  // namespace
