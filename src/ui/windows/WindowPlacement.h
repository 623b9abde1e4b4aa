// Placement helpers shared by the host windows.
#pragma once
#include <windows.h>

namespace KRUI {

// Centres a top-level window over its owner when the owner exists, is visible and not
// minimised, otherwise in the work area of the nearest monitor; the result is kept inside
// that work area (right and bottom edges first, then left and top).
void CenterTopLevelWindow(HWND hwnd);

// Makes the window the foreground window even when another thread owns the foreground:
// briefly attaches to that thread's input, then brings the window to the top.
void BringToForeground(HWND hwnd);

}  // namespace KRUI
