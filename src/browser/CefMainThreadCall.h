// Runs work on the application's main thread for a callback of the runtime's own UI thread
// and waits for it: the runtime's handlers raise layout events, and the element tree, its
// windows and its actions belong to the main thread. A message-only window made on the main
// thread receives the work by SendMessage, so the caller blocks until it is done and
// everything it lent (a URL text) stays alive meanwhile.
#pragma once
#include <windows.h>

#include <functional>

namespace KRUI {

class CCefMainThreadCall {
 public:
  // Makes the receiving window on the calling thread, which must be the main thread; once
  // per process (later calls change nothing). False when the window cannot be made.
  static bool Prepare();
  // Runs work on the main thread: at once when called there, otherwise through the window,
  // returning when the work has ended. False (work not run) before Prepare or once the
  // window is gone. Exceptions from work end at the main thread's side.
  static bool Run(const std::function<void()>& work);
  // Right after the message loop (main thread): no more work runs, work already on its way
  // is answered without running (the runtime's thread may be waiting on it), the window
  // goes. Layout handlers never run once GDI+ may be gone.
  static void Close();
};

}  // namespace KRUI
