#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "support/MessagePump.h"
#include "support/TempDir.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/core/Win32Component.h"
#include "ui/windows/DialogTemplate.h"
#include "ui/windows/PopupHostDialog.h"
#include "ui/windows/Win32ComponentWindow.h"
#include "windows/WindowTestElements.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

TEST(DialogTemplate, BytesFollowTheLayout) {
  UniqueHglobal block = BuildDialogTemplate(10, 20, 300, 200);
  ASSERT_TRUE(block);
  EXPECT_EQ(kDialogTemplateBytes, ::GlobalSize(block.get()));
  const auto* t = static_cast<const unsigned char*>(::GlobalLock(block.get()));
  ASSERT_NE(nullptr, t);
  const unsigned char expected[74] = {
      0x00, 0x00, 0x08, 0x90,  // WS_POPUP | WS_VISIBLE | WS_SYSMENU
      0, 0, 0, 0,              // extended style
      1, 0,                    // one item
      10, 0, 20, 0, 0x2C, 0x01, 0xC8, 0x00,  // x, y, cx 300, cy 200
      0, 0, 0, 0,              // menu, class
      'M', 0, 'y', 0, ' ', 0, 'D', 0, 'i', 0, 'a', 0, 'l', 0, 'o', 0, 'g', 0, 0, 0,
      0, 0,                    // alignment
      0x01, 0x00, 0x00, 0x40,  // WS_CHILD | BS_DEFPUSHBUTTON
      0, 0, 0, 0,              // item extended style
      0, 0, 0, 0, 0, 0, 0, 0,  // x, y, cx, cy
      1, 0,                    // IDOK
      0xFF, 0xFF, 0x80, 0x00,  // button class
      'O', 0, 'K', 0, 0, 0,
      0, 0};                   // creation data
  for (size_t i = 0; i < sizeof(expected); ++i) EXPECT_EQ(expected[i], t[i]) << "offset " << i;
  for (size_t i = sizeof(expected); i < kDialogTemplateBytes; ++i) {
    if (t[i] != 0) {
      ADD_FAILURE() << "non-zero byte at " << i;
      break;
    }
  }
  ::GlobalUnlock(block.get());
}

// What the timer callback does while a dialog runs its own loop.
enum class Step { kEnter, kEscape, kClickBox, kMeasureThenEscape };
Step g_step;
CPopupHostDialog* g_dialog = nullptr;
RECT g_dialogRect;
HWND g_seenHwnd;

void CALLBACK DuringRun(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = g_dialog ? g_dialog->GetHwnd() : nullptr;
  if (!dialog) return;  // not running yet
  ::KillTimer(nullptr, id);
  g_seenHwnd = dialog;
  switch (g_step) {
    case Step::kEnter:
      ::PostMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0);
      break;
    case Step::kEscape:
      ::PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
      break;
    case Step::kClickBox:
      ::PostMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
      break;
    case Step::kMeasureThenEscape:
      ::GetWindowRect(dialog, &g_dialogRect);
      ::PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
      break;
  }
}

// Asks the running dialog, through its own timer, to show itself again; once that handler
// has run, ends the run with Escape. Every dialog window seen is noted, and a run still
// going after three seconds is ended from outside so that a failure cannot hang.
std::vector<HWND> g_dialogsSeen;
int g_reshowTicks;

void CALLBACK ReshowDuringRun(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = g_dialog ? g_dialog->GetHwnd() : nullptr;
  if (!dialog) return;
  if (std::find(g_dialogsSeen.begin(), g_dialogsSeen.end(), dialog) == g_dialogsSeen.end())
    g_dialogsSeen.push_back(dialog);
  ++g_reshowTicks;
  bool handled = false;
  for (const auto& e : RecordedEvents())
    if (e.sender == "dlg" && e.id == 103) handled = true;
  if (g_reshowTicks == 1) {
    ::SetTimer(dialog, 9, 10, nullptr);  // the dialog's own timer: its 103 handler shows it
  } else if (handled) {
    ::KillTimer(nullptr, id);
    ::PostMessageW(g_dialogsSeen.front(), WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (g_reshowTicks > 100) {
    for (HWND seen : g_dialogsSeen) ::EndDialog(seen, 99);
  }
}

class PopupDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordedEvents().clear();
    ASSERT_TRUE(loader.Load(dir.Write("layout/layout.xml", R"(<LayoutRoot>
      <FrameHostWindow id="owner" pos="200,150" size="600,500" center="false">
        <EventHandler interest="103"><Record/></EventHandler>
      </FrameHostWindow>
      <PopupHostDialog id="dlg" pos="5,5" size="300,200" active="true">
        <EventHandler interest="101"><Record/></EventHandler>
        <EventHandler interest="103"><ShowWindow windowid="owner" show="show"/><Record/></EventHandler>
        <Layout id="root"><EditMaker id="edit"/>
          <Box id="ok" pos="10,10" size="20,20" clicks="true"><EventHandler interest="101"><EndOwner code="6"/></EventHandler></Box>
        </Layout>
      </PopupHostDialog>
      <PopupHostDialog id="modeless" size="100,100" modal="false" pwid="p1"/>
      </LayoutRoot>)")));
    dialog = dynamic_cast<CPopupHostDialog*>(loader.FindTopLevelWindow("dlg"));
    owner = loader.FindTopLevelWindow("owner");
    ASSERT_TRUE(dialog && owner);
    g_dialog = dialog;
  }
  void TearDown() override { g_dialog = nullptr; }
  int RunWith(Step step) {
    g_step = step;
    g_seenHwnd = nullptr;
    ::SetTimer(nullptr, 0, 30, &DuringRun);
    return dialog->Show(0, false);
  }

  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
  CPopupHostDialog* dialog = nullptr;
  CHostWindow* owner = nullptr;
};

TEST_F(PopupDialogs, EnterEscapeAndAnActionGiveTheEndCode) {
  EXPECT_EQ(-1, dialog->Show(0, false));  // not created yet
  EXPECT_EQ(nullptr, dialog->Create(nullptr));  // no native dialog before a run
  EXPECT_EQ(1, RunWith(Step::kEnter));
  EXPECT_NE(nullptr, g_seenHwnd);
  EXPECT_FALSE(::IsWindow(g_seenHwnd));
  EXPECT_EQ(nullptr, dialog->GetHwnd());
  EXPECT_EQ(2, RunWith(Step::kEscape));
  EXPECT_EQ(6, RunWith(Step::kClickBox));
  // Outside a run, Close and Hide do nothing.
  dialog->Close();
  dialog->Hide(3);
}

TEST_F(PopupDialogs, OpensAtItsPixelSizeCentredOverItsOwner) {
  HWND ownerHwnd = owner->Create(nullptr);
  ASSERT_NE(nullptr, ownerHwnd);
  dialog->Create(ownerHwnd);
  EXPECT_EQ(2, RunWith(Step::kMeasureThenEscape));
  EXPECT_EQ(300, g_dialogRect.right - g_dialogRect.left);
  EXPECT_EQ(200, g_dialogRect.bottom - g_dialogRect.top);
  RECT o;
  ::GetWindowRect(ownerHwnd, &o);
  EXPECT_NEAR((o.left + o.right) / 2, (g_dialogRect.left + g_dialogRect.right) / 2, 1);
  EXPECT_NEAR((o.top + o.bottom) / 2, (g_dialogRect.top + g_dialogRect.bottom) / 2, 1);
}

TEST_F(PopupDialogs, ControlsMadeAtInitExistBeforeTheCreatedEvent) {
  dialog->Create(nullptr);
  RunWith(Step::kEscape);
  ASSERT_FALSE(RecordedEvents().empty());
  EXPECT_EQ("dlg", RecordedEvents()[0].sender);
  EXPECT_EQ(101, RecordedEvents()[0].id);
  EXPECT_TRUE(RecordedEvents()[0].hasEditChild);
  EXPECT_FALSE(RecordedEvents()[0].senderVisible);  // the template's WS_VISIBLE applies after init
}

TEST_F(PopupDialogs, ActiveFlagIsClearedAndOtherWindowsKeepWorkingDuringTheRun) {
  HWND ownerHwnd = owner->Create(nullptr);
  dialog->Create(ownerHwnd);
  ASSERT_TRUE(dialog->IsActive());
  ::SetTimer(ownerHwnd, 42, 10, nullptr);
  g_step = Step::kEscape;
  // Let the dialog stay up long enough for the other window's timer.
  ::SetTimer(nullptr, 0, 200, &DuringRun);
  EXPECT_EQ(2, dialog->Show(0, false));
  EXPECT_FALSE(dialog->IsActive());
  bool ownerTimerFired = false;
  for (const auto& e : RecordedEvents())
    if (e.sender == "owner" && e.id == 103) ownerTimerFired = true;
  EXPECT_TRUE(ownerTimerFired);
}

TEST_F(PopupDialogs, ShowingARunningDialogAgainDoesNothing) {
  dialog->Create(nullptr);
  g_dialogsSeen.clear();
  g_reshowTicks = 0;
  ::SetTimer(nullptr, 0, 30, &ReshowDuringRun);
  // The inner Show returned at once, so the first run ended by its own Escape.
  EXPECT_EQ(2, dialog->Show(0, false));
  EXPECT_EQ(1u, g_dialogsSeen.size()) << "a second native dialog was made";
  ASSERT_FALSE(g_dialogsSeen.empty());
  EXPECT_FALSE(::IsWindow(g_dialogsSeen.front()));
  bool reshown = false;
  for (const auto& e : RecordedEvents())
    if (e.sender == "dlg" && e.id == 103) reshown = e.senderVisible;
  EXPECT_TRUE(reshown) << "the handler ran after the dialog had ended";
  // The dialog can still be run afterwards.
  EXPECT_EQ(1, RunWith(Step::kEnter));
}

TEST_F(PopupDialogs, ANonModalDialogCannotBeShown) {
  auto* modeless = dynamic_cast<CPopupHostDialog*>(loader.FindTopLevelWindow("modeless"));
  ASSERT_NE(nullptr, modeless);
  modeless->Create(nullptr);
  EXPECT_FALSE(modeless->IsModal());
  EXPECT_EQ("p1", modeless->Pwid());
  EXPECT_EQ(-1, modeless->Show(0, false));
}

TEST(ComponentWindow, NeverVisibleAndTheFirstHandlerWins) {
  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
  ASSERT_TRUE(loader.Load(dir.Write("layout/layout.xml", R"(<LayoutRoot>
      <Win32ComponentHostWindow id="comp">
        <Grabber id="first" takes="1234" answer="11"/>
        <Grabber id="second" takes="1234" answer="22"/>
        <Grabber id="third" takes="1235" answer="33"/>
      </Win32ComponentHostWindow></LayoutRoot>)")));
  auto* comp = dynamic_cast<CWin32ComponentWindow*>(loader.FindTopLevelWindow("comp"));
  ASSERT_NE(nullptr, comp);
  EXPECT_EQ(nullptr, comp->GetHwnd());
  CWin32Component* second = comp->FindComponent("second");
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(nullptr, comp->FindComponent("fourth"));
  EXPECT_FALSE(comp->AddComponent(nullptr));
  EXPECT_EQ(comp, second->HostWindow());

  second->Show();  // a component asking for the window creates it
  HWND hwnd = comp->GetHwnd();
  ASSERT_NE(nullptr, hwnd);
  EXPECT_EQ(hwnd, comp->Create(nullptr));
  wchar_t cls[64] = {0};
  ::GetClassNameW(hwnd, cls, 64);
  EXPECT_STREQ(L"WIN32_COMPNONTE_WINDOW", cls);
  // Top-level windows always get WS_CLIPSIBLINGS from the system.
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP), ::GetWindowLongW(hwnd, GWL_STYLE) & ~static_cast<DWORD>(WS_CLIPSIBLINGS));
  EXPECT_NE(0, ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  EXPECT_EQ(-1, comp->Show(SW_SHOW, true));
  comp->Toggle(SW_SHOW, 0);
  comp->Toggle(SW_SHOW, 0);
  EXPECT_FALSE(::IsWindowVisible(hwnd));

  GrabberLog().clear();
  EXPECT_EQ(11, ::SendMessageW(hwnd, 1234, 0, 0));
  EXPECT_EQ(33, ::SendMessageW(hwnd, 1235, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"first:1234", "third:1235"}), GrabberLog());

  comp->Close();
  PumpUntil([&] { return !::IsWindow(hwnd); }, 1000);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(nullptr, comp->GetHwnd());
}

}  // namespace
