#include "ui/windows/MouseHoverLeaveTracker.h"

namespace KRUI {
namespace {

DWORD Track(HWND hwnd, DWORD flags, DWORD hoverTime) {
  TRACKMOUSEEVENT tme = {};
  tme.cbSize = sizeof(tme);
  tme.dwFlags = flags;
  tme.hwndTrack = hwnd;
  tme.dwHoverTime = hoverTime;
  return ::TrackMouseEvent(&tme) ? 1 : 0;
}

}  // namespace

bool _MouseHoverLeaveTracker::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM,
                                            LRESULT& result) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!leaveArmed_) leaveArmed_ = Track(hwnd, TME_LEAVE, 10);
      // Leave is asked for again with the hover: on Windows the requests add up anyway, and
      // some window systems let a hover-only request cancel the pending leave.
      if (!hoverArmed_) hoverArmed_ = Track(hwnd, TME_HOVER | TME_LEAVE, 30);
      result = 0;
      return true;
    case WM_MOUSEHOVER:
      hoverArmed_ = 0;
      result = 0;
      return true;
    case WM_MOUSELEAVE:
      leaveArmed_ = 0;
      hoverArmed_ = 0;
      result = 0;
      return true;
    case WM_DESTROY:
      leaveArmed_ = hoverArmed_ = 0;
      return false;
    case WM_SHOWWINDOW:
      if (wParam == 0) leaveArmed_ = hoverArmed_ = 0;
      return false;
    default:
      return false;
  }
}

}  // namespace KRUI
