#include "desktop/DesktopTestSupport.h"

#include <gtest/gtest.h>

#include "app/AppConfiger.h"
#include "support/Bmp.h"
#include "support/TempDir.h"
#include "ui/core/LayoutLoader.h"

namespace KRUITest {

namespace {

// Event numbers below 100 are the tests' own: each names one handler scenario.
const char kLayout[] = R"(<LayoutRoot>
  <FrameHostWindow id="main" pos="100,100" size="400,300" center="false">
    <EventHandler interest="60"><ShowMessagebox windowid="msg" title="First" message="Quit?" yes="Yes" no="No" continue="1"/><Record name="go60"/></EventHandler>
    <EventHandler interest="61"><ShowMessagebox windowid="msg" title="Second" continue="1"/><Record name="go61"/></EventHandler>
    <EventHandler interest="62"><ShowMessagebox windowid="msg" title="Six" continue="6"/><Record name="go62"/></EventHandler>
    <EventHandler interest="63"><ShowMessagebox windowid="msg-partial" title="Partial" yes="Y" no="N" continue="1"/><Record name="go63"/></EventHandler>
    <EventHandler interest="64"><ShowMessagebox windowid="nothere" continue="-1"/><Record name="go64"/></EventHandler>
    <EventHandler interest="65"><ShowMessagebox windowid="msg-modeless" continue="1"/><Record name="go65"/></EventHandler>
    <EventHandler interest="66"><ShowMessagebox windowid="msg-bare" continue="2"/><Record name="go66"/></EventHandler>
  </FrameHostWindow>
  <PopupHostDialog id="msg" size="300,200"><Layout id="root">
    <Text id="msgbox.title" pos="10,10" size="280,20"/><Text id="msgbox.message" pos="10,40" size="280,40"/>
    <Button id="msgbox.yes" pos="20,150" size="100,30" text="?">
      <EventHandler interest="101"><ShowWindow windowid="owner" show="close" retcode="6"/></EventHandler></Button>
    <Button id="msgbox.no" pos="180,150" size="100,30" text="?"/>
  </Layout></PopupHostDialog>
  <PopupHostDialog id="msg-partial" size="300,200"><Layout id="root">
    <Text id="msgbox.title" pos="10,10" size="280,20"/><Button id="msgbox.yes" pos="20,150" size="100,30"/>
  </Layout></PopupHostDialog>
  <PopupHostDialog id="msg-modeless" modal="false" size="300,200"/>
  <PopupHostDialog id="msg-bare" size="200,100"/>

  <Win32ComponentHostWindow id="comps">
    <Win32TrayIcon id="tray" icon="tray.ico" tip="KRUI tray" visible="true">
      <EventHandler interest="102"><Record name="tray-102"/></EventHandler>
      <EventHandler interest="103"><Record name="tray-103"/></EventHandler>
    </Win32TrayIcon>
    <Win32TrayIcon id="tray-quiet" icon="missing.ico" tip="${longtip}"/>
    <Win32ContextMenu id="menu3" group="3">
      <Win32MenuItem index="5" text="Five"><EventHandler interest="101"><Record name="m3-5"/></EventHandler></Win32MenuItem>
      <Win32MenuItem separator="true"/>
      <Win32MenuItem index="0" text="Zero"><EventHandler interest="101"><Record name="m3-0"/></EventHandler></Win32MenuItem>
      <Win32MenuItem index="105" text="Big"><EventHandler interest="101"><Record name="m3-105"/></EventHandler></Win32MenuItem>
      <Win32MenuItem text="NoIndex"><EventHandler interest="101"><Record name="m3-none"/></EventHandler></Win32MenuItem>
    </Win32ContextMenu>
    <Win32ContextMenu id="menu4" group="4">
      <Win32MenuItem index="5" text="Four-five"><EventHandler interest="101"><Record name="m4-5"/></EventHandler></Win32MenuItem>
    </Win32ContextMenu>
    <Win32Hotkey id="hk-toggle" config-group="hotkey" config-key="toggle">
      <EventHandler interest="201"><Record name="toggle-201"/></EventHandler>
      <EventHandler interest="202"><Record name="toggle-202"/></EventHandler>
    </Win32Hotkey>
    <Win32Hotkey id="hk-other" config-group="hotkey" config-key="other">
      <EventHandler interest="201"><Record name="other-201"/></EventHandler>
      <EventHandler interest="202"><Record name="other-202"/></EventHandler>
    </Win32Hotkey>
    <Win32Hotkey id="hk-twin" config-group="hotkey" config-key="toggle">
      <EventHandler interest="201"><Record name="twin-201"/></EventHandler>
      <EventHandler interest="202"><Record name="twin-202"/></EventHandler>
    </Win32Hotkey>
    <Win32Hotkey id="hk-empty" config-group="hotkey" config-key="unset"/>
  </Win32ComponentHostWindow>

  <FrameHostWindow id="settings" pos="200,200" size="400,200" center="false">
    <EventHandler interest="101"><HotkeyConfigReader group="hotkey" key="edit" to="root:hk"/><Record name="after-reader"/></EventHandler>
    <EventHandler interest="70"><HotkeyConfigWriter group="hotkey" key="saved" fromdata="root:hk"/><Record name="after-writer"/></EventHandler>
    <EventHandler interest="71"><HotkeyConfigWriter group="hotkey" key="saved" fromdata="event"/></EventHandler>
    <EventHandler interest="72"><HotkeyConfigReader group="hotkey" key="edit" to="root:hk"/></EventHandler>
    <EventHandler interest="73"><HotkeyConfigReader group="hotkey" key="edit" to="root:none"/></EventHandler>
    <EventHandler interest="74"><HotkeyConfigWriter group="hotkey" key="saved" fromdata="root:inner:plain"/></EventHandler>
    <Layout id="root">
      <HotkeyEdit id="hk" pos="10,40" size="200,22"/>
      <Layout id="inner" pos="50,100" size="300,80">
        <Edit id="plain" pos="10,40" size="200,22" face="Arial" height="20" weight="700"><Text id="ignored"/></Edit>
      </Layout>
      <Edit id="longface" pos="220,10" size="100,22" face="ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"/>
    </Layout>
  </FrameHostWindow>
  <PopupHostDialog id="editdlg" size="300,200"><Layout id="root"><Edit id="box" pos="10,40" size="200,22"/></Layout></PopupHostDialog>
  <PopupHostDialog id="hkdlg" size="300,200">
    <EventHandler interest="101"><HotkeyConfigReader group="hotkey" key="edit" to="root:hk"/></EventHandler>
    <Layout id="root"><HotkeyEdit id="hk" pos="10,40" size="200,22"/></Layout></PopupHostDialog>
</LayoutRoot>
)";

UINT_PTR g_timer = 0;
KRUI::CHostWindow* g_dialog = nullptr;
std::function<void(HWND)> g_step;

void CALLBACK OnDialogTimer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = g_dialog ? g_dialog->GetHwnd() : nullptr;
  // The dialog shows after WM_INITDIALOG: wait until it is on screen.
  if (!dialog || !::IsWindowVisible(dialog)) return;
  ::KillTimer(nullptr, id);
  g_timer = 0;
  auto step = std::move(g_step);
  g_step = nullptr;
  if (step) step(dialog);
}

}  // namespace

void LoadDesktopLayout() {
  static bool loaded = [] {
    static TempDir dir;
    dir.Write("layout\\tray.ico", MakeIcon(0x2040C0));
    // A tip of 130 bytes: too long to be taken.
    std::string layout = kLayout;
    layout.replace(layout.find("${longtip}"), 10, std::string(130, 't'));
    std::string path = dir.Write("layout\\layout.xml", layout);
    return KRUI::CLayoutLoader::Instance().Load(path);
  }();
  ASSERT_TRUE(loaded);
}

KRUI::CHostWindow* DeskWindow(const std::string& id) {
  LoadDesktopLayout();
  return KRUI::CLayoutLoader::Instance().FindTopLevelWindow(id);
}

void ResetConf(const std::vector<std::pair<std::string, std::string>>& hotkeyEntries) {
  const KRUI::CAppConfiger& conf = KRUI::CAppConfiger::Instance();
  ASSERT_FALSE(conf.Path().empty());
  ::DeleteFileA(conf.Path().c_str());
  for (const auto& entry : hotkeyEntries) conf.Write("hotkey", entry.first, entry.second);
}

void Key(WORD vk, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  ASSERT_EQ(1u, ::SendInput(1, &input, sizeof(input)));
}

void Chord(const std::vector<WORD>& keys) {
  for (WORD k : keys) Key(k, true);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) Key(*it, false);
}

void DuringDialogRun(KRUI::CHostWindow* dialog, std::function<void(HWND)> step) {
  // A watch whose dialog never came up must not fire into a later run.
  if (g_timer) ::KillTimer(nullptr, g_timer);
  g_dialog = dialog;
  g_step = std::move(step);
  g_timer = ::SetTimer(nullptr, 0, 20, &OnDialogTimer);
}

}  // namespace KRUITest
