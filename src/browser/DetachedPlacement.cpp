#include "browser/DetachedPlacement.h"

#include <windowsx.h>

#include "browser/WindowPosFlags.h"
#include "ui/core/Control.h"

namespace KRUI {

namespace {
// A dialog the host runs stays over the host's browser, which the steps below raise to the
// top of every window.
void OwnedPopupOnTop(HWND host) {
  HWND popup = ::GetLastActivePopup(host);
  if (popup && popup != host && ::IsWindowVisible(popup)) ::SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
}
}  // namespace

void CDetachedPlacement::HostBelow(HWND tool, HWND host, UINT flags) {
  ::SetWindowPos(host, tool, 0, 0, 0, 0, flags);
}

void CDetachedPlacement::Follow(HWND tool, HWND host, const CControl& control, UINT message,
                                WPARAM wParam, LPARAM lParam) {
  if (!tool || !host) return;
  switch (message) {
    case WM_MOVE:
      // lParam is the host's new client origin in screen coordinates.
      if (lParam != 0) {
        ::SetWindowPos(tool, nullptr, GET_X_LPARAM(lParam) + control.DeclaredX(),
                       GET_Y_LPARAM(lParam) + control.DeclaredY(), 0, 0, kMoveFlags);
      }
      break;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kHideWithoutRedrawFlags);
      } else {
        POINT origin{control.Left(), control.Top()};
        ::ClientToScreen(host, &origin);
        const UINT flags = control.IsVisible() ? (SWP_SHOWWINDOW | SWP_NOACTIVATE) : SWP_NOACTIVATE;
        ::SetWindowPos(tool, nullptr, origin.x, origin.y, control.Width(), control.Height(), flags);
        HostBelow(tool, host, kHostBelowFlags);
      }
      break;
    case WM_SHOWWINDOW:
      if (wParam != 0 && control.IsVisible()) {
        ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kShowRaiseFlags);
        HostBelow(tool, host, kHostBelowFlags & ~SWP_NOREDRAW);  // 0x413: the host is redrawn
        OwnedPopupOnTop(host);
      } else {
        ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kHideFlags);
      }
      break;
    case WM_ACTIVATEAPP:
      if (wParam != 0) {
        ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kRaiseFlags);
        HostBelow(tool, host, kHostBelowFlags);
        OwnedPopupOnTop(host);
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (pos && pos->flags != SWP_NOMOVE) {
        ::SetWindowPos(tool, nullptr, pos->x + control.DeclaredX(), pos->y + control.DeclaredY(), 0, 0,
                       kMoveRaiseFlags);
      } else {
        ::SetWindowPos(tool, nullptr, 0, 0, 0, 0, kMoveRaiseFlags | SWP_NOMOVE);
      }
      HostBelow(tool, host, kHostBelowFlags);
      OwnedPopupOnTop(host);
      break;
    }
    default:
      break;
  }
}

}  // namespace KRUI
