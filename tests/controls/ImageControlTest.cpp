#include <gtest/gtest.h>

#include <memory>

#include "controls/PaintSupport.h"
#include "ui/controls/ImageControl.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementRegistry.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

constexpr uint32_t kGrey = 0x808080;

class ImagePaint : public ::testing::Test {
 protected:
  // Paints an Image made from attributes, laid out in the whole canvas.
  void Draw(const AttributeMap& attributes) {
    image.reset(new CImageControl());
    image->LoadAttributes(attributes);
    image->Arrange(0, 0, canvas.Width(), canvas.Height());
    canvas.Fill(kGrey);
    Paint(*image, canvas);
  }
  // Every pixel inside `area` is rgb and every pixel outside it is untouched grey.
  ::testing::AssertionResult FilledExactly(const RECT& area, uint32_t rgb) {
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const POINT p = {x, y};
        const uint32_t want = ::PtInRect(&area, p) ? rgb : kGrey;
        if (canvas.Pixel(x, y) != want) {
          return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << std::hex
                                               << canvas.Pixel(x, y) << ", not " << want;
        }
      }
    }
    return ::testing::AssertionSuccess();
  }

  std::unique_ptr<CImageControl> image;
  Canvas canvas{120, 80, kGrey};
};

TEST_F(ImagePaint, WithoutBitmapTheRectangleIsFilledOpaqueBlackByDefault) {
  Draw({{"pos", "10,5"}, {"size", "30,20"}});
  EXPECT_TRUE(FilledExactly({10, 5, 40, 25}, 0x000000));
  Draw({{"pos", "10,5"}, {"size", "30,20"}, {"color", "0,128,255"}});
  EXPECT_TRUE(FilledExactly({10, 5, 40, 25}, 0x0080FF));
  Draw({{"pos", "-20,-10"}, {"size", "-100,0"}, {"color", "300,-1,0"}});
  EXPECT_TRUE(FilledExactly({100, 70, 120, 80}, 0x2CFF00)) << "300 and -1 taken modulo 256";
}

TEST_F(ImagePaint, BadValuesFallBackToTheFill) {
  Draw({{"size", "30,20"}, {"bitmap", "no-such-id"}, {"fit", "center"}});
  EXPECT_EQ(nullptr, image->Bitmap());
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, 0x000000)) << "an id the table lacks paints the fill";
  Draw({{"size", "30,20"}, {"color", "0,255"}});
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, 0x000000)) << "too few numbers keep the colour";
  Draw({{"size", "30,20"}, {"color", ",,,"}});
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, 0x000000));
  // The whole value is cut to 63 characters before it is split: the blue part is lost.
  Draw({{"size", "30,20"}, {"color", "0,255" + std::string(60, ' ') + ",255"}});
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, 0x000000));
}

TEST_F(ImagePaint, AlphaDoesNotActOnTheFillColour) {
  Draw({{"size", "30,20"}, {"color", "0,0,255"}, {"alpha", "0"}});
  EXPECT_EQ(0, image->Alpha());
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, 0x0000FF));
  Draw({{"size", "30,20"}, {"alpha", "384"}});
  EXPECT_EQ(128, image->Alpha()) << "low 8 bits kept";
  EXPECT_EQ(0xFF000000u, image->FillColor());
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, 0x000000));
}

TEST_F(ImagePaint, BrokenImageFileDrawsNothing) {
  Draw({{"size", "30,20"}, {"bitmap", "broken"}});
  ASSERT_NE(nullptr, image->Bitmap());
  EXPECT_EQ(0, canvas.CountDifferent(kGrey));
  Draw({{"size", "30,20"}, {"bitmap", "broken"}, {"fit", "wrap"}});
  EXPECT_EQ(0, canvas.CountDifferent(kGrey));
}

// "strip" is 100x50 with colour edges after columns 19 and 79. Each natural-size mode is
// checked at its four outer edges and at one colour edge, so every offset is exact.
struct Placement {
  const char* fit;
  int x, y;  // where the bitmap's top-left corner lands
};

class NaturalSize : public ImagePaint, public ::testing::WithParamInterface<Placement> {};

TEST_P(NaturalSize, DrawsAtItsOwnSizeAndSpillsOverTheRectangle) {
  const Placement p = GetParam();
  // A 60x60 rectangle at (0,0), as the layout lays it out; the canvas shows the spill.
  canvas = Canvas(120, 80, kGrey);
  image.reset(new CImageControl());
  image->LoadAttributes({{"bitmap", "strip"}, {"fit", p.fit}});
  image->Arrange(0, 0, 60, 60);
  Paint(*image, canvas);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const int column = x - p.x, row = y - p.y;
      const bool inBitmap = column >= 0 && column < 100 && row >= 0 && row < 50;
      const uint32_t want = inBitmap ? StripColor(column) : kGrey;
      ASSERT_EQ(want, canvas.Pixel(x, y)) << p.fit << " at (" << x << "," << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fits, NaturalSize,
                         ::testing::Values(Placement{"center", -20, 5}, Placement{"left", 0, 5},
                                           Placement{"right", -40, 5}),
                         [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.fit); });

TEST_F(ImagePaint, CenterTruncatesOddDifferencesTowardZero) {
  // 61 - 100 = -39 -> -19 (not -20); 61 - 50 = 11 -> 5.
  image.reset(new CImageControl());
  image->LoadAttributes({{"bitmap", "strip"}, {"fit", "center"}, {"pos", "10,3"}, {"size", "61,61"}});
  image->Arrange(0, 0, 120, 80);
  Paint(*image, canvas);
  const int x0 = 10 - 19, y0 = 3 + 5;
  EXPECT_EQ(kGrey, canvas.Pixel(40, y0 - 1));
  EXPECT_EQ(kGreen, canvas.Pixel(40, y0));
  EXPECT_EQ(kGreen, canvas.Pixel(40, y0 + 49));
  EXPECT_EQ(kGrey, canvas.Pixel(40, y0 + 50));
  EXPECT_EQ(kGreen, canvas.Pixel(x0 + 79, 20));
  EXPECT_EQ(kBlue, canvas.Pixel(x0 + 80, 20));
  EXPECT_EQ(kBlue, canvas.Pixel(x0 + 99, 20));
  EXPECT_EQ(kGrey, canvas.Pixel(x0 + 100, 20));
}

TEST_F(ImagePaint, WrapTilesFromTheControlsCorner) {
  image.reset(new CImageControl());
  image->LoadAttributes({{"bitmap", "tile"}, {"fit", "wrap"}, {"pos", "11,7"}, {"size", "50,31"}});
  image->Arrange(0, 0, 120, 80);
  Paint(*image, canvas);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool inside = x >= 11 && x < 61 && y >= 7 && y < 38;
      const uint32_t want = inside ? TileColor((x - 11) % 8, (y - 7) % 6) : kGrey;
      ASSERT_EQ(want, canvas.Pixel(x, y)) << "at (" << x << "," << y << ")";
    }
  }
}

TEST_F(ImagePaint, AnyOtherFitStretchesOverTheWholeRectangle) {
  for (const char* fit : {"", "stretch", "Center", "wrap "}) {
    image.reset(new CImageControl());
    AttributeMap a = {{"bitmap", "tile"}, {"pos", "20,10"}, {"size", "80,60"}};
    if (*fit) a["fit"] = fit;
    image->LoadAttributes(a);
    image->Arrange(0, 0, 120, 80);
    canvas.Fill(kGrey);
    Paint(*image, canvas);
    SCOPED_TRACE(fit);
    // Quadrant centres of the 8x6 tile scaled by 10: (20..60, 10..40) and (60..100, 40..70).
    // Pixels near the inner and far edges are blends, differently in each GDI+.
    EXPECT_EQ(kRed, canvas.Pixel(40, 25));
    EXPECT_EQ(kGreen, canvas.Pixel(80, 25));
    EXPECT_EQ(kBlue, canvas.Pixel(40, 55));
    EXPECT_EQ(kYellow, canvas.Pixel(80, 55));
    EXPECT_EQ(kRed, canvas.Pixel(22, 12));
    RECT box;
    canvas.CountDifferent(kGrey, &box);
    const RECT rect = {20, 10, 100, 70};
    EXPECT_TRUE(::EqualRect(&rect, &box)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
  }
}

TEST_F(ImagePaint, RegisteredAsImageAndNeverHandlesMessages) {
  CObjectx* object = nullptr;
  ASSERT_TRUE(CreateElement("Image", &object));
  std::unique_ptr<CObjectx> owner(object);
  auto* img = dynamic_cast<CImageControl*>(object);
  ASSERT_NE(nullptr, img);
  img->LoadAttributes({{"size", "30,20"}, {"bitmap", "red"}});
  EXPECT_EQ(BitmapTable::Instance().LookupBitmap("red"), img->Bitmap());
  img->Arrange(0, 0, 100, 100);
  for (UINT message : {UINT(WM_LBUTTONUP), UINT(WM_MOUSEMOVE)}) {
    bool handled = false;
    img->RouteMessageReverse(message, 0, MAKELPARAM(5, 5), handled);
    EXPECT_FALSE(handled);
  }
  Paint(*img, canvas);
  EXPECT_TRUE(FilledExactly({0, 0, 30, 20}, kRed)) << "a bitmap of the rectangle's size stretched 1:1";
}

}  // namespace
