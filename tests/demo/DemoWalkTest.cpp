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

// The quit question, once it is up.
HWND WaitForQuestion(DWORD processId, HWND owner) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND hwnd : TopLevelWindowsOf(processId, L"#32770")) {
      if (::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == owner) found = hwnd;
    }
    return found != nullptr;
  });
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
  Click(main, 960 - 120 + 16, 6 + 16);
  HWND settings = WaitForQuestion(pid, main);
  ASSERT_NE(nullptr, settings) << "no settings dialog";
  EditBoxes boxes = EditsOf(settings);
  ASSERT_TRUE(boxes.name && boxes.hotkey);
  EXPECT_TRUE(WaitFor([&] { return BoxText(boxes.hotkey) == L"CTRL + ALT + G"; })) << BoxText(boxes.hotkey).c_str();
  RECT box;
  ::GetWindowRect(boxes.hotkey, &box);
  POINT boxAt{box.left + 20, box.top + 10};
  ::ScreenToClient(settings, &boxAt);
  Click(settings, boxAt.x, boxAt.y);
  Keys({VK_CONTROL, VK_MENU, 'J'});
  EXPECT_TRUE(WaitFor([&] { return BoxText(boxes.hotkey) == L"CTRL + ALT + J"; })) << BoxText(boxes.hotkey).c_str();
  RECT client;
  ::GetClientRect(settings, &client);
  Click(settings, 216 + 50, client.bottom - 52 + 16);  // save
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(settings); })) << "the dialog stayed open";
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
  ::PostMessageW(components, 0x8001, 0, WM_RBUTTONUP);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = VisibleWindowOf(pid, L"#32768")) != nullptr; })) << "no menu";
  ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != FALSE; })) << "the menu's show entry did nothing";

  // Quit asks first: Escape keeps the launcher, Enter ends it with 0.
  Click(main, 960 - 40 + 16, 6 + 16);
  HWND question = WaitForQuestion(pid, main);
  ASSERT_NE(nullptr, question) << "no quit question";
  ::PostMessageW(question, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(question); }));
  ::Sleep(300);
  EXPECT_TRUE(::IsWindowVisible(main));
  Click(main, 960 - 40 + 16, 6 + 16);
  question = WaitForQuestion(pid, main);
  ASSERT_NE(nullptr, question);
  ::PostMessageW(question, WM_KEYDOWN, VK_RETURN, 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(launch.WaitForExit(kWait, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

}  // namespace
