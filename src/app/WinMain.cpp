// Entry point of the launcher and of every Chromium sub-process it starts. Started by the
// user, it builds the interface declared in the game folder's layout documents and runs the
// UI loop; started by Chromium, it hands the process to the runtime and ends.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "app/AppModule.h"
#include "app/Application.h"
#include "app/CommandLineSwitches.h"
#include "browser/CefRuntime.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/Encoding.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Paths.h"
#include "ui/core/StringTable.h"

namespace {

// <installation root>[\<gameName>]: the folder whose "layout" folder holds the documents;
// empty when it cannot be named in MAX_PATH characters.
std::string GameFolder() {
  std::string folder = KRUI::InstallationRoot();
  std::wstring gameName = KRUI::CommandLineSwitches::Instance().GetSwitch(L"gameName");
  if (!folder.empty() && !gameName.empty()) folder = KRUI::AppendPath(folder, KRUI::WideToThreadAnsi(gameName));
  return folder;
}

// Empty when the game folder has no name: a relative "layout\..." would read the documents
// of whatever the current folder is, and a document that cannot be named cannot be loaded.
std::string Document(const std::string& gameFolder, const char* name) {
  return gameFolder.empty() ? std::string() : KRUI::AppendPath(gameFolder, name);
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  try {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
  } catch (...) {
    return FALSE;  // out of memory: the rest are left to the process's end
  }
}

// Destroys this thread's top-level windows (an owner takes its owned windows along).
void DestroyThreadWindows() {
  std::vector<HWND> windows;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND hwnd : windows) {
    if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
  }
}

// Loads the documents, opens the main window and runs the loop; ends with every browser
// closed, the windows destroyed, GDI+ shut down and the error box shown when a document
// failed. Returns the exit code.
int RunBrowserProcess(HINSTANCE instance) {
  int exitCode = -1;
  if (!KRUI::Application::Start(instance)) return exitCode;

  const std::string gameFolder = GameFolder();
  bool loaded = KRUI::StringTable::Instance().Load(Document(gameFolder, "layout\\strings.xml")) &&
                KRUI::BitmapTable::Instance().Load(Document(gameFolder, "layout\\bitmap.xml"));
  if (loaded) {
    // The second bitmap document is optional: absent or broken changes nothing.
    KRUI::BitmapTable::Instance().Load(Document(gameFolder, "layout\\bitmap2.xml"));
    loaded = KRUI::CLayoutLoader::Instance().Load(Document(gameFolder, "layout\\layout.xml"));
  }

  if (loaded) {
    if (!KRUI::CLayoutLoader::Instance().OpenMainWindow()) {
      exitCode = 0;
    } else {
      KRUI::Application* app = KRUI::Application::Get();
      app->SetUiThreadId(::GetCurrentThreadId());
      exitCode = app->RunMessageLoop();
    }
  }

  // Browsers go while this thread still pumps and GDI+ still runs: the runtime's shutdown
  // could not end with one alive.
  const bool browsersClosed = KRUI::CloseCefBrowsers();
  // Then the windows, and with them what they hold outside the process: the tray icon (a
  // ghost in the tray otherwise), the hotkeys' global atoms, the system browser control. A
  // browser window left on the runtime's thread would make this wait on that thread: then
  // they are left to the process's end.
  if (browsersClosed) DestroyThreadWindows();
  KRUI::Application::ShutdownGdiplus();
  if (!loaded) {
    // UTF-16 literals: the text reads right whatever the system code page is.
    ::MessageBoxW(nullptr, L"加载配置文件出错，请尝试重新安装应用程序。", L"错误", MB_ICONERROR);
  }
  return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = 8;
  controls.dwICC = ICC_BAR_CLASSES;
  ::InitCommonControlsEx(&controls);
  KRUI::CAppModule::Instance().Init(instance);

  // Parsed before the Chromium start, whose cache location depends on "data_dir".
  KRUI::CommandLineSwitches::Instance().Parse();

  // A Chromium sub-process whose work is over ends here, without any shutdown step.
  if (KRUI::InitCefRuntime() == -1) return 0;

  int exitCode = RunBrowserProcess(instance);

  KRUI::ShutdownCefRuntime();
  KRUI::CAppModule::Instance().Term();
  ::CoUninitialize();
  return exitCode;
}
