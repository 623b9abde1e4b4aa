// The launcher itself with a browser in its main window: closing the window closes the
// browser first, the browser's close ends the message loop, and the process ends with 0
// after the runtime's shutdown, with no browser left open or referenced.
#include <gtest/gtest.h>

#include <algorithm>

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
