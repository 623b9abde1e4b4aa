// Start and end of the embedded Chromium runtime. The same executable is every Chromium
// sub-process; the start lets the runtime decide which role this process plays.
#pragma once

namespace KRUI {

// -1: this process was a Chromium sub-process and its work is over, or the library answers
// another API version; the caller ends the process with 0.
//  0: browser process; the runtime is initialised, or absent (no libcef.dll beside the
//     executable: the program runs on and browsers simply get none).
int InitCefRuntime();
// cef_shutdown, once, if InitCefRuntime initialised the runtime; otherwise nothing.
void ShutdownCefRuntime();
bool IsCefRuntimeInitialized();

}  // namespace KRUI
