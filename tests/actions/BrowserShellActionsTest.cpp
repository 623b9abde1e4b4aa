// WBNavigate, WBCommand, ShellOpenUrl and CreateProcess. The shell and process cases start
// a small recorder program (tests/actions/helper) that notes its command line and folder.
#include <gtest/gtest.h>

#include <windows.h>
#include <algorithm>
#include <cstring>
#include <tlhelp32.h>
#include <winternl.h>

#include "actions/ActionTestSupport.h"
#include "actions/ShellOpenUrlAction.h"
#include "support/TempDir.h"
#include "ui/core/ElementDeclaration.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

using Calls = std::vector<std::string>;
constexpr unsigned kChildWaitMs = 20000;

// The recorder below the test executable's folder, and its copy in the folder above.
std::string Recorder() { return TestBinFolder() + "\\actions-helper\\actions_recorder.exe"; }
std::string RecorderAbove() { return TestBinFolder() + "\\..\\actions-helper\\actions_recorder.exe"; }

// The record of a run: its command line and current folder.
struct Record {
  std::string commandLine, folder;
};
Record ReadRecord(const std::string& recorder) {
  std::string text = WaitForFile(recorder + ".txt", kChildWaitMs);
  Record r;
  size_t a = text.find('\n');
  if (a == std::string::npos) return r;
  size_t b = text.find('\n', a + 1);
  r.commandLine = text.substr(0, a);
  r.folder = text.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
  return r;
}
void ForgetRecord(const std::string& recorder) { ::DeleteFileA((recorder + ".txt").c_str()); }

class BrowserActions : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadActionLayout();
    browser = ActControlAt<CActBrowser>("wb", "root:br");
    ASSERT_NE(nullptr, browser);
    browser->calls.clear();
  }
  CActBrowser* browser = nullptr;
};

TEST_F(BrowserActions, NavigateLoadsTheUrlAndWritesRetval) {
  CEventx event(101, AnyWindow("flow"));
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("WBNavigate",
                       {{"windowid", "wb"}, {"wbid", "root:br"}, {"url", "http://a.example/x"}, {"retval", "5"}})
                ->Execute(event));
  EXPECT_EQ((Calls{"navigate:http://a.example/x"}), browser->calls);
  EXPECT_EQ(5, event.result);
}

TEST_F(BrowserActions, NavigateTakesTheEventsTextWithFromdataEvent) {
  std::string url = "http://popup.example/target?a=1";
  CEventx event = CEventx::WithText(102, browser, url.c_str());
  auto navigate = MakeAction("WBNavigate", {{"windowid", "owner"}, {"wbid", "root:br"}, {"url", "http://unused/"},
                                            {"fromdata", "event"}, {"retval", "1"}});
  EXPECT_EQ(ActionResult::Continue, navigate->Execute(event));
  url.assign("overwritten after the event");  // the browser got a copy
  EXPECT_EQ((Calls{"navigate:http://popup.example/target?a=1"}), browser->calls);
  EXPECT_EQ(1, event.result);
}

TEST_F(BrowserActions, AFoundBrowserGetsRetvalEvenWhenNothingIsLoaded) {
  std::string url = "http://popup.example/";
  CEventx withText = CEventx::WithText(102, browser, url.c_str());
  EXPECT_EQ(
      ActionResult::Continue,
      MakeAction(
          "WBNavigate",
          {{"windowid", "wb"}, {"wbid", "root:br"}, {"url", "http://unused/"}, {"fromdata", "page"}, {"retval", "4"}})
          ->Execute(withText));
  EXPECT_EQ(4, withText.result);
  CEventx noText(102, browser);
  EXPECT_EQ(ActionResult::Continue,
            MakeAction("WBNavigate", {{"windowid", "wb"}, {"wbid", "root:br"}, {"fromdata", "event"}, {"retval", "6"}})
                ->Execute(noText));
  EXPECT_EQ(6, noText.result);
  EXPECT_TRUE(browser->calls.empty());
}

TEST_F(BrowserActions, NavigateWithoutABrowserLeavesTheResultAlone) {
  // The sender is the browser itself, in the window that holds it: empty windowid still
  // names no window.
  for (const KRUI::AttributeMap& attributes : std::vector<KRUI::AttributeMap>{
           {{"wbid", "root:br"}, {"url", "http://x/"}, {"retval", "3"}},
           {{"windowid", "wb"}, {"wbid", "root:text"}, {"url", "http://x/"}, {"retval", "3"}},  // not a browser
           {{"windowid", "wb"}, {"wbid", "root:nothing"}, {"url", "http://x/"}, {"retval", "3"}},
           {{"windowid", "wb"}, {"wbid", ""}, {"url", "http://x/"}, {"retval", "3"}},
           {{"windowid", "nowhere"}, {"wbid", "root:br"}, {"url", "http://x/"}, {"retval", "3"}},
       }) {
    CEventx event(101, browser);
    event.result = -1;
    EXPECT_EQ(ActionResult::Continue, MakeAction("WBNavigate", attributes)->Execute(event));
    EXPECT_EQ(-1, event.result);
  }
  EXPECT_TRUE(browser->calls.empty());
}

TEST_F(BrowserActions, CommandRefreshReloadsThroughTheCache) {
  CEventx event(101, browser);
  event.result = -1;
  EXPECT_EQ(ActionResult::Continue,
            MakeAction(
                "WBCommand",
                {{"windowid", "owner"}, {"wbid", "root:br"}, {"cmd", "refresh"}, {"param", "ignored"}, {"retval", "2"}})
                ->Execute(event));
  EXPECT_EQ((Calls{"refresh:0"}), browser->calls);
  EXPECT_EQ(-1, event.result);  // WBCommand writes no result

  browser->calls.clear();
  for (const KRUI::AttributeMap& attributes : std::vector<KRUI::AttributeMap>{
           {{"windowid", "wb"}, {"wbid", "root:br"}, {"cmd", "reload"}},
           {{"windowid", "wb"}, {"wbid", "root:br"}, {"cmd", "Refresh"}},
           {{"wbid", "root:br"}, {"cmd", "refresh"}},
           {{"windowid", "wb"}, {"wbid", "root:text"}, {"cmd", "refresh"}},
       }) {
    EXPECT_EQ(ActionResult::Continue, MakeAction("WBCommand", attributes)->Execute(event));
  }
  EXPECT_TRUE(browser->calls.empty());
}

// The processes this one started from an executable named `name`.
std::vector<DWORD> ChildProcesses(const wchar_t* name) {
  std::vector<DWORD> found;
  UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) {
    snapshot.release();
    return found;
  }
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID == ::GetCurrentProcessId() && _wcsicmp(entry.szExeFile, name) == 0)
      found.push_back(entry.th32ProcessID);
  }
  return found;
}

// Ends the iexplore.exe processes this one started since `before` was taken; their number.
size_t EndNewBrowserProcesses(const std::vector<DWORD>& before) {
  size_t ended = 0;
  for (DWORD id : ChildProcesses(L"iexplore.exe")) {
    if (std::find(before.begin(), before.end(), id) != before.end()) continue;
    UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process) continue;
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 5000);
    ++ended;
  }
  return ended;
}

class ShellActions : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadActionLayout();
    RecordedEvents().clear();
    ASSERT_FALSE(TestBinFolder().empty()) << "KRUI_TEST_BIN is not set";
    ForgetRecord(Recorder());
  }
  // Runs ShellOpenUrl; true when it stopped the handler. result starts at -1.
  static bool Open(const KRUI::AttributeMap& attributes, const char* eventText, int* result) {
    CEventx event = CEventx::WithText(101, nullptr, eventText);
    event.result = -1;
    const bool stopped = MakeAction("ShellOpenUrl", attributes)->Execute(event) == ActionResult::Stop;
    if (result) *result = event.result;
    return stopped;
  }
};

TEST_F(ShellActions, WithoutAUsableBrowserOrFromdataNothingIsOpened) {
  CHostWindow* flow = AnyWindow("flow");
  flow->RaiseEvent(flow, 12);  // no browser attribute
  EXPECT_EQ((Calls{"ran12"}), RecordedNames());
  int result = 0;
  const std::string program = Recorder();
  EXPECT_FALSE(Open({{"page", program}, {"browser", "firefox"}, {"retval", "9"}}, nullptr, &result));
  EXPECT_EQ(-1, result);
  EXPECT_FALSE(Open({{"page", program}, {"browser", "Default"}, {"retval", "9"}}, nullptr, &result));
  EXPECT_EQ(-1, result);
  EXPECT_FALSE(Open({{"page", program}, {"browser", "default"}, {"fromdata", "page"}, {"retval", "9"}},
                    program.c_str(), &result));
  EXPECT_EQ(-1, result);
}

TEST_F(ShellActions, LayoutPagesAreOpenedAsGivenAndSuccessStopsWithRetval) {
  // A program path, a path relative to the executable's folder and a file: URL, all named
  // by the layout: the shell runs each.
  std::string fileUrl = "file:///" + Recorder();
  for (char& c : fileUrl)
    if (c == '\\') c = '/';
  for (const std::string& page : {Recorder(), std::string("actions-helper\\actions_recorder.exe"), fileUrl}) {
    ForgetRecord(Recorder());
    int result = 0;
    EXPECT_TRUE(Open({{"page", page}, {"browser", "default"}, {"retval", "9"}}, nullptr, &result)) << page;
    EXPECT_EQ(9, result) << page;
    EXPECT_FALSE(ReadRecord(Recorder()).commandLine.empty()) << page;
  }
}

TEST_F(ShellActions, EventTextThatIsNoWebAddressIsNotOpened) {
  std::string fileUrl = "file:///" + Recorder();
  const std::string refused[] = {
      Recorder(),                                 // a program path
      "actions-helper\\actions_recorder.exe",     // relative to the executable
      fileUrl,                                    // file: URL
      "\\\\127.0.0.1\\share\\tool.exe",           // UNC path
      "javascript:alert(1)",
      "",
      "http:/krui.invalid/",
      "http://",
      "https:///krui.invalid",
      "http://krui.invalid/\" -extoff",
      "http://krui.invalid/a b",
      " http://krui.invalid/",
      "httpx://krui.invalid/",
  };
  const std::vector<DWORD> browsersBefore = ChildProcesses(L"iexplore.exe");
  for (const std::string& text : refused) {
    int result = 0;
    EXPECT_FALSE(Open({{"fromdata", "event"}, {"browser", "default"}, {"retval", "9"}}, text.c_str(), &result)) << text;
    EXPECT_EQ(-1, result) << text;
    EXPECT_FALSE(Open({{"fromdata", "event"}, {"browser", "ie"}, {"retval", "9"}}, text.c_str(), &result)) << text;
    EXPECT_EQ(-1, result) << text;
  }
  // No text at all.
  int result = 0;
  EXPECT_FALSE(Open({{"fromdata", "event"}, {"browser", "default"}, {"retval", "9"}}, nullptr, &result));
  EXPECT_EQ(-1, result);
  EXPECT_FALSE(FileExists(Recorder() + ".txt"));
  EXPECT_EQ(0u, EndNewBrowserProcesses(browsersBefore));
}

// Points the https protocol of the test's Wine prefix at a program for the scope.
class ScopedHttpsHandler {
 public:
  explicit ScopedHttpsHandler(const std::string& command) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    char old[1024] = {0};
    DWORD size = sizeof(old) - 1, type = 0;
    hadValue_ = ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS &&
                type == REG_SZ;
    if (hadValue_) old_ = old;
    ok_ = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
  }
  ~ScopedHttpsHandler() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, kKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    if (hadValue_) {
      ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.c_str()),
                       static_cast<DWORD>(old_.size() + 1));
    } else {
      ::RegDeleteValueA(key, nullptr);
    }
    ::RegCloseKey(key);
  }
  bool Ok() const { return ok_; }

 private:
  static constexpr const char* kKey = "https\\shell\\open\\command";
  bool ok_ = false;
  bool hadValue_ = false;
  std::string old_;
};

TEST_F(ShellActions, EventTextThatIsAWebAddressGoesToTheDefaultHandler) {
  ForgetRecord(RecorderAbove());
  ScopedHttpsHandler handler("\"" + RecorderAbove() + "\" \"%1\"");
  ASSERT_TRUE(handler.Ok());
  const char url[] = "HTTPS://krui.invalid/start?id=1&x=%20";  // the scheme in any case
  int result = 0;
  EXPECT_TRUE(Open({{"fromdata", "event"}, {"browser", "default"}, {"retval", "9"}}, url, &result));
  EXPECT_EQ(9, result);
  Record record = ReadRecord(RecorderAbove());
  EXPECT_NE(std::string::npos, record.commandLine.find(url)) << record.commandLine;
}

// A process's command line, read from its process parameters (empty when it cannot be read).
std::wstring CommandLineOf(HANDLE process) {
  using QueryFn = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic = {};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) return std::wstring();
  PEB peb = {};
  RTL_USER_PROCESS_PARAMETERS parameters = {};
  if (!::ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof(peb), nullptr) ||
      !::ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof(parameters), nullptr))
    return std::wstring();
  std::wstring text(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
  if (!text.empty() && !::ReadProcessMemory(process, parameters.CommandLine.Buffer, &text[0],
                                            parameters.CommandLine.Length, nullptr))
    return std::wstring();
  return text;
}

TEST_F(ShellActions, DefaultFallsBackToInternetExplorerWithTheUrlAsItsParameter) {
  // No handler exists for this scheme, so the shell fails and iexplore.exe is started.
  const std::vector<DWORD> before = ChildProcesses(L"iexplore.exe");
  int result = 0;
  EXPECT_TRUE(Open({{"page", "krui-noscheme:start"}, {"browser", "default"}, {"retval", "9"}}, nullptr, &result));
  EXPECT_EQ(9, result);
  std::wstring commandLine;
  // A process just started may not have its parameters in place yet: read again a while.
  for (int attempt = 0; attempt < 100 && commandLine.empty(); ++attempt) {
    if (attempt) ::Sleep(20);
    for (DWORD id : ChildProcesses(L"iexplore.exe")) {
      if (std::find(before.begin(), before.end(), id) != before.end()) continue;
      UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
      if (process) commandLine = CommandLineOf(process.get());
    }
  }
  EXPECT_EQ(1u, EndNewBrowserProcesses(before));
  EXPECT_NE(std::wstring::npos, commandLine.find(L" krui-noscheme:start")) << commandLine.c_str();
}

TEST_F(ShellActions, CreateProcessStartsAProgramBesideTheExecutableWithTheCommandLineUnchanged) {
  // The reference tells authors the same folder (not the installation's).
  const ElementDeclaration* declaration = ElementRegistry::Instance().Declaration("CreateProcess");
  ASSERT_NE(nullptr, declaration);
  EXPECT_NE(nullptr, std::strstr(declaration->FindAttribute("filepath")->help, "the executable's folder"));
  const std::string commandLine = "not-its-name \"two words\" C:\\x\\y --z=1 ..\\q %PATH%";
  CEventx event(101, nullptr);
  EXPECT_EQ(ActionResult::Continue, MakeAction("CreateProcess", {{"filepath", "actions-helper\\actions_recorder.exe"},
                                                                 {"cmdline", commandLine}})
                                        ->Execute(event));
  Record record = ReadRecord(Recorder());
  EXPECT_EQ(commandLine, record.commandLine);
  char folder[MAX_PATH] = {0};
  ::GetCurrentDirectoryA(MAX_PATH, folder);
  EXPECT_EQ(std::string(folder), record.folder);  // inherited
}

TEST_F(ShellActions, CreateProcessResolvesAParentFolderStep) {
  ForgetRecord(RecorderAbove());
  CEventx event(101, nullptr);
  EXPECT_EQ(
      ActionResult::Continue,
      MakeAction("CreateProcess", {{"filepath", "..\\actions-helper\\actions_recorder.exe"}, {"cmdline", "above"}})
          ->Execute(event));
  EXPECT_EQ("above", ReadRecord(RecorderAbove()).commandLine);
}

TEST_F(ShellActions, CreateProcessIgnoresAProgramThatCannotBeStarted) {
  CEventx event(101, nullptr);
  for (const char* path : {"actions-helper\\no-such-program.exe", "", "actions-helper"}) {
    EXPECT_EQ(ActionResult::Continue,
              MakeAction("CreateProcess", {{"filepath", path}, {"cmdline", "x"}})->Execute(event))
        << path;
  }
  EXPECT_FALSE(FileExists(Recorder() + ".txt"));
}

TEST(ExitProcess, EndsTheProcessAtOnceWithZero) {
  ASSERT_FALSE(TestBinFolder().empty());
  TempDir dir;
  std::string layout = dir.Write("layout.xml", R"(<LayoutRoot><BareWindow id="w">
      <EventHandler interest="1"><QuitApplication method="exitprocess"/></EventHandler>
    </BareWindow></LayoutRoot>)");
  std::string marker = dir.File("returned.txt");
  std::string exe = TestBinFolder() + "\\actions_eventhost.exe";
  std::string commandLine = "\"" + exe + "\" \"" + layout + "\" \"" + marker + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
  UniqueKernelHandle process(info.hProcess), thread(info.hThread);
  if (::WaitForSingleObject(process.get(), kChildWaitMs) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.get(), 99);
    FAIL() << "the host did not end";
  }
  DWORD code = 1234;
  ::GetExitCodeProcess(process.get(), &code);
  EXPECT_EQ(0u, code);
  EXPECT_FALSE(FileExists(marker));
}

}  // namespace
