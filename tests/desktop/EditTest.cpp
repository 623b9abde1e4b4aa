// Edit boxes in a settings window and a dialog, and the hotkey box driven by real key
// presses, with the reader and writer actions moving its value to and from conf.dat.
#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>

#include <string>

#include "app/AppConfiger.h"
#include "desktop/DesktopTestSupport.h"
#include "desktop/HotkeyEditControl.h"
#include "support/MessagePump.h"
#include "ui/controls/EditControl.h"
#include "ui/core/Encoding.h"

using namespace KRUITest;
using KRUI::CEditControl;

namespace {

KRUI::CHostWindow* Settings() {
  static KRUI::CHostWindow* settings = [] {
    KRUI::CHostWindow* window = DeskWindow("settings");
    ResetConf({});
    if (window) window->Create(nullptr);
    return window;
  }();
  return settings;
}

template <typename T>
T* SettingsControl(const std::string& path) {
  KRUI::CHostWindow* settings = Settings();
  return settings ? dynamic_cast<T*>(settings->FindControl(path)) : nullptr;
}

std::string BoxText(HWND box) {
  wchar_t text[128] = {0};
  ::GetWindowTextW(box, text, 128);
  return KRUI::WideToThreadAnsi(text);
}

TEST(Edit, BoxesSitAtTheirDeclaredPlaceWithTheirFonts) {
  HWND host = Settings() ? Settings()->GetHwnd() : nullptr;
  ASSERT_NE(nullptr, host);
  LOGFONTW defaultFont = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(defaultFont), &defaultFont);
  struct BoxCase {
    const char* path;
    RECT rect;  // left, top, right, bottom in the host's client area
    const wchar_t* face;
    LONG height, weight;
  } cases[] = {
      {"root:hk", {10, 40, 210, 62}, defaultFont.lfFaceName, defaultFont.lfHeight, defaultFont.lfWeight},
      // Inside a Layout at (50,100): the declared values are taken as they are.
      {"root:inner:plain", {10, 40, 210, 62}, L"Arial", 20, 700},
      // A 40-byte face keeps the default face.
      {"root:longface", {220, 10, 320, 32}, defaultFont.lfFaceName, defaultFont.lfHeight, defaultFont.lfWeight},
  };
  for (const auto& c : cases) {
    auto* edit = SettingsControl<CEditControl>(c.path);
    ASSERT_NE(nullptr, edit) << c.path;
    HWND box = edit->EditHandle();
    ASSERT_TRUE(box && ::GetParent(box) == host) << c.path;
    wchar_t cls[16] = {0};
    ::GetClassNameW(box, cls, 16);
    EXPECT_EQ(0, ::lstrcmpiW(L"Edit", cls)) << c.path;
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(box, GWL_STYLE));
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL),
              style & (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_POPUP)) << c.path;
    EXPECT_NE(0, ::GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << c.path;
    RECT r;
    ::GetWindowRect(box, &r);
    ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(::EqualRect(&r, &c.rect)) << c.path << " " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    LOGFONTW lf = {};
    ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(box, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    EXPECT_STREQ(c.face, lf.lfFaceName) << c.path;
    EXPECT_TRUE(lf.lfHeight == c.height && lf.lfWeight == c.weight) << c.path;
  }
  auto* plain = SettingsControl<CEditControl>("root:inner:plain");
  ASSERT_NE(nullptr, plain);
  EXPECT_TRUE(plain->Children().empty());
  EXPECT_EQ(nullptr, Settings()->FindControl("root:inner:plain:ignored"));
}

TEST(Edit, ADialogGetsANewBoxOnEveryRunAndItsFontGoesWithIt) {
  KRUI::CHostWindow* dialog = DeskWindow("editdlg");
  ASSERT_NE(nullptr, dialog);
  auto* edit = dynamic_cast<CEditControl*>(dialog->FindControl("root:box"));
  ASSERT_NE(nullptr, edit);
  HWND boxes[2] = {};
  for (HWND& seen : boxes) {
    bool fontAlive = false;
    dialog->Create(nullptr);
    DuringDialogRun(dialog, [&](HWND dlg) {
      seen = ::FindWindowExW(dlg, nullptr, L"Edit", nullptr);
      fontAlive = seen == edit->EditHandle() && ::GetObjectType(edit->Font()) == OBJ_FONT;
      ::PostMessageW(dlg, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(2, dialog->Show(0, false));
    ASSERT_NE(nullptr, seen);
    EXPECT_TRUE(fontAlive);
    EXPECT_FALSE(::IsWindow(seen));
    EXPECT_EQ(nullptr, edit->EditHandle());  // forgotten with the dialog
    EXPECT_EQ(nullptr, edit->Font());        // and its font given back
  }
}

TEST(HotkeyEdit, ASettingsDialogShowsTheStoredCombinationOnEveryRun) {
  KRUI::CHostWindow* dialog = DeskWindow("hkdlg");
  ASSERT_NE(nullptr, dialog);
  ResetConf({{"edit", "ctrl_alt_71"}});
  for (int run = 0; run < 2; ++run) {
    std::string shown;
    dialog->Create(nullptr);
    DuringDialogRun(dialog, [&](HWND dlg) {
      shown = BoxText(::FindWindowExW(dlg, nullptr, L"Edit", nullptr));
      ::PostMessageW(dlg, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(2, dialog->Show(0, false));
    EXPECT_EQ("CTRL + ALT + G", shown) << "run " << run;
  }
}

// Counts the key messages the thread takes out of its queue for one window.
HWND g_watched = nullptr;
int g_keyMessages = 0;
LRESULT CALLBACK CountKeys(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == g_watched &&
      (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP || msg->message == WM_SYSKEYDOWN ||
       msg->message == WM_SYSKEYUP)) {
    ++g_keyMessages;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class KeysIntoABox {
 public:
  explicit KeysIntoABox(HWND box) : hook_(::SetWindowsHookExW(WH_GETMESSAGE, &CountKeys, nullptr, ::GetCurrentThreadId())) {
    g_watched = box;
    g_keyMessages = 0;
    ::SetForegroundWindow(::GetParent(box));
    ::SetFocus(box);
  }
  ~KeysIntoABox() {
    if (hook_) ::UnhookWindowsHookEx(hook_);
    g_watched = nullptr;
  }
  bool Ready() const { return hook_ && ::GetFocus() == g_watched; }
  // Sends one key event and waits until the box has taken it from the queue.
  void Send(WORD vk, bool down) {
    const int expected = g_keyMessages + 1;
    Key(vk, down);
    PumpUntil([&] { return g_keyMessages >= expected; }, 3000);
    PumpMessagesFor(0);  // and whatever it posted (characters) too
  }

 private:
  HHOOK hook_;
};

// System commands of the thread (the window menu Alt+Space opens, say): counted, and never
// carried out.
int g_systemCommands = 0;
LRESULT CALLBACK RefuseSystemCommands(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_SYSCOMMAND) {
    ++g_systemCommands;
    return 1;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(HotkeyEdit, TheReaderFillsItAndPressedKeysMakeTheCombination) {
  auto* hk = SettingsControl<CHotkeyEditControl>("root:hk");
  ASSERT_NE(nullptr, hk);
  HWND box = hk->EditHandle();
  ASSERT_NE(nullptr, box);
  // At the window's creation the reader found no entry: the default ctrl_k, and the
  // action after it in the handler never ran.
  EXPECT_EQ("CTRL + ", BoxText(box));
  EXPECT_EQ("ctrl_0", hk->GetValue());
  EXPECT_FALSE(WasRecorded("after-reader"));

  KRUI::CAppConfiger::Instance().Write("hotkey", "edit", "shift_112");
  Settings()->RaiseEvent(Settings(), 72);
  EXPECT_EQ("SHIFT + F1", BoxText(box));
  Settings()->RaiseEvent(Settings(), 73);  // a reader whose control is missing does nothing
  EXPECT_EQ("SHIFT + F1", BoxText(box));
  hk->SetValue("shift_66");
  hk->SetValue("ctrl_alt_65");
  EXPECT_EQ("CTRL + ALT + A", BoxText(box));

  KeysIntoABox keys(box);
  ASSERT_TRUE(keys.Ready());
  const struct {
    WORD vk;
    bool down;
    const char *shown, *value;  // value "" is not checked
  } steps[] = {
      {VK_CONTROL, true, "CTRL + ", ""},  // a new key after a complete combination starts over
      {VK_MENU, true, "CTRL + ALT + ", ""},
      {'A', true, "CTRL + ALT + A", "ctrl_alt_65"},
      {'A', false, "CTRL + ALT + A", ""},
      {VK_MENU, false, "CTRL + ALT + A", ""},
      {VK_CONTROL, false, "CTRL + ALT + A", "ctrl_alt_65"},
      {VK_SHIFT, true, "SHIFT + ", ""},
      {VK_SHIFT, false, "", "0"},
      {VK_CONTROL, true, "CTRL + ", ""},
      {'A', true, "CTRL + A", ""},
      {'B', true, "B", "66"},  // Ctrl still held, but not pressed anew
      {'B', false, "B", ""},
      {'A', false, "B", ""},
      {VK_CONTROL, false, "B", "66"},
      {VK_SHIFT, true, "SHIFT + ", ""},
      {'C', true, "SHIFT + C", ""},
      {'C', true, "SHIFT + C", ""},  // auto-repeat
      {'C', false, "SHIFT + C", ""},
      {VK_SHIFT, false, "SHIFT + C", "shift_67"},
      {'Q', true, "Q", ""},  // the letter typed never lands in the box
      {'Q', false, "Q", "81"},
  };
  for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
    keys.Send(steps[i].vk, steps[i].down);
    EXPECT_EQ(steps[i].shown, BoxText(box)) << "step " << i;
    if (*steps[i].value) {
      EXPECT_EQ(steps[i].value, hk->GetValue()) << "step " << i;
    }
  }

  // The writer stores the value; one reading "event" writes nothing.
  Settings()->RaiseEvent(Settings(), 70);
  EXPECT_EQ("81", KRUI::CAppConfiger::Instance().Read("hotkey", "saved", "none"));
  EXPECT_TRUE(WasRecorded("after-writer"));
  ResetConf({});
  Settings()->RaiseEvent(Settings(), 71);
  EXPECT_EQ("none", KRUI::CAppConfiger::Instance().Read("hotkey", "saved", "none"));

  // Keys only: no input method composes into the box, its stand-in key (229) is no key,
  // and Alt+Space never reaches the system.
  EXPECT_EQ(nullptr, ::ImmGetContext(box));
  ::SendMessageW(box, WM_IME_CHAR, L'x', 0);
  keys.Send(VK_PROCESSKEY, true);
  keys.Send(VK_PROCESSKEY, false);
  EXPECT_EQ("Q", BoxText(box));
  EXPECT_EQ("81", hk->GetValue());
  HHOOK cbt = ::SetWindowsHookExW(WH_CBT, &RefuseSystemCommands, nullptr, ::GetCurrentThreadId());
  g_systemCommands = 0;
  for (bool down : {true, false}) {
    keys.Send(down ? VK_MENU : VK_SPACE, down);
    keys.Send(down ? VK_SPACE : VK_MENU, down);
  }
  ::UnhookWindowsHookEx(cbt);
  EXPECT_EQ("alt_32", hk->GetValue());
  EXPECT_EQ(0, g_systemCommands);
}

TEST(Edit, APlainBoxTakesTypingAndTheWriterStoresItsEmptyValue) {
  auto* plain = SettingsControl<CEditControl>("root:inner:plain");
  ASSERT_NE(nullptr, plain);
  HWND box = plain->EditHandle();
  ASSERT_NE(nullptr, box);
  {
    KeysIntoABox keys(box);
    ASSERT_TRUE(keys.Ready());
    keys.Send('Q', true);
    keys.Send('Q', false);
  }
  EXPECT_EQ("q", BoxText(box));  // what the hotkey box refuses, a plain box shows
  ResetConf({});
  Settings()->RaiseEvent(Settings(), 74);
  EXPECT_EQ("", KRUI::CAppConfiger::Instance().Read("hotkey", "saved", "none"));
}

}  // namespace
