// Turns mouse movement over a native window into one WM_MOUSEHOVER after the mouse has
// rested 30 ms (again after each further movement) and one WM_MOUSELEAVE when it leaves.
#pragma once
#include <windows.h>

namespace KRUI {

class _MouseHoverLeaveTracker {
 public:
  virtual ~_MouseHoverLeaveTracker() = default;
  // True when the message was the tracker's to consume (result 0).
  bool HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  DWORD leaveArmed_ = 0;
  DWORD hoverArmed_ = 0;
};

}  // namespace KRUI
