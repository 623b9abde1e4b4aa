// Start-up of the browser process from the game folder's documents: the main window and the
// loop's exit code, the game folder switch, and the single error box.
#include <gtest/gtest.h>

#include <algorithm>

#include "StartupFixture.h"

using namespace KRUITest;

namespace {

const wchar_t kErrorTitle[] = L"错误";
const wchar_t kErrorText[] = L"加载配置文件出错，请尝试重新安装应用程序。";

std::vector<std::string> ReportLines(const CInstallation& installation) {
  std::vector<std::string> lines;
  std::string text = ReadFileBytes(installation.ReportPath());
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Runs the launcher with arguments and expects the single error box, then exit code -1,
// without the main window.
void ExpectOneErrorBoxAndMinusOne(const CInstallation& installation, const std::wstring& arguments) {
  CLaunch run(installation, arguments);
  // The box exists before its texts are set: wait until it is shown.
  HWND box = run.WaitForWindow(L"#32770", nullptr, kWait);
  ASSERT_NE(nullptr, box) << "no error box";
  ULONGLONG deadline = ::GetTickCount64() + kWait;
  while (!::IsWindowVisible(box) && ::GetTickCount64() < deadline) ::Sleep(20);
  ASSERT_TRUE(::IsWindowVisible(box));
  EXPECT_EQ(kErrorTitle, TextOf(box));
  std::vector<std::wstring> texts = ChildTexts(box, L"Static");
  EXPECT_TRUE(std::find(texts.begin(), texts.end(), std::wstring(kErrorText)) != texts.end())
      << texts.size() << " Static children, none with the message";
  EXPECT_EQ(1u, TopLevelWindowsOf(run.ProcessId(), L"#32770").size());
  EXPECT_EQ(nullptr, ::GetWindow(box, GW_OWNER));
  // The box comes before the runtime's shutdown.
  EXPECT_FALSE(LogHasEvent(installation.LogPath(), "shutdown"));

  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(0xFFFFFFFFu, code);
  // A second box would have kept the process alive; the main window never opened and the
  // layout never made its objects.
  for (const std::wstring& cls : run.SeenWindowClasses()) EXPECT_NE(kTestWindowClass, cls);
  EXPECT_FALSE(FileExists(installation.ReportPath())) << ReadFileBytes(installation.ReportPath());
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(installation.LogPath(), "shutdown.initialized"));
}

// Opens the test window, closes it from outside and returns the exit code (or 1234).
DWORD RunUntilWindowClosed(const CInstallation& installation, const std::wstring& arguments) {
  CLaunch run(installation, arguments);
  HWND window = run.WaitForWindow(kTestWindowClass, kTestWindowTitle, kWait);
  EXPECT_NE(nullptr, window) << "the main window did not open";
  if (!window) return 1234;
  // The window is found as soon as it exists; it is shown a moment later.
  for (int i = 0; i < 250 && !::IsWindowVisible(window); ++i) ::Sleep(20);
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_TRUE(TopLevelWindowsOf(run.ProcessId(), L"#32770").empty()) << "an error box is shown";
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  EXPECT_TRUE(run.WaitForExit(kWait, &code));
  return code;
}

}  // namespace

TEST(StartupDocuments, MainWindowOpensWithoutBitmap2AndTheQuitCodeEndsTheProgram) {
  CInstallation installation("launcher_testhost.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "7", /*withBitmap2=*/false);
  EXPECT_EQ(7u, RunUntilWindowClosed(installation, L""));
  // Loaded from layout.xml (with ${code} from strings.xml), bitmap.xml read, no bitmap2.xml,
  // and the quit went to the recorded UI thread.
  EXPECT_EQ((std::vector<std::string>{"loaded main", "bitmap b1=1", "bitmap b2=0", "created main",
                                      "closing uithread=1"}),
            ReportLines(installation));
  EXPECT_EQ(std::vector<std::wstring>{ExpectedCachePath(L"tlgame")},
            LogValues(installation.LogPath(), "initialize.cache_path"));
}

TEST(StartupDocuments, NoWindowMarkedActiveEndsWithZeroAndShowsNothing) {
  CInstallation installation("launcher_testhost.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "7", /*withBitmap2=*/true, /*active=*/false);
  CLaunch run(installation, L"");
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_TRUE(run.SeenWindowClasses().empty()) << "a window was shown";
  EXPECT_EQ(std::vector<std::string>{"loaded main"}, ReportLines(installation));
  // The normal shutdown order still ends the runtime.
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(installation.LogPath(), "shutdown.initialized"));
}

TEST(StartupDocuments, GameNameSwitchChoosesTheGameFolder) {
  CInstallation installation("launcher_testhost.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "g1\\", "9", true);
  // Only <root>\g1\layout exists: --gameName=g1 reads it.
  EXPECT_EQ(9u, RunUntilWindowClosed(installation, L"--gameName=g1"));
  // bitmap2.xml adds its ids to the table.
  EXPECT_EQ((std::vector<std::string>{"loaded main", "bitmap b1=1", "bitmap b2=1", "created main",
                                      "closing uithread=1"}),
            ReportLines(installation));

  // An empty value is no switch: <root>\layout.
  WriteGame(installation, "", "5", true);
  EXPECT_EQ(5u, RunUntilWindowClosed(installation, L"--gameName="));
}

TEST(StartupDocuments, DocumentFailureShowsOneErrorBoxAndEndsWithMinusOne) {
  struct Case {
    const char* name;
    const char* document;
    const char* content;  // none: the file is absent
  };
  const Case cases[] = {
      {"strings.xml missing", "layout\\strings.xml", nullptr},
      {"bitmap.xml without rootdir", "layout\\bitmap.xml", "<BitmapRoot><Bitmap id=\"b1\" file=\"b1.png\"/></BitmapRoot>"},
      {"layout.xml malformed", "layout\\layout.xml", "<LayoutRoot><TestQuitWindow"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CInstallation installation("launcher_testhost.exe");
    ASSERT_TRUE(installation.Ready());
    WriteGame(installation, "", "7", true);
    if (c.content)
      installation.Write(c.document, c.content);
    else
      ::DeleteFileA(installation.File(c.document).c_str());

    ExpectOneErrorBoxAndMinusOne(installation, L"");
  }
}

// Too deep a document is an unreadable one; too deep a bitmap2.xml is ignored.
TEST(StartupDocuments, DocumentsNestedTooDeeplyAreUnreadable) {
  std::string deep;
  for (int i = 0; i < 7000; ++i) deep += "<Layout>";
  {
    CInstallation installation("launcher_testhost.exe");
    ASSERT_TRUE(installation.Ready());
    WriteGame(installation, "", "7", true);
    installation.Write("layout\\layout.xml", "<LayoutRoot>" + deep + "</LayoutRoot>");
    ExpectOneErrorBoxAndMinusOne(installation, L"");
  }
  CInstallation installation("launcher_testhost.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "7", true);
  installation.Write("layout\\bitmap2.xml", "<BitmapRoot rootdir=\".\">" + deep + "</BitmapRoot>");
  EXPECT_EQ(7u, RunUntilWindowClosed(installation, L""));
}

// Names that do not fit MAX_PATH: the game folder cannot be named, so its documents cannot
// be loaded (the current folder, here the installation root, holds a valid game that must not
// be read instead); the data directory cannot be named, so the runtime gets no cache path.
TEST(StartupDocuments, SwitchesThatMakeOverlongPathsNameNothing) {
  CInstallation installation("launcher_testhost.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "7", true);
  ExpectOneErrorBoxAndMinusOne(installation, L"--gameName=" + std::wstring(300, L'g'));

  ::DeleteFileA(installation.LogPath().c_str());
  EXPECT_EQ(7u, RunUntilWindowClosed(installation, L"--data_dir=" + std::wstring(300, L'd')));
  EXPECT_EQ(std::vector<std::wstring>{L""}, LogValues(installation.LogPath(), "initialize.cache_path"));
}

// A first active window that makes no native window leaves nothing that could end the loop:
// the program ends as it does without an active window.
TEST(StartupDocuments, AFirstActiveWindowWithoutANativeWindowEndsWithZero) {
  struct Case {
    const char* name;
    std::string window;
  };
  const Case cases[] = {
      {"popup dialog", R"(<PopupHostDialog id="d" size="100,100" active="true"/>)"},
      // Its created handler closes it at once, so its creation fails.
      {"frame window closed while it is made",
       R"(<FrameHostWindow id="f" size="100,100" active="true">
            <EventHandler interest="101"><SendMessage windowid="f" message="16" sync="true"/></EventHandler>
          </FrameHostWindow>)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CInstallation installation("launcher_testhost.exe");
    ASSERT_TRUE(installation.Ready());
    WriteGame(installation, "", "7", true);
    // The test window after it is marked active too: only the first active window counts.
    std::string layout = LayoutXml(installation.ReportPath(), true);
    layout.insert(layout.find("<TestQuitWindow"), c.window + "\n  ");
    installation.Write("layout\\layout.xml", layout);
    CLaunch run(installation, L"");
    DWORD code = 1234;
    ASSERT_TRUE(run.WaitForExit(kWait, &code)) << "the program kept running";
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(TopLevelWindowsOf(run.ProcessId(), L"#32770").empty());
    for (const std::wstring& cls : run.SeenWindowClasses()) EXPECT_NE(L"#32770", cls);
  }
}

// What the windows hold outside the process goes with them when the program ends, however the
// loop was left (here a layout's "quitmessage"): the hotkey's global atom, which outlives a
// process that never frees it (the tray icon is taken away at the same window's end).
TEST(StartupDocuments, AnEndedProgramLeavesNoHotkeyAtomBehind) {
  const wchar_t kAtom[] = L"KRUI.Win32Hotkey.1";  // the process's first hotkey element
  // Test programs that end with hotkeys alive leave their references behind: clear them.
  for (int i = 0; i < 1000 && ::GlobalFindAtomW(kAtom); ++i) ::GlobalDeleteAtom(::GlobalFindAtomW(kAtom));
  ASSERT_EQ(0, ::GlobalFindAtomW(kAtom));
  CInstallation installation("launcher.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "7", true);
  installation.Write("layout\\layout.xml", R"(<LayoutRoot>
  <FrameHostWindow id="main" active="true" title="KRUI start-up test" size="200,100">
    <EventHandler interest="101"><ShowComponent windowid="c" componentid="h" show="show"/></EventHandler>
    <EventHandler interest="105"><QuitApplication method="quitmessage"/></EventHandler>
  </FrameHostWindow>
  <Win32ComponentHostWindow id="c"><Win32Hotkey id="h" config-group="hotkey" config-key="toggle"/></Win32ComponentHostWindow>
</LayoutRoot>)");
  installation.Write("conf.dat", "[hotkey]\r\ntoggle=ctrl_alt_71\r\n");

  CLaunch run(installation, L"");
  HWND window = run.WaitForWindow(L"_HOSTINNER_FRAMEWINDOW", kTestWindowTitle, kWait);
  ASSERT_NE(nullptr, window);
  const ULONGLONG deadline = ::GetTickCount64() + kWait;
  while (!::GlobalFindAtomW(kAtom) && ::GetTickCount64() < deadline) ::Sleep(20);
  ASSERT_NE(0, ::GlobalFindAtomW(kAtom)) << "the hotkey was never registered";
  ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(0, ::GlobalFindAtomW(kAtom));
}
