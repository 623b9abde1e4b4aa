// The Chromium browser element under test with the stand-in runtime in this process: the
// runtime started once for the program, its journal, its hooks, a message pump that counts
// the quits the client posts, a layout of the test's own (its "Record" actions note the
// events they run for).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/RecordingAction.h"
#include "support/TempDir.h"
#include "ui/core/LayoutLoader.h"

namespace KRUITest {

// The stand-in's journal: values of its lines "event.key=value", in order.
std::vector<std::wstring> Journal(const std::string& eventKey);
size_t JournalCount(const std::string& eventKey);
// Lines "event.key=value" as written, for order checks.
std::vector<std::string> JournalLines();
void ClearJournal();

// Pumps this (the main) thread's messages until done() or timeoutMs; counts WM_QUIT.
bool Pump(const std::function<bool()>& done, unsigned timeoutMs = 10000);
int QuitCount();

// The stand-in's test hooks (exports of its libcef.dll).
struct StandinHooks {
  int (*browser_count)();
  HWND (*browser_window)(int);
  long (*browser_references)(int);
  int (*popup)(int, const wchar_t*, size_t, int);
  int (*context_menu)(int);
  int (*download)(int, const wchar_t*);
  int (*subframe_load)(int, const wchar_t*);
  int (*page_close)(int);
  long (*program_tasks)();
};
const StandinHooks& Hooks();

// How long the stand-in takes to make a requested browser (-1: never).
void SetCreateDelay(int milliseconds);

// One layout document loaded by a loader of the test's own (its objects go with it).
class CTestLayout {
 public:
  explicit CTestLayout(const std::string& layoutXml);
  KRUI::CHostWindow* Window(const char* id) const;
  template <typename T>
  T* Control(const char* windowId, const std::string& path) const;
  bool Loaded() const { return loaded_; }

 private:
  TempDir dir_;
  std::unique_ptr<KRUI::CLayoutLoader> loader_;
  bool loaded_ = false;
};

}  // namespace KRUITest

#include "ui/core/Control.h"
#include "ui/core/HostWindow.h"

template <typename T>
T* KRUITest::CTestLayout::Control(const char* windowId, const std::string& path) const {
  KRUI::CHostWindow* window = Window(windowId);
  return window ? dynamic_cast<T*>(window->FindControl(path)) : nullptr;
}
