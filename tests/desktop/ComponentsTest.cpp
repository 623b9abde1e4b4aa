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
  KRUI::CHostWindow* comps = Components();
  return comps ? dynamic_cast<T*>(comps->FindComponent(id)) : nullptr;
}

// Waits until the trail has `count` entries (or gives up); the trail as it then is.
std::vector<std::string> TrailOf(size_t count) {
  PumpUntil([&] { return DeskTrail().size() >= count; }, 3000);
  return DeskTrail();
}

using Trail = std::vector<std::string>;

TEST(Win32Hotkey, RegistersFromConfAtCreationAndAlternatesItsEvents) {
  auto* toggle = Component<CWin32Hotkey>("hk-toggle");
  auto* other = Component<CWin32Hotkey>("hk-other");
  auto* twin = Component<CWin32Hotkey>("hk-twin");
  auto* empty = Component<CWin32Hotkey>("hk-empty");
  ASSERT_TRUE(toggle && other && twin && empty);
  EXPECT_EQ(static_cast<unsigned>(MOD_CONTROL | MOD_ALT), toggle->Modifiers());
  EXPECT_EQ(65u, toggle->KeyCode());
  EXPECT_NE(-1, toggle->RegistrationId());
  // Same entry, still an identifier of its own (its registration is refused).
  EXPECT_NE(-1, twin->RegistrationId());
  EXPECT_NE(toggle->RegistrationId(), twin->RegistrationId());
  EXPECT_NE(toggle->RegistrationId(), other->RegistrationId());
  EXPECT_EQ(-1, empty->RegistrationId());

  DeskTrail().clear();
  for (int i = 0; i < 3; ++i) Chord({VK_CONTROL, VK_MENU, 'A'});
  EXPECT_EQ((Trail{"toggle-201", "toggle-202", "toggle-201"}), TrailOf(3));
  Chord({VK_SHIFT, 'C'});
  EXPECT_EQ((Trail{"toggle-201", "toggle-202", "toggle-201", "other-201"}), TrailOf(4));
}

TEST(Win32Hotkey, Message2001FromASendMessageActionReRegistersKeepingTheCount) {
  auto* toggle = Component<CWin32Hotkey>("hk-toggle");
  ASSERT_NE(nullptr, toggle);
  KRUI::CAppConfiger::Instance().Write("hotkey", "toggle", "shift_66");
  KRUI::CObjectx* object = nullptr;
  ASSERT_TRUE(KRUI::CreateElement("SendMessage", &object));
  std::unique_ptr<KRUI::CAction> send(static_cast<KRUI::CAction*>(object));
  send->LoadAttributes({{"windowid", "comps"}, {"message", "2001"}, {"sync", "true"}});
  KRUI::CEventx event(1, nullptr);
  send->Execute(event);
  EXPECT_EQ(static_cast<unsigned>(MOD_SHIFT), toggle->Modifiers());
  EXPECT_EQ(66u, toggle->KeyCode());

  DeskTrail().clear();
  // The old combination is gone: its press comes first and raises nothing, so the one
  // event that arrives is Shift+B's, the fourth press: even.
  Chord({VK_CONTROL, VK_MENU, 'A'});
  Chord({VK_CONTROL, VK_MENU, VK_SHIFT, 'B'});
  Chord({VK_SHIFT, 'B'});
  EXPECT_EQ((Trail{"toggle-202"}), TrailOf(1));
  Chord({VK_SHIFT, 'C'});
  EXPECT_EQ((Trail{"toggle-202", "other-202"}), TrailOf(2));
  EXPECT_EQ(4, toggle->PressCount());

  // Texts that name no key register nothing useful, and break nothing.
  const char* garbage[] = {"____", "ctrl_alt_shift", "x_y_z", "99999999999999999999999"};
  for (const char* text : garbage) {
    KRUI::CAppConfiger::Instance().Write("hotkey", "toggle", text);
    send->Execute(event);
    EXPECT_NE(-1, toggle->RegistrationId()) << text;
  }
  KRUI::CAppConfiger::Instance().Write("hotkey", "toggle", "");
  send->Execute(event);
  EXPECT_EQ(-1, toggle->RegistrationId());  // an empty entry leaves it unregistered
}

// Whether the shell holds an icon of this window with identifier 0: only a present icon
// can be modified.
bool InTray(HWND hwnd) {
  NOTIFYICONDATAW probe = {};
  probe.cbSize = sizeof(probe);
  probe.hWnd = hwnd;
  return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

TEST(Win32TrayIcon, AddedAtCreationTogglesAndRefusesASecondAdd) {
  auto* tray = Component<CWin32TrayIcon>("tray");
  auto* quiet = Component<CWin32TrayIcon>("tray-quiet");
  ASSERT_TRUE(tray && quiet);
  HWND hwnd = Components()->GetHwnd();
  ASSERT_NE(nullptr, hwnd);

  EXPECT_TRUE(tray->IsShown());
  EXPECT_TRUE(InTray(hwnd));
  EXPECT_NE(nullptr, tray->Icon());
  EXPECT_FALSE(quiet->IsShown());   // not visible: not added
  EXPECT_EQ(nullptr, quiet->Icon());  // its file is missing
  EXPECT_EQ("", quiet->Tip());        // 130 bytes: ignored

  const NOTIFYICONDATAW add = tray->MakeRecord(true);
  EXPECT_EQ(sizeof(NOTIFYICONDATAW), add.cbSize);
  EXPECT_EQ(hwnd, add.hWnd);
  EXPECT_EQ(0u, add.uID);
  EXPECT_EQ(0x87u, add.uFlags);
  EXPECT_EQ(0x8001u, add.uCallbackMessage);
  EXPECT_EQ(tray->Icon(), add.hIcon);
  EXPECT_STREQ(L"KRUI tray", add.szTip);
  EXPECT_STREQ(L"", tray->MakeRecord(false).szTip);

  tray->Toggle(0, 0);
  EXPECT_FALSE(tray->IsShown());
  EXPECT_FALSE(InTray(hwnd));
  tray->Toggle(0, 0);
  EXPECT_TRUE(tray->IsShown());
  EXPECT_TRUE(InTray(hwnd));
  tray->Show();  // the shell refuses a second add; the icon stays
  EXPECT_FALSE(tray->IsShown());
  EXPECT_TRUE(InTray(hwnd));
  tray->Hide();
  EXPECT_FALSE(tray->IsShown());
  EXPECT_FALSE(InTray(hwnd));
  quiet->Hide();  // removing an icon that was never added does not make it count as shown
  EXPECT_FALSE(quiet->IsShown());
  tray->Show();
  EXPECT_TRUE(tray->IsShown());
}

TEST(Win32TrayIcon, CallbackMessagesRaiseDoubleClickAndRightClick) {
  HWND hwnd = Components()->GetHwnd();
  ASSERT_NE(nullptr, hwnd);
  DeskTrail().clear();
  const UINT mouse[] = {WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK};
  for (UINT m : mouse) ::SendMessageW(hwnd, kTrayCallbackMessage, 0, m);
  EXPECT_EQ((Trail{"tray-102", "tray-103"}), DeskTrail());
}

TEST(Win32ContextMenu, ItemsGetGroupedIdentifiersAndCommandsStayInTheirGroup) {
  auto* menu3 = Component<CWin32ContextMenu>("menu3");
  auto* menu4 = Component<CWin32ContextMenu>("menu4");
  ASSERT_TRUE(menu3 && menu4);
  HMENU menu = menu3->Menu();
  ASSERT_NE(nullptr, menu);
  ASSERT_EQ(5, ::GetMenuItemCount(menu));
  EXPECT_EQ(305u, ::GetMenuItemID(menu, 0));
  EXPECT_NE(0u, ::GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(300u, ::GetMenuItemID(menu, 2));
  // Entries that cannot come back as their own command cannot be chosen.
  EXPECT_EQ(405u, ::GetMenuItemID(menu, 3));
  EXPECT_NE(0u, ::GetMenuState(menu, 3, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(299u, ::GetMenuItemID(menu, 4));
  EXPECT_NE(0u, ::GetMenuState(menu, 4, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(0u, ::GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
  wchar_t text[32] = {0};
  ::GetMenuStringW(menu, 0, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(L"Five", text);

  HWND hwnd = Components()->GetHwnd();
  struct CommandCase {
    WPARAM wParam;
    Trail expected;
  } cases[] = {
      {305, {"m3-5"}},
      {300, {"m3-0"}},
      {405, {"m4-5"}},
      {505, {}},
      {299, {}},
      {MAKEWPARAM(305, 1), {}},  // an accelerator or control notification, not a menu command
  };
  for (const auto& c : cases) {
    DeskTrail().clear();
    ::SendMessageW(hwnd, WM_COMMAND, c.wParam, 0);
    EXPECT_EQ(c.expected, DeskTrail()) << c.wParam;
  }
  DeskTrail().clear();
  for (WPARAM id = 0; id <= 0xFFFF; ++id) {
    if (id != 305 && id != 300 && id != 405) ::SendMessageW(hwnd, WM_COMMAND, id, 0);
  }
  EXPECT_EQ(Trail{}, DeskTrail());  // neither 105 nor the default -1 ever fire
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
  Key(VK_DOWN, true);
  Key(VK_DOWN, false);
  Key(VK_RETURN, true);
  Key(VK_RETURN, false);
}

TEST(Win32ContextMenu, PopsUpBesideThePointerAndTheChoiceReachesItsItem) {
  auto* menu3 = Component<CWin32ContextMenu>("menu3");
  ASSERT_NE(nullptr, menu3);
  ASSERT_TRUE(::SetCursorPos(400, 300));
  g_menuRect = RECT{};
  g_menuTicks = 0;
  DeskTrail().clear();
  ::SetTimer(nullptr, 0, 20, &ChooseFirstEntry);
  menu3->Show();  // returns when the menu is closed
  EXPECT_EQ((Trail{"m3-5"}), TrailOf(1));
  EXPECT_EQ(401, g_menuRect.left);
  EXPECT_EQ(299, g_menuRect.top);
}

TEST(Win32ContextMenu, LivesFromTheHostsCreationToItsDestruction) {
  KRUI::CHostWindow* comps = Components();
  auto* menu3 = Component<CWin32ContextMenu>("menu3");
  auto* tray = Component<CWin32TrayIcon>("tray");
  auto* other = Component<CWin32Hotkey>("hk-other");
  ASSERT_TRUE(comps && menu3 && tray && other);
  HWND hwnd = comps->GetHwnd();
  comps->Close();
  PumpUntil([&] { return !::IsWindow(hwnd); }, 3000);
  ASSERT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(nullptr, menu3->Menu());

  // A new host window: a new menu, the visible icon added again, hotkeys registered again.
  ASSERT_NE(nullptr, comps->Create(nullptr));
  ASSERT_NE(nullptr, menu3->Menu());
  EXPECT_EQ(5, ::GetMenuItemCount(menu3->Menu()));
  EXPECT_TRUE(tray->IsShown());
  DeskTrail().clear();
  Chord({VK_SHIFT, 'C'});
  EXPECT_EQ((Trail{"other-201"}), TrailOf(1));  // its third press: the count lives on
  tray->Hide();
}

}  // namespace
