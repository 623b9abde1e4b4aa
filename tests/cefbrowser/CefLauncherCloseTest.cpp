// The launcher itself with a browser in its main window: closing the window closes the
// browser first, the browser's close ends the message loop, and the process ends with 0
// after the runtime's shutdown, with no browser left open or referenced.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "startup/LauncherRun.h"

using namespace KRUITest;

namespace {

const DWORD kLaunchWait = 30000;

std::string Layout(bool child) {
  return std::string("<LayoutRoot><FrameHostWindow id=\"main\" active=\"true\" title=\"KRUI browser close\" "
                     "pos=\"100,100\" size=\"400,300\" center=\"false\"><Layout id=\"root\">"
                     "<CefBrowser id=\"game\" pos=\"10,10\" size=\"300,200\" page=\"http://krui.test/game\"") +
         (child ? " child=\"true\"" : "") + "/></Layout></FrameHostWindow></LayoutRoot>";
}

// Index of the first journal line that starts with prefix, or the line count.
size_t LineOf(const std::vector<std::string>& lines, const std::string& prefix) {
  auto it = std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.compare(0, prefix.size(), prefix) == 0; });
  return static_cast<size_t>(it - lines.begin());
}

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::string bytes = ReadFileBytes(path), line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  return lines;
}

}  // namespace

TEST(LauncherWithBrowser, ClosingTheWindowEndsTheProcessInTheShutdownOrder) {
  for (bool child : {true, false}) {
    SCOPED_TRACE(child ? "child placement" : "detached placement");
    CInstallation installation("launcher.exe");
    ASSERT_TRUE(installation.Ready());
    installation.Write("layout\\strings.xml", "<StringRoot><String id=\"x\" value=\"1\"/></StringRoot>");
    installation.Write("layout\\bitmap.xml",
                       "<BitmapRoot rootdir=\"..\\image\"><Bitmap id=\"b1\" file=\"b1.png\"/></BitmapRoot>");
    installation.Write("layout\\layout.xml", Layout(child));

    CLaunch run(installation, L"");
    ASSERT_TRUE(run.Started());
    HWND window = run.WaitForWindow(L"_HOSTINNER_FRAMEWINDOW", L"KRUI browser close", kLaunchWait);
    ASSERT_NE(nullptr, window);
    const std::string log = installation.LogPath();
    ULONGLONG deadline = ::GetTickCount64() + kLaunchWait;
    while (!LogHasEvent(log, "life_span") && ::GetTickCount64() < deadline) ::Sleep(20);
    ASSERT_TRUE(LogHasEvent(log, "life_span")) << "the browser never arrived";

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(run.WaitForExit(kLaunchWait, &code));
    EXPECT_EQ(0u, code);

    const std::vector<std::string> lines = Lines(log);
    const size_t close = LineOf(lines, "host.close_browser=0");
    const size_t flush = LineOf(lines, "cookie_manager.flush_store=");
    const size_t beforeClose = LineOf(lines, "life_span.on_before_close=");
    const size_t shutdown = LineOf(lines, "shutdown.open_browsers=0");
    ASSERT_LT(shutdown, lines.size());
    EXPECT_LT(close, flush);
    EXPECT_LT(flush, beforeClose);
    EXPECT_LT(beforeClose, shutdown);
    EXPECT_LT(LineOf(lines, "shutdown.program_browser_references=0"), lines.size());
    EXPECT_LT(LineOf(lines, "shutdown.initialized=1"), lines.size());
    EXPECT_EQ(std::vector<std::wstring>{L"parent"}, LogValues(log, "browser.wm_close_to_root"));
  }
}

// A quit decided by the layout (QuitApplication "quitmessage") while the main window holds a
// child and a detached browser: at once on start-up, while the runtime is still making both
// (it takes 400 ms), or from a timer a second later, when both are open. Every browser is
// closed before the runtime's shutdown, which finds none alive, being made or referenced;
// the process ends with 0 within kExitBoundMs (the launcher's own waits are bounded by 5 s
// for the browsers and 2 s for the runtime's UI thread).
TEST(LauncherWithBrowser, AQuitWithBrowsersOpenOrBeingMadeClosesThemBeforeTheRuntimeEnds) {
  const DWORD kExitBoundMs = 10000;
  struct Case {
    const char* name;
    const char* createDelayMs;
    const char* quit;
  };
  const char* quitAtOnce = "<EventHandler interest=\"101\"><QuitApplication method=\"quitmessage\"/></EventHandler>";
  const Case cases[] = {
      {"browsers being made", "400", quitAtOnce},
      // The child browser's close closes the host, the detached one's parent goes with it:
      // the host must stay until that one has come and gone too.
      {"browsers being made, the detached one much later", "400,1500", quitAtOnce},
      {"two live browsers", "0",
       "<EventHandler interest=\"101\"><CreateTimer windowid=\"owner\" timerid=\"7\" elapse=\"1\"/></EventHandler>"
       "<EventHandler interest=\"103\"><QuitApplication method=\"quitmessage\"/></EventHandler>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CInstallation installation("launcher.exe");
    ASSERT_TRUE(installation.Ready());
    installation.Write("layout\\strings.xml", "<StringRoot><String id=\"x\" value=\"1\"/></StringRoot>");
    installation.Write("layout\\bitmap.xml",
                       "<BitmapRoot rootdir=\"..\\image\"><Bitmap id=\"b1\" file=\"b1.png\"/></BitmapRoot>");
    installation.Write("layout\\layout.xml",
                       std::string("<LayoutRoot><FrameHostWindow id=\"main\" active=\"true\" title=\"KRUI quit\" "
                                   "pos=\"100,100\" size=\"400,300\" center=\"false\">") +
                           c.quit +
                           "<Layout id=\"root\">"
                           "<CefBrowser id=\"child\" pos=\"0,0\" size=\"200,100\" child=\"true\" page=\"http://krui.test/1\"/>"
                           "<CefBrowser id=\"detached\" pos=\"200,0\" size=\"200,100\" page=\"http://krui.test/2\"/>"
                           "</Layout></FrameHostWindow></LayoutRoot>");
    ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_CREATE_DELAY_MS", c.createDelayMs);
    const ULONGLONG start = ::GetTickCount64();
    CLaunch run(installation, L"");
    ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_CREATE_DELAY_MS", nullptr);
    ASSERT_TRUE(run.Started());
    DWORD code = 1234;
    const bool exited = run.WaitForExit(kExitBoundMs + 2000, &code);
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    const std::string log = installation.LogPath();
    ASSERT_TRUE(exited) << "no exit; runtime's shutdown stuck: " << LogValues(log, "shutdown.stuck").size();
    EXPECT_EQ(0u, code);
    EXPECT_LT(elapsed, kExitBoundMs);
    std::printf("[ figures  ] %s: launch to exit %llu ms\n", c.name, static_cast<unsigned long long>(elapsed));

    const std::vector<std::string> lines = Lines(log);
    EXPECT_EQ(2u, LogValues(log, "life_span.on_after_created").size());
    EXPECT_EQ(2u, LogValues(log, "life_span.on_before_close").size());
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, LogValues(log, "shutdown.open_browsers"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, LogValues(log, "shutdown.pending_browsers"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, LogValues(log, "shutdown.program_browser_references"));
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, LogValues(log, "shutdown.destroyed_browsers"));
    EXPECT_TRUE(LogValues(log, "shutdown.fault").empty());
    // The shutdown's forced close, each browser's last callback, then the runtime's end.
    EXPECT_EQ((std::vector<std::wstring>{L"1", L"1"}), LogValues(log, "host.close_browser"));
    size_t lastClose = 0;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].compare(0, 26, "life_span.on_before_close=") == 0) lastClose = i;
    EXPECT_LT(lastClose, LineOf(lines, "shutdown.open_browsers="));
    EXPECT_LT(LineOf(lines, "shutdown.initialized=1"), lines.size());
  }
}
