// How a host window offers its native messages to its control tree: which messages walk
// the tree forward (parents first: creation, layout, paint), which backward (topmost
// first: hit tests, clicks, closing), and which are never consumed (hover, leave).
#pragma once
#include <windows.h>

namespace KRUI {

class CControl;

class CWindowMessageDispatcher {
 public:
  // True when a control consumed the message; result then holds its answer.
  virtual bool RouteWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT& result) = 0;
  virtual ~CWindowMessageDispatcher() = default;

 protected:
  // The shared walk table over a window's root control (none: nothing is routed).
  static bool RouteToControls(CControl* root, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

}  // namespace KRUI
