// The launcher as a Chromium sub-process and with a runtime of another API version: both end
// at once with 0, read no document and show nothing.
#include <gtest/gtest.h>

#include "StartupFixture.h"

using namespace KRUITest;

namespace {

const std::vector<std::wstring> kFlashSwitches = {
    L"ppapi-flash-version=31.0.0.122",
    L"ppapi-flash-path=PepperFlash\\pepflashplayer.dll",
    L"plugin-policy=allow",
};

}  // namespace

TEST(ProcessRole, SubProcessHandsOverToTheRuntimeAndEndsWithZero) {
  CInstallation installation("launcher.exe");
  ASSERT_TRUE(installation.Ready());
  // Broken documents: reading any of them would end in the error box and -1.
  installation.Write("layout\\strings.xml", "<StringRoot");
  installation.Write("layout\\layout.xml", "not xml");

  CLaunch run(installation, L"--type=renderer --lang=zh-CN");
  ASSERT_TRUE(run.Started());
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_TRUE(run.SeenWindowClasses().empty()) << "a window was shown";

  const std::string log = installation.LogPath();
  EXPECT_EQ(std::vector<std::wstring>{L"renderer"}, LogValues(log, "execute_process.type"));
  // The app saw the sub-process's command line and appended its switches after the given ones.
  std::vector<std::wstring> expected = {L"type=renderer", L"lang=zh-CN"};
  expected.insert(expected.end(), kFlashSwitches.begin(), kFlashSwitches.end());
  EXPECT_EQ(expected, LogValues(log, "execute_process.switch"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "execute_process.render_process_handler"));
  EXPECT_EQ(std::vector<std::wstring>{L"0"}, LogValues(log, "execute_process.message_handled"));
  EXPECT_FALSE(LogHasEvent(log, "initialize"));
  EXPECT_FALSE(LogHasEvent(log, "shutdown"));
}

TEST(ProcessRole, RuntimeOfAnotherApiVersionIsNeverCalled) {
  CInstallation installation("launcher.exe");
  ASSERT_TRUE(installation.Ready());
  // No documents at all: going on would show the error box.
  CLaunch run(installation, L"", "0123456789abcdef0123456789abcdef01234567");
  ASSERT_TRUE(run.Started());
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(0u, code);
  EXPECT_TRUE(run.SeenWindowClasses().empty()) << "a window was shown";
  EXPECT_FALSE(LogHasEvent(installation.LogPath(), "execute_process"));
  EXPECT_FALSE(LogHasEvent(installation.LogPath(), "initialize"));
}

TEST(ProcessRole, BrowserProcessInitialisesTheRuntimeOnceWithItsSettings) {
  CInstallation installation("launcher_testhost.exe");
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "3", false);

  CLaunch run(installation, L"--data_dir=d2 --enable-logging=stderr");
  ASSERT_TRUE(run.Started());
  HWND window = run.WaitForWindow(kTestWindowClass, kTestWindowTitle, kWait);
  ASSERT_NE(nullptr, window);

  const std::string log = installation.LogPath();
  EXPECT_EQ(std::vector<std::wstring>{L""}, LogValues(log, "execute_process.type"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "initialize.result"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "initialize.instance_is_module"));
  EXPECT_EQ(std::vector<std::wstring>{std::to_wstring(sizeof(void*) == 8 ? 360 : 208)},
            LogValues(log, "initialize.size"));
  EXPECT_EQ(std::vector<std::wstring>{ExpectedCachePath(L"d2")}, LogValues(log, "initialize.cache_path"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "initialize.multi_threaded_message_loop"));
  EXPECT_EQ(std::vector<std::wstring>{L"4"}, LogValues(log, "initialize.log_severity"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "initialize.ignore_certificate_errors"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "initialize.ui_thread"));
  for (const char* zero : {"single_process", "no_sandbox", "windowless_rendering_enabled",
                           "command_line_args_disabled", "persist_session_cookies", "remote_debugging_port"}) {
    EXPECT_EQ(std::vector<std::wstring>{L"0"}, LogValues(log, std::string("initialize.") + zero)) << zero;
  }
  EXPECT_EQ(std::vector<std::wstring>{L""}, LogValues(log, "initialize.user_agent"));
  std::vector<std::wstring> expected = {L"data_dir=d2", L"enable-logging=stderr"};
  expected.insert(expected.end(), kFlashSwitches.begin(), kFlashSwitches.end());
  EXPECT_EQ(expected, LogValues(log, "initialize.switch"));
  EXPECT_FALSE(LogHasEvent(log, "shutdown"));  // not before the loop has ended

  ::PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(3u, code);
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "shutdown.ui_thread_stopped"));
  EXPECT_EQ(std::vector<std::wstring>{L"1"}, LogValues(log, "shutdown.initialized"));
}

TEST(ProcessRole, WithoutALibraryBesideTheExecutableTheProgramRunsOnWithoutChromium) {
  CInstallation installation("launcher_testhost.exe", /*withRuntime=*/false);
  ASSERT_TRUE(installation.Ready());
  WriteGame(installation, "", "4", false);
  // A libcef.dll in the current folder (the child starts in the root) is not taken.
  ASSERT_TRUE(::CopyFileA((TestBinFolder() + "\\libcef.dll").c_str(), installation.File("libcef.dll").c_str(),
                          FALSE));

  CLaunch run(installation, L"--type=renderer");  // not a sub-process without the runtime
  HWND window = run.WaitForWindow(kTestWindowClass, kTestWindowTitle, kWait);
  ASSERT_NE(nullptr, window);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitForExit(kWait, &code));
  EXPECT_EQ(4u, code);
  EXPECT_FALSE(FileExists(installation.LogPath())) << "a libcef.dll was loaded";
}
