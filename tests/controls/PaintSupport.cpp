#include "controls/PaintSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/Bmp.h"
#include "support/GdiplusSession.h"
#include "support/TempDir.h"
#include "ui/core/BitmapTable.h"

namespace KRUITest {

uint32_t StripColor(int column) { return column < 20 ? kRed : column < 80 ? kGreen : kBlue; }

uint32_t TileColor(int x, int y) {
  if (y < 3) return x < 4 ? kRed : kGreen;
  return x < 4 ? kBlue : kYellow;
}

namespace {

// Writes the image files and loads them into the process bitmap table once GDI+ runs.
class TestBitmaps : public ::testing::Environment {
 public:
  void SetUp() override {
    dir_.reset(new TempDir());
    dir_->Write("image/red.bmp", MakeBmp(60, 20, [](int, int) { return kRed; }));
    dir_->Write("image/blue.bmp", MakeBmp(60, 20, [](int, int) { return kBlue; }));
    dir_->Write("image/strip.bmp", MakeBmp(100, 50, [](int x, int) { return StripColor(x); }));
    dir_->Write("image/tile.bmp", MakeBmp(8, 6, TileColor));
    dir_->Write("image/broken.bmp", "not an image");
    const std::string doc = dir_->Write("layout/bitmap.xml", R"(<BitmapRoot rootdir="..\image">
        <Bitmap id="red" file="red.bmp"/>
        <Bitmap id="blue" file="blue.bmp"/>
        <Bitmap id="strip" file="strip.bmp"/>
        <Bitmap id="tile" file="tile.bmp"/>
        <Bitmap id="broken" file="broken.bmp"/>
      </BitmapRoot>)");
    ASSERT_TRUE(KRUI::BitmapTable::Instance().Load(doc));
    for (const char* id : {"red", "blue", "strip", "tile"}) {
      const KRUI::CBitmap* b = KRUI::BitmapTable::Instance().LookupBitmap(id);
      ASSERT_TRUE(b && !b->IsEmpty()) << id;
    }
    const KRUI::CBitmap* broken = KRUI::BitmapTable::Instance().LookupBitmap("broken");
    ASSERT_TRUE(broken && broken->IsEmpty());
  }
  // The decoded bitmaps stay in the table; a file GDI+ still holds open is left behind.
  void TearDown() override { dir_.reset(); }

 private:
  std::unique_ptr<TempDir> dir_;
};

// Registered in this order: GDI+ first, then the bitmaps.
::testing::Environment* const gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);
::testing::Environment* const bitmaps = ::testing::AddGlobalTestEnvironment(new TestBitmaps);

}  // namespace

Canvas::Canvas(int width, int height, uint32_t rgb) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_.reset(::CreateCompatibleDC(nullptr));
  bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<uint32_t*>(bits);
  EXPECT_TRUE(dc_ && bitmap_ && bits_);
  if (dc_ && bitmap_) selection_.reset(new KRUI::SelectObjectScope(dc_.get(), bitmap_.get()));
  Fill(rgb);
}

void Canvas::Fill(uint32_t rgb) {
  ::GdiFlush();
  if (!bits_) return;
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = 0xFF000000u | rgb;
}

uint32_t Canvas::Pixel(int x, int y) const {
  ::GdiFlush();
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFFFFu;
  return bits_[y * width_ + x] & 0xFFFFFFu;
}

int Canvas::Count(const RECT& area, const std::function<bool(uint32_t)>& test) const {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (test(Pixel(x, y))) ++n;
  return n;
}

int Canvas::CountColor(const RECT& area, uint32_t rgb) const {
  return Count(area, [rgb](uint32_t c) { return c == rgb; });
}

int Canvas::CountDifferent(uint32_t rgb, RECT* bounds) const {
  RECT box = {width_, height_, 0, 0};
  int n = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (Pixel(x, y) == rgb) continue;
      ++n;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  if (bounds) *bounds = n ? box : RECT{0, 0, 0, 0};
  return n;
}

void Paint(KRUI::CControl& root, const Canvas& canvas) {
  bool handled = false;
  root.RouteMessage(KRUI::MSG_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0, handled);
  EXPECT_FALSE(handled) << "painting is never marked handled";
}

void LayOut(KRUI::CControl& root, int width, int height) {
  bool handled = false;
  root.RouteMessage(WM_SIZE, 0, MAKELPARAM(width, height), handled);
}

}  // namespace KRUITest
