// The process-wide application: the module instance, the id of the UI thread that runs the
// message loop, and the message filters that loop consults. Also holds GDI+ for the process.
#pragma once
#include <windows.h>

#include <vector>

#include "app/MessageFilter.h"

namespace KRUI {

class Application {
 public:
  // Starts GDI+ and creates the process's Application. False when GDI+ does not start or an
  // Application already exists (then nothing is done).
  static bool Start(HINSTANCE instance);
  // The process's Application; none before Start.
  static Application* Get();
  // Ends the GDI+ Start began; nothing when GDI+ is not running.
  static void ShutdownGdiplus();

  // A free-standing instance (the process's one is made by Start).
  explicit Application(HINSTANCE instance) : instance_(instance) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE GetModuleInstance() const { return instance_; }
  DWORD GetUiThreadId() const { return uiThreadId_; }
  // Recorded by start-up just before the loop; other threads post WM_QUIT to it.
  void SetUiThreadId(DWORD id) { uiThreadId_ = id; }

  // Appends (the same filter may be present more than once).
  void AddMessageFilter(_IMessageFilter* filter);
  // Erases every entry of filter.
  void RemoveMessageFilter(_IMessageFilter* filter);
  // The filters in the order the loop offers messages to them.
  const std::vector<_IMessageFilter*>& MessageFilters() const { return filters_; }

  // Runs until WM_QUIT and returns its wParam.
  int RunMessageLoop();

 private:
  bool PreTranslateMessage(MSG* msg);

  HINSTANCE instance_;
  DWORD uiThreadId_ = 0;
  std::vector<_IMessageFilter*> filters_;  // not owned
};

}  // namespace KRUI
