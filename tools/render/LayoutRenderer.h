// Paints one window of a game folder into a PNG without showing it: the runtime's own
// loaders build the tree, the root control is laid out at the window's declared size and
// painted (MSG_PAINT) into a 32-bit memory bitmap, as the window painter does. Controls
// that are native child windows (edit boxes, browsers) have no window here and draw
// nothing. Once per process: the string and bitmap tables are the process's own.
#pragma once
#include <string>

namespace KRUI {

class LayoutRenderer {
 public:
  // Largest side accepted: a typo in "size" must not allocate gigabytes.
  static constexpr int kMaxSide = 8192;
  // false and a one-line reason in error when anything is missing or fails.
  static bool Render(const std::string& folder, const std::string& windowId, const std::string& png,
                     std::string& error);
};

}  // namespace KRUI
