// The demo installation walked as a player would: the launcher and the stand-in Chromium
// runtime started from a copy of examples/demo, driven from this process with real input.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "startup/LauncherRun.h"
#include "ui/core/Encoding.h"

using namespace KRUITest;

namespace {

constexpr DWORD kWait = 15000;

// examples/demo as a Windows path (KRUI_DEMO_SOURCE is a Unix path, reached through Z:).
std::string DemoSource() {
  char value[MAX_PATH] = {0};
  DWORD n = ::GetEnvironmentVariableA("KRUI_DEMO_SOURCE", value, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::string path = value;
  if (path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

bool CopyTree(const std::string& from, const std::string& to) {
  ::CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((from + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ok = CopyTree(from + "\\" + name, to + "\\" + name) && ok;
    } else {
      ok = ::CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && ok;
    }
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  return ok;
}

// The runtime's form of a document text: UTF-8 to the ANSI code page, then to the window system.
std::wstring AsShown(const char* utf8) { return KRUI::ThreadAnsiToWide(KRUI::Utf8ToAnsi(utf8)); }

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kWait) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  while (!done()) {
    if (::GetTickCount64() > deadline) return false;
    ::Sleep(20);
  }
  return true;
}

// Acts, then waits for its effect. A player does it again when nothing happened (a click
// that came while the window was still busy), and so does the test, up to three times.
bool Until(const std::function<void()>& act, const std::function<bool()>& done, DWORD eachMs = 4000) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    act();
    if (WaitFor(done, eachMs)) return true;
  }
  return false;
}

// The window that has the keyboard focus in the thread that owns window.
HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Click(HWND window, int clientX, int clientY) {
  POINT p{clientX, clientY};
  ::ClientToScreen(window, &p);
  ::SetCursorPos(p.x, p.y);
  ::Sleep(50);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof(INPUT));
}

void Keys(const std::vector<WORD>& down) {
  std::vector<INPUT> input;
  for (WORD key : down) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
    input.push_back(i);
  }
  for (auto it = down.rbegin(); it != down.rend(); ++it) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = *it;
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    input.push_back(i);
  }
  ::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

// An edit box's text, asked of its own process (GetWindowText of another process's control
// reads only the text it was created with).
std::wstring BoxText(HWND box) {
  wchar_t text[128] = {0};
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(box, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
  for (HWND hwnd : TopLevelWindowsOf(processId, className)) {
    if (::IsWindowVisible(hwnd)) return hwnd;
  }
  return nullptr;
}

struct EditBoxes {
  HWND name = nullptr;
  HWND hotkey = nullptr;
};

BOOL CALLBACK CollectEdits(HWND child, LPARAM param) {
  auto* boxes = reinterpret_cast<std::vector<HWND>*>(param);
  if (ClassOf(child) == L"Edit") boxes->push_back(child);
  return TRUE;
}

// The settings page declares the name box at y 54 and the hotkey box at y 96.
EditBoxes EditsOf(HWND dialog) {
  std::vector<HWND> found;
  ::EnumChildWindows(dialog, &CollectEdits, reinterpret_cast<LPARAM>(&found));
  EditBoxes boxes;
  for (HWND box : found) {
    RECT r;
    ::GetWindowRect(box, &r);
    POINT p{r.left, r.top};
    ::ScreenToClient(dialog, &p);
    if (p.y == 54) boxes.name = box;
    if (p.y == 96) boxes.hotkey = box;
  }
  return boxes;
}

std::string ConfValue(const std::string& conf) {
  char value[64] = {0};
  ::GetPrivateProfileStringA("hotkey", "toggle", "", value, sizeof(value), conf.c_str());
  return value;
}

// A dialog over owner (the settings or the quit question), once it is up.
HWND WaitForQuestion(DWORD processId, HWND owner, DWORD timeoutMs = kWait) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND hwnd : TopLevelWindowsOf(processId, L"#32770")) {
      if (::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == owner) found = hwnd;
    }
    return found != nullptr;
  }, timeoutMs);
  return found;
}

TEST(DemoLauncher, APlayerWalksThroughEveryPart) {
  CInstallation installation("launcher.exe");
  ASSERT_TRUE(installation.Ready());
  const std::string source = DemoSource();
  ASSERT_FALSE(source.empty()) << "KRUI_DEMO_SOURCE is not set";
  ASSERT_TRUE(CopyTree(source, installation.Root()));
  // The start pages are files of the installation: write their folder's URL in.
  const std::string stringsPath = installation.File("layout\\strings.xml");
  std::string strings = ReadFileBytes(stringsPath);
  std::string pages = "file:///" + installation.File("page");
  for (char& c : pages) {
    if (c == '\\') c = '/';
  }
  const size_t at = strings.find("@PAGES@");
  ASSERT_NE(std::string::npos, at);
  installation.Write("layout\\strings.xml", strings.replace(at, 7, pages));
  const std::string conf = installation.File("conf.dat");
  ASSERT_EQ("ctrl_alt_71", ConfValue(conf));

  CLaunch launch(installation, L"");
  ASSERT_TRUE(launch.Started());
  const DWORD pid = launch.ProcessId();

  // The main window, with its title, and the browser showing the start page beside it.
  HWND main = launch.WaitForWindow(L"_HOSTINNER_FRAMEWINDOW", AsShown(u8"KRUI 游戏启动器").c_str(), kWait);
  ASSERT_NE(nullptr, main);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != FALSE; }));
  ASSERT_TRUE(WaitFor([&] { return !LogValues(installation.LogPath(), "load_handler.on_load_end_main").empty(); }))
      << "the start page never finished loading";

  // Settings: the dialog shows the stored hotkey; new keys pressed into the box replace it.
  HWND settings = nullptr;
  ASSERT_TRUE(Until([&] { Click(main, 960 - 120 + 16, 6 + 16); },
                    [&] { return (settings = WaitForQuestion(pid, main, 0)) != nullptr; }))
      << "no settings dialog";
  EditBoxes boxes = EditsOf(settings);
  ASSERT_TRUE(boxes.name && boxes.hotkey);
  EXPECT_TRUE(WaitFor([&] { return BoxText(boxes.hotkey) == L"CTRL + ALT + G"; })) << BoxText(boxes.hotkey).c_str();
  RECT box;
  ::GetWindowRect(boxes.hotkey, &box);
  POINT boxAt{box.left + 20, box.top + 10};
  ::ScreenToClient(settings, &boxAt);
  EXPECT_TRUE(Until([&] { Click(settings, boxAt.x, boxAt.y); }, [&] { return FocusOf(settings) == boxes.hotkey; }))
      << "the hotkey box never took the focus";
  EXPECT_TRUE(Until([&] { Keys({VK_CONTROL, VK_MENU, 'J'}); },
                    [&] { return BoxText(boxes.hotkey) == L"CTRL + ALT + J"; }))
      << BoxText(boxes.hotkey).c_str();
  RECT client;
  ::GetClientRect(settings, &client);
  ASSERT_TRUE(Until([&] { Click(settings, 216 + 50, client.bottom - 52 + 16); },  // save
                    [&] { return !::IsWindow(settings); }))
      << "the dialog stayed open";
  EXPECT_EQ("ctrl_alt_74", ConfValue(conf));

  // The new hotkey hides the main window and brings it back.
  Keys({VK_CONTROL, VK_MENU, 'J'});
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(main); })) << "the hotkey did not hide the window";
  Keys({VK_CONTROL, VK_MENU, 'J'});
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != FALSE; })) << "the hotkey did not show it again";

  // The tray icon's menu: a right click pops it up; its first entry shows the main window.
  HWND components = nullptr;
  for (HWND hwnd : TopLevelWindowsOf(pid, L"WIN32_COMPNONTE_WINDOW")) components = hwnd;
  ASSERT_NE(nullptr, components);
  Keys({VK_CONTROL, VK_MENU, 'J'});
  ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(main); }));
  // A pop-up menu closes again when its owner loses the foreground to a window that is
  // still settling (the main window was just hidden): a player right-clicks once more, and
  // so does the test, up to three times.
  bool menuSeen = false;
  for (int attempt = 0; attempt < 3 && !::IsWindowVisible(main); ++attempt) {
    ::PostMessageW(components, 0x8001, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = VisibleWindowOf(pid, L"#32768")) != nullptr; }, 3000)) continue;
    menuSeen = true;
    ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    WaitFor([&] { return ::IsWindowVisible(main) != FALSE; }, 3000);
  }
  EXPECT_TRUE(menuSeen) << "no menu";
  EXPECT_TRUE(::IsWindowVisible(main)) << "the menu's show entry did nothing";

  // Quit asks first: Escape keeps the launcher, Enter ends it with 0.
  HWND question = nullptr;
  const auto askToQuit = [&] {
    return Until([&] { Click(main, 960 - 40 + 16, 6 + 16); },
                 [&] { return (question = WaitForQuestion(pid, main, 0)) != nullptr; });
  };
  ASSERT_TRUE(askToQuit()) << "no quit question";
  ::PostMessageW(question, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(question); }));
  ::Sleep(300);
  EXPECT_TRUE(::IsWindowVisible(main));
  ASSERT_TRUE(askToQuit());
  ::PostMessageW(question, WM_KEYDOWN, VK_RETURN, 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(launch.WaitForExit(kWait, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

}  // namespace
