#include "ui/windows/WindowPlacement.h"

namespace KRUI {

void CenterTopLevelWindow(HWND hwnd) {
  RECT window;
  if (!::GetWindowRect(hwnd, &window)) return;
  HWND owner = ::GetWindow(hwnd, GW_OWNER);
  if (owner && (!::IsWindowVisible(owner) || ::IsIconic(owner))) owner = nullptr;

  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(owner ? owner : hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT area = monitor.rcWork;
  RECT center = area;
  if (owner) ::GetWindowRect(owner, &center);

  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  int left = (center.left + center.right) / 2 - width / 2;
  int top = (center.top + center.bottom) / 2 - height / 2;
  if (left + width > area.right) left = area.right - width;
  if (top + height > area.bottom) top = area.bottom - height;
  if (left < area.left) left = area.left;
  if (top < area.top) top = area.top;
  ::SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BringToForeground(HWND hwnd) {
  const DWORD self = ::GetCurrentThreadId();
  DWORD foreground = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
  ::AttachThreadInput(foreground, self, TRUE);
  ::SetForegroundWindow(hwnd);
  foreground = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
  ::AttachThreadInput(foreground, self, FALSE);
  ::BringWindowToTop(hwnd);
}

void RaiseAfterFirstPaint(HWND hwnd) {
  ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace KRUI
