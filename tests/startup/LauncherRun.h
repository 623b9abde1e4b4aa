// Black-box helpers: a fixture installation with a copy of the built launcher and stand-in
// libcef.dll in its bin folder, one run of the launcher as a child process (killed if it
// outlives its wait), and readers for the windows it shows and the stand-in's log.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/TempDir.h"
#include "ui/core/Handles.h"

#include "support/TestBin.h"

namespace KRUITest {

class CInstallation {
 public:
  // Copies <test bin>\exeName into <tmp>\bin, and libcef.dll beside it unless told not to.
  explicit CInstallation(const std::string& exeName, bool withRuntime = true);
  const std::string& Root() const { return dir_.Path(); }
  std::string File(const std::string& relative) const { return dir_.File(relative); }
  std::string Write(const std::string& relative, const std::string& bytes) const {
    return dir_.Write(relative, bytes);
  }
  std::string Exe() const { return dir_.File("bin\\" + exeName_); }
  std::string LogPath() const { return dir_.File("standin.log"); }
  std::string ReportPath() const { return dir_.File("report.txt"); }
  bool Ready() const { return ready_; }

 private:
  TempDir dir_;
  std::string exeName_;
  bool ready_ = false;
};

class CLaunch {
 public:
  // Starts the installation's exe with arguments; the stand-in logs to LogPath() and
  // answers hash (its own default when empty).
  CLaunch(const CInstallation& installation, const std::wstring& arguments, const std::string& hash = "");
  ~CLaunch();
  CLaunch(const CLaunch&) = delete;
  CLaunch& operator=(const CLaunch&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  DWORD ProcessId() const { return processId_; }
  // Waits for the end; false (and the child killed) after timeoutMs. Records every
  // top-level window of the child seen while waiting.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
  // The first top-level window of the child with that class (and title, if given) within
  // timeoutMs; none if the child ends first.
  HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs);
  const std::vector<std::wstring>& SeenWindowClasses() const { return seenClasses_; }

 private:
  void NoteWindows();

  KRUI::UniqueKernelHandle process_;
  DWORD processId_ = 0;
  std::vector<std::wstring> seenClasses_;
};

// Visible or not, the top-level windows that belong to a process.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const wchar_t* className);
std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);
// The texts of a window's children of a class, in z-order.
std::vector<std::wstring> ChildTexts(HWND parent, const wchar_t* className);

// Values of the stand-in log lines "event.key=value", in order (UTF-8 decoded).
std::vector<std::wstring> LogValues(const std::string& logPath, const std::string& eventKey);
bool LogHasEvent(const std::string& logPath, const std::string& event);

}  // namespace KRUITest
