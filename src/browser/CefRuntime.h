// Start and end of the embedded Chromium runtime. The same executable is every Chromium
// sub-process; the start lets the runtime decide which role this process plays.
#pragma once

namespace KRUI {

constexpr unsigned kCefBrowserCloseWaitMs = 5000;
constexpr unsigned kCefUiThreadWaitMs = 2000;

// -1: this process was a Chromium sub-process and its work is over, or the library answers
// another API version; the caller ends the process with 0.
//  0: browser process; the runtime is initialised, or absent (no libcef.dll beside the
//     executable: the program runs on and browsers simply get none).
int InitCefRuntime();
// Right after the message loop (main thread, before GDI+ goes): no layout handler runs for
// the runtime's callbacks any more, and every browser still open or being made is closed,
// pumping this thread's messages (the runtime's UI thread sends to our windows while it
// makes and destroys browser windows) until each one's OnBeforeClose has come, for at most
// kCefBrowserCloseWaitMs. True when none is left.
bool CloseCefBrowsers();
// cef_shutdown, once, if InitCefRuntime initialised the runtime, after an empty task has
// run on the runtime's UI thread (the work queued before it, too), pumping for at most
// kCefUiThreadWaitMs. The runtime's shutdown waits on its UI thread without a timeout and
// without pumping ours: it is skipped, and the process ends without it, when a browser is
// still alive or the UI thread did not answer in time, since it could only hang.
void ShutdownCefRuntime();
bool IsCefRuntimeInitialized();

}  // namespace KRUI
