#include "ui/windows/WindowMessageDispatcher.h"

#include "ui/core/Control.h"

namespace KRUI {

bool CWindowMessageDispatcher::RouteToControls(CControl* root, UINT message, WPARAM wParam,
                                               LPARAM lParam, LRESULT& result) {
  if (!root) return false;
  bool handled = false;
  switch (message) {
    case WM_CREATE:
    case WM_MOVE:
    case WM_SIZE:
    case WM_SHOWWINDOW:
    case WM_ACTIVATEAPP:
    case WM_WINDOWPOSCHANGED:
    case WM_INITDIALOG:
    case MSG_PAINT:
      result = root->RouteMessage(message, wParam, lParam, handled);
      return handled;
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_NCHITTEST:
    case WM_COMMAND:
    case WM_LBUTTONUP:
      result = root->RouteMessageReverse(message, wParam, lParam, handled);
      return handled;
    case WM_MOUSEHOVER:
    case WM_MOUSELEAVE:
      // The controls see them, but the tracker must too: never consumed here.
      root->RouteMessageReverse(message, wParam, lParam, handled);
      return false;
    default:
      return false;
  }
}

}  // namespace KRUI
