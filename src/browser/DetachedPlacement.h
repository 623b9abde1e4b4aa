// Keeps a browser's borderless tool window over its host window at the control's rectangle:
// moved with the host, hidden on minimise, shown and raised with it, re-stacked when the
// application is activated. Shared by both browser controls in their detached placement.
#pragma once
#include <windows.h>

namespace KRUI {

class CControl;

class CDetachedPlacement {
 public:
  // Follows one host-window message. The control supplies its declared position (WM_MOVE,
  // WM_WINDOWPOSCHANGED), its laid-out rectangle and visibility (WM_SIZE, WM_SHOWWINDOW).
  // Never marks the message handled.
  static void Follow(HWND tool, HWND host, const CControl& control, UINT message, WPARAM wParam,
                     LPARAM lParam);

  // Puts the host directly under the tool window (kHostBelowFlags, or those with a redraw).
  static void HostBelow(HWND tool, HWND host, UINT flags);
};

}  // namespace KRUI
