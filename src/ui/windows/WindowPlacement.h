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

// Called once, after a new frame window's first paint: puts it on top of the z-order
// without activating it. Wine shows a window on the screen only once it has been painted
// (a layered one at its first UpdateLayeredWindow), and the screen then stacks it above
// windows raised before, though Wine's own z-order says otherwise. A window on top raises
// what it keeps over itself again (a detached browser follows its host's
// WM_WINDOWPOSCHANGED), so screen and z-order agree; on Windows the order ends as it was.
void RaiseAfterFirstPaint(HWND hwnd);

}  // namespace KRUI
