#include "LauncherRun.h"

#include <algorithm>
#include <sstream>

#include "ui/core/Encoding.h"

namespace KRUITest {

CInstallation::CInstallation(const std::string& exeName, bool withRuntime) : exeName_(exeName) {
  std::string bin = TestBinFolder();
  if (bin.empty()) return;
  Write("bin\\placeholder", "");
  ready_ = ::CopyFileA((bin + "\\" + exeName).c_str(), Exe().c_str(), FALSE) &&
           (!withRuntime || ::CopyFileA((bin + "\\libcef.dll").c_str(), File("bin\\libcef.dll").c_str(), FALSE));
}

CLaunch::CLaunch(const CInstallation& installation, const std::wstring& arguments, const std::string& hash) {
  // The child inherits these; the stand-in reads them.
  ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_LOG", installation.LogPath().c_str());
  ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_HASH", hash.empty() ? nullptr : hash.c_str());

  std::wstring exe = KRUI::ThreadAnsiToWide(installation.Exe());
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cwd = KRUI::ThreadAnsiToWide(installation.Root());
  if (::CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si, &pi)) {
    process_.reset(pi.hProcess);
    ::CloseHandle(pi.hThread);
    processId_ = pi.dwProcessId;
  }
  ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_LOG", nullptr);
  ::SetEnvironmentVariableA("KRUI_CEF_STANDIN_HASH", nullptr);
}

CLaunch::~CLaunch() {
  if (!process_) return;
  if (::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process_.get(), 99);
    ::WaitForSingleObject(process_.get(), 5000);
  }
}

void CLaunch::NoteWindows() {
  for (HWND hwnd : TopLevelWindowsOf(processId_, nullptr)) {
    std::wstring cls = ClassOf(hwnd);
    if (std::find(seenClasses_.begin(), seenClasses_.end(), cls) == seenClasses_.end()) seenClasses_.push_back(cls);
  }
}

bool CLaunch::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_) return false;
  ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    NoteWindows();
    if (::WaitForSingleObject(process_.get(), 20) == WAIT_OBJECT_0) break;
    if (::GetTickCount64() > deadline) {
      ::TerminateProcess(process_.get(), 99);
      ::WaitForSingleObject(process_.get(), 5000);
      return false;
    }
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process_.get(), &code);
  if (exitCode) *exitCode = code;
  return true;
}

HWND CLaunch::WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) {
  if (!process_) return nullptr;
  ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    NoteWindows();
    for (HWND hwnd : TopLevelWindowsOf(processId_, className)) {
      if (!title || TextOf(hwnd) == title) return hwnd;
    }
    if (::WaitForSingleObject(process_.get(), 20) == WAIT_OBJECT_0) return nullptr;
    if (::GetTickCount64() > deadline) return nullptr;
  }
}

namespace {

struct WindowQuery {
  DWORD processId;
  const wchar_t* className;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == query->processId && (!query->className || ClassOf(hwnd) == query->className))
    query->found->push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectChildren(HWND hwnd, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  if (ClassOf(hwnd) == query->className) query->found->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const wchar_t* className) {
  std::vector<HWND> found;
  WindowQuery query = {processId, className, &found};
  ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&query));
  return found;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {0};
  int n = ::GetClassNameW(hwnd, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[512] = {0};
  int n = ::GetWindowTextW(hwnd, text, 512);
  return std::wstring(text, n > 0 ? n : 0);
}

std::vector<std::wstring> ChildTexts(HWND parent, const wchar_t* className) {
  std::vector<HWND> children;
  WindowQuery query = {0, className, &children};
  ::EnumChildWindows(parent, &CollectChildren, reinterpret_cast<LPARAM>(&query));
  std::vector<std::wstring> texts;
  for (HWND child : children) texts.push_back(TextOf(child));
  return texts;
}

std::vector<std::wstring> LogValues(const std::string& logPath, const std::string& eventKey) {
  std::vector<std::wstring> values;
  std::istringstream lines(ReadFileBytes(logPath));
  std::string line;
  const std::string prefix = eventKey + "=";
  while (std::getline(lines, line)) {
    if (line.compare(0, prefix.size(), prefix) == 0) values.push_back(KRUI::Utf8ToWide(line.substr(prefix.size())));
  }
  return values;
}

bool LogHasEvent(const std::string& logPath, const std::string& event) {
  std::istringstream lines(ReadFileBytes(logPath));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.compare(0, event.size() + 1, event + ".") == 0) return true;
  }
  return false;
}

}  // namespace KRUITest
