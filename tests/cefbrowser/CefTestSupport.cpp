#include "CefTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/Application.h"
#include "browser/CefRuntime.h"
#include "ui/core/Encoding.h"
#include "ui/core/StringTable.h"

namespace KRUITest {
namespace {

std::string& JournalPath() {
  static std::string path;
  return path;
}

int g_quits = 0;

// Starts the runtime (the stand-in in the test's bin folder) for the whole program, with
// the main thread recorded as the UI thread the client ends.
class CCefEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static TempDir dir;
    JournalPath() = dir.File("standin.log");
    ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_LOG", JournalPath().c_str());
    ASSERT_TRUE(KRUI::Application::Start(::GetModuleHandleW(nullptr)));
    KRUI::Application::Get()->SetUiThreadId(::GetCurrentThreadId());
    ASSERT_EQ(0, KRUI::InitCefRuntime());
    ASSERT_TRUE(KRUI::IsCefRuntimeInitialized());
  }
  void TearDown() override {
    // As the launcher ends: browsers first, then the runtime.
    EXPECT_TRUE(KRUI::CloseCefBrowsers());
    KRUI::ShutdownCefRuntime();
    KRUI::Application::ShutdownGdiplus();
  }
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new CCefEnvironment);

}  // namespace

std::vector<std::string> JournalLines() {
  std::vector<std::string> lines;
  std::istringstream in(ReadFileBytes(JournalPath()));
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::vector<std::wstring> Journal(const std::string& eventKey) {
  std::vector<std::wstring> values;
  const std::string prefix = eventKey + "=";
  for (const std::string& line : JournalLines())
    if (line.compare(0, prefix.size(), prefix) == 0) values.push_back(KRUI::Utf8ToWide(line.substr(prefix.size())));
  return values;
}

size_t JournalCount(const std::string& eventKey) { return Journal(eventKey).size(); }

void ClearJournal() { ::DeleteFileA(JournalPath().c_str()); }

bool Pump(const std::function<bool()>& done, unsigned timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ++g_quits;
        continue;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (done && done()) return true;
    if (::GetTickCount64() >= deadline) return done ? done() : true;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

int QuitCount() { return g_quits; }

const StandinHooks& Hooks() {
  static StandinHooks hooks = [] {
    StandinHooks h = {};
    HMODULE cef = ::GetModuleHandleW(L"libcef.dll");
    auto get = [cef](auto& slot, const char* name) {
      slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
          reinterpret_cast<void*>(::GetProcAddress(cef, name)));
    };
    get(h.browser_count, "krui_standin_browser_count");
    get(h.browser_window, "krui_standin_browser_window");
    get(h.browser_references, "krui_standin_browser_references");
    get(h.popup, "krui_standin_popup");
    get(h.context_menu, "krui_standin_context_menu");
    get(h.download, "krui_standin_download");
    get(h.subframe_load, "krui_standin_subframe_load");
    get(h.page_close, "krui_standin_page_close");
    get(h.program_tasks, "krui_standin_program_tasks");
    return h;
  }();
  return hooks;
}

void SetCreateDelay(int milliseconds) {
  std::string value = milliseconds < 0 ? "never" : std::to_string(milliseconds);
  ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_CREATE_DELAY_MS", value.c_str());
}

CTestLayout::CTestLayout(const std::string& layoutXml)
    : loader_(new KRUI::CLayoutLoader(KRUI::StringTable::Instance())) {
  loaded_ = loader_->Load(dir_.Write("layout/layout.xml", layoutXml));
}

KRUI::CHostWindow* CTestLayout::Window(const char* id) const { return loader_->FindTopLevelWindow(id); }

}  // namespace KRUITest
