// The component host window of the desktop layout: global hotkeys pressed through the
// system's input queue, the tray icon and the context menus. The tests of this file run in
// order on one component window, created by the first.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "app/AppConfiger.h"
#include "desktop/DesktopTestSupport.h"
#include "desktop/Win32ContextMenu.h"
#include "desktop/Win32Hotkey.h"
#include "desktop/Win32TrayIcon.h"
#include "support/MessagePump.h"
#include "ui/core/ElementRegistry.h"

using namespace KRUITest;
using Trail = std::vector<std::string>;

namespace {

KRUI::CHostWindow* Components() {
  static KRUI::CHostWindow* comps = [] {
    KRUI::CHostWindow* window = DeskWindow("comps");
    // The combinations the hotkeys find when their host window is created.
    ResetConf({{"toggle", "CTRL_Alt_65"}, {"other", "shift_67"}});
    if (window) window->Create(nullptr);
    return window;
  }();
  return comps;
}

template <typename T>
T* Component(const std::string& id) {
  return Components() ? dynamic_cast<T*>(Components()->FindComponent(id)) : nullptr;
}

// The trail once it has `count` entries (or when waiting gave up).
Trail TrailOf(size_t count) {
  PumpUntil([&] { return RecordedEvents().size() >= count; }, 3000);
  return RecordedNames();
}

TEST(Win32Hotkey, RegistersFromConfAtCreationAndAlternatesItsEvents) {
  auto* toggle = Component<CWin32Hotkey>("hk-toggle");
  auto* other = Component<CWin32Hotkey>("hk-other");
  auto* twin = Component<CWin32Hotkey>("hk-twin");
  auto* empty = Component<CWin32Hotkey>("hk-empty");
  ASSERT_TRUE(toggle && other && twin && empty);
  EXPECT_EQ(static_cast<unsigned>(MOD_CONTROL | MOD_ALT), toggle->Modifiers());
  EXPECT_EQ(65u, toggle->KeyCode());
  // The twin reads the same entry but has an identifier of its own; the system refuses
  // its registration of a combination the first one holds.
  EXPECT_NE(-1, twin->RegistrationId());
  EXPECT_NE(toggle->RegistrationId(), twin->RegistrationId());
  EXPECT_NE(toggle->RegistrationId(), other->RegistrationId());
  EXPECT_EQ(-1, empty->RegistrationId());

  RecordedEvents().clear();
  // Each press waits for the one before to arrive: a busy machine's input queue may merge
  // presses that come faster than a player's.
  for (size_t i = 0; i < 3; ++i) {
    Chord({VK_CONTROL, VK_MENU, 'A'});
    TrailOf(i + 1);
  }
  Chord({VK_SHIFT, 'C'});
  EXPECT_EQ((Trail{"toggle-201", "toggle-202", "toggle-201", "other-201"}), TrailOf(4));
}

TEST(Win32Hotkey, Message2001FromASendMessageActionReRegistersKeepingTheCount) {
  auto* toggle = Component<CWin32Hotkey>("hk-toggle");
  ASSERT_NE(nullptr, toggle);
  KRUI::CObjectx* object = nullptr;
  ASSERT_TRUE(KRUI::CreateElement("SendMessage", &object));
  std::unique_ptr<KRUI::CAction> send(static_cast<KRUI::CAction*>(object));
  send->LoadAttributes({{"windowid", "comps"}, {"message", "2001"}, {"sync", "true"}});
  KRUI::CEventx event(1, nullptr);
  KRUI::CAppConfiger::Instance().Write("hotkey", "toggle", "shift_66");
  send->Execute(event);
  EXPECT_EQ(static_cast<unsigned>(MOD_SHIFT), toggle->Modifiers());
  EXPECT_EQ(66u, toggle->KeyCode());

  RecordedEvents().clear();
  // Presses are delivered in order: had anything of the old combination stayed, its
  // events would come before Shift+B's, the fourth press (even).
  Chord({VK_CONTROL, VK_MENU, 'A'});
  Chord({VK_CONTROL, VK_MENU, VK_SHIFT, 'B'});
  Chord({VK_SHIFT, 'B'});
  Chord({VK_SHIFT, 'C'});
  EXPECT_EQ((Trail{"toggle-202", "other-202"}), TrailOf(2));

  // Garbage registers something harmless; an empty entry registers nothing.
  KRUI::CAppConfiger::Instance().Write("hotkey", "toggle", "___");
  send->Execute(event);
  EXPECT_EQ(0u, toggle->KeyCode() | toggle->Modifiers());
  KRUI::CAppConfiger::Instance().Write("hotkey", "toggle", "");
  send->Execute(event);
  EXPECT_EQ(-1, toggle->RegistrationId());
}

// Whether the shell holds this window's icon 0: only a present icon can be modified.
bool InTray(HWND hwnd) {
  NOTIFYICONDATAW probe = {};
  probe.cbSize = sizeof(probe);
  probe.hWnd = hwnd;
  return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

TEST(Win32TrayIcon, AddedAtCreationTogglesRefusesASecondAddAndRaisesClicks) {
  auto* tray = Component<CWin32TrayIcon>("tray");
  auto* quiet = Component<CWin32TrayIcon>("tray-quiet");
  ASSERT_TRUE(tray && quiet);
  HWND hwnd = Components()->GetHwnd();
  EXPECT_TRUE(tray->IsShown() && InTray(hwnd));
  EXPECT_NE(nullptr, tray->Icon());
  EXPECT_FALSE(quiet->IsShown());     // not visible: not added
  EXPECT_EQ(nullptr, quiet->Icon());  // its file is missing
  EXPECT_EQ("", quiet->Tip());        // 130 bytes: ignored

  const NOTIFYICONDATAW add = tray->MakeRecord(true);
  EXPECT_EQ(sizeof(NOTIFYICONDATAW), add.cbSize);
  EXPECT_TRUE(add.hWnd == hwnd && add.uID == 0 && add.uFlags == 0x87 && add.uCallbackMessage == 0x8001);
  EXPECT_EQ(tray->Icon(), add.hIcon);
  EXPECT_STREQ(L"KRUI tray", add.szTip);
  EXPECT_STREQ(L"", tray->MakeRecord(false).szTip);

  tray->Toggle(0, 0);
  EXPECT_FALSE(tray->IsShown() || InTray(hwnd));
  tray->Toggle(0, 0);
  EXPECT_TRUE(tray->IsShown() && InTray(hwnd));
  tray->Show();  // a second add is refused, but the icon is there: still shown, and a
  EXPECT_TRUE(tray->IsShown() && InTray(hwnd));  // toggle still takes it away
  tray->Toggle(0, 0);
  EXPECT_FALSE(tray->IsShown() || InTray(hwnd));
  tray->Toggle(0, 0);

  // A new taskbar has lost the icons: a shown one is added again, a hidden one is not.
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  NOTIFYICONDATAW lost = tray->MakeRecord(false);
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &lost));
  ::SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
  EXPECT_TRUE(tray->IsShown() && InTray(hwnd));
  tray->Hide();
  ::SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
  EXPECT_FALSE(tray->IsShown() || InTray(hwnd));
  // Removing an icon never added does not make it count as shown (while the other is
  // hidden: the two share the host window's icon 0).
  quiet->Hide();
  EXPECT_FALSE(quiet->IsShown());
  tray->Show();

  RecordedEvents().clear();
  for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP})
    ::SendMessageW(hwnd, kTrayCallbackMessage, 0, m);
  EXPECT_EQ((Trail{"tray-102", "tray-103"}), RecordedNames());
}

TEST(Win32ContextMenu, ItemsGetGroupedIdentifiersAndCommandsStayInTheirGroup) {
  auto* menu3 = Component<CWin32ContextMenu>("menu3");
  ASSERT_TRUE(menu3 && menu3->Menu());
  HMENU menu = menu3->Menu();
  ASSERT_EQ(5, ::GetMenuItemCount(menu));
  const UINT ids[] = {305, 0, 300, 405, 299};
  const UINT states[] = {0, MF_SEPARATOR, 0, MF_GRAYED, MF_GRAYED};  // 105 and -1 cannot be chosen
  for (int i = 0; i < 5; ++i) {
    if (ids[i]) {
      EXPECT_EQ(ids[i], ::GetMenuItemID(menu, i)) << i;
    }
    // The system reports separators as disabled too.
    const UINT mask = states[i] == MF_SEPARATOR ? MF_SEPARATOR : MF_SEPARATOR | MF_GRAYED;
    EXPECT_EQ(states[i], ::GetMenuState(menu, i, MF_BYPOSITION) & mask) << i;
  }

  HWND hwnd = Components()->GetHwnd();
  const struct {
    WPARAM wParam;
    Trail expected;
  } cases[] = {{305, {"m3-5"}}, {300, {"m3-0"}}, {405, {"m4-5"}}, {505, {}}, {299, {}}, {MAKEWPARAM(305, 1), {}}};
  for (const auto& c : cases) {
    RecordedEvents().clear();
    ::SendMessageW(hwnd, WM_COMMAND, c.wParam, 0);
    EXPECT_EQ(c.expected, RecordedNames()) << c.wParam;
  }
  RecordedEvents().clear();
  for (WPARAM id = 0; id <= 0xFFFF; ++id) {
    if (id != 305 && id != 300 && id != 405) ::SendMessageW(hwnd, WM_COMMAND, id, 0);
  }
  EXPECT_EQ(Trail{}, RecordedNames());  // neither 105 nor the default -1 ever fire
}

RECT g_menuRect;
int g_menuTicks = 0;

void CALLBACK ChooseFirstEntry(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !::IsWindowVisible(menuWindow)) {
    if (++g_menuTicks > 150) {
      ::KillTimer(nullptr, id);
      ::EndMenu();  // never hang the run: the checks below then fail
    }
    return;
  }
  ::KillTimer(nullptr, id);
  ::GetWindowRect(menuWindow, &g_menuRect);
  for (WORD vk : {VK_DOWN, VK_RETURN}) {
    Key(vk, true);
    Key(vk, false);
  }
}

TEST(Win32ContextMenu, PopsUpBesideThePointerAndTheChoiceReachesItsItem) {
  auto* menu3 = Component<CWin32ContextMenu>("menu3");
  ASSERT_NE(nullptr, menu3);
  ASSERT_TRUE(::SetCursorPos(400, 300));
  RecordedEvents().clear();
  ::SetTimer(nullptr, 0, 20, &ChooseFirstEntry);
  menu3->Show();  // returns when the menu is closed
  EXPECT_EQ((Trail{"m3-5"}), TrailOf(1));
  EXPECT_EQ(401, g_menuRect.left);
  EXPECT_EQ(299, g_menuRect.top);
}

// Whether the window's icon was still in the tray at its last message (the shell here
// forgets the icons of a window that is gone, Windows does not).
WNDPROC g_componentsProc = nullptr;
bool g_inTrayAtEnd = false;
LRESULT CALLBACK WatchLastMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) g_inTrayAtEnd = InTray(hwnd);
  return ::CallWindowProcW(g_componentsProc, hwnd, message, wParam, lParam);
}

// Destroys the component window and waits until it is gone.
void CloseComponents() {
  HWND hwnd = Components()->GetHwnd();
  g_componentsProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchLastMessage)));
  Components()->Close();
  PumpUntil([&] { return !::IsWindow(hwnd); }, 3000);
}

TEST(Win32ContextMenu, LivesFromTheHostsCreationToItsDestruction) {
  auto* menu3 = Component<CWin32ContextMenu>("menu3");
  auto* tray = Component<CWin32TrayIcon>("tray");
  auto* other = Component<CWin32Hotkey>("hk-other");
  ASSERT_TRUE(menu3 && tray && other && other->RegistrationId() != -1);
  wchar_t atomName[64] = {0};
  ASSERT_NE(0u, ::GlobalGetAtomNameW(static_cast<ATOM>(other->RegistrationId()), atomName, 64));
  HWND hwnd = Components()->GetHwnd();
  ASSERT_TRUE(tray->IsShown() && InTray(hwnd));
  CloseComponents();
  EXPECT_EQ(nullptr, menu3->Menu());
  EXPECT_FALSE(g_inTrayAtEnd);  // no ghost icon left in the tray
  EXPECT_EQ(-1, other->RegistrationId());
  // Earlier runs of the launcher that never destroyed their windows may hold the name too:
  // theirs go here, so that the next destruction shows this window's alone.
  for (int i = 0; i < 1000 && ::GlobalFindAtomW(atomName); ++i) ::GlobalDeleteAtom(::GlobalFindAtomW(atomName));

  // A new host window: a new menu, the icon added again, the hotkeys registered again
  // under the same names, as in every launch.
  ASSERT_NE(nullptr, Components()->Create(nullptr));
  EXPECT_EQ(5, ::GetMenuItemCount(menu3->Menu()));
  EXPECT_TRUE(tray->IsShown() && InTray(Components()->GetHwnd()));
  RecordedEvents().clear();
  Chord({VK_SHIFT, 'C'});
  EXPECT_EQ((Trail{"other-201"}), TrailOf(1));  // its third press: the count lives on
  wchar_t again[64] = {0};
  ::GlobalGetAtomNameW(static_cast<ATOM>(other->RegistrationId()), again, 64);
  EXPECT_STREQ(atomName, again);
  // Its destruction leaves no atom in the session's table.
  CloseComponents();
  EXPECT_EQ(0, ::GlobalFindAtomW(atomName)) << atomName;
}

}  // namespace
