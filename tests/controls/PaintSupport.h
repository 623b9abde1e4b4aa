// Painting drawn controls into memory and reading the pixels back, plus the bitmaps the
// control tests draw (loaded once per program into the process bitmap table).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "support/TestHostWindow.h"
#include "ui/core/Control.h"
#include "ui/core/Handles.h"

namespace KRUITest {

// Bitmap table ids available to every control test.
//   "red"    60x20 red            "blue"   60x20 blue
//   "strip"  100x50: columns 0-19 red, 20-79 green, 80-99 blue
//   "tile"   8x6 quadrants: red (top-left), green (top-right), blue (bottom-left),
//            yellow (bottom-right); see TileColor
//   "broken" a file GDI+ cannot read: an entry without image
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00;
uint32_t StripColor(int column);
uint32_t TileColor(int x, int y);

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height, uint32_t rgb);
  HDC Dc() const { return dc_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Fill(uint32_t rgb);
  // 0xRRGGBB of the pixel (the alpha byte is not looked at).
  uint32_t Pixel(int x, int y) const;
  // Pixels in [left, right) x [top, bottom) for which test(rgb) is true.
  int Count(const RECT& area, const std::function<bool(uint32_t)>& test) const;
  int CountColor(const RECT& area, uint32_t rgb) const;
  // Pixels of the whole canvas that differ from rgb, and their bounding box (empty if none).
  int CountDifferent(uint32_t rgb, RECT* bounds = nullptr) const;

 private:
  int width_;
  int height_;
  uint32_t* bits_ = nullptr;
  KRUI::UniqueHdc dc_;
  KRUI::UniqueHbitmap bitmap_;
  std::unique_ptr<KRUI::SelectObjectScope> selection_;
};

// Routes MSG_PAINT with the canvas DC through the tree, as a host window does.
void Paint(KRUI::CControl& root, const Canvas& canvas);
// Routes WM_SIZE through the tree: the root fills (0, 0, width, height), the rest follow.
void LayOut(KRUI::CControl& root, int width, int height);

// A test host window that counts the repaints asked of it.
class CountingHost : public TestHostWindow {
 public:
  bool Invalidate() override {
    ++invalidations;
    return true;
  }
  int invalidations = 0;
};

}  // namespace KRUITest
