#include <gtest/gtest.h>

#include <string>

#include "LayoutRenderer.h"
#include "support/Bmp.h"
#include "support/TempDir.h"
#include "ui/core/Encoding.h"
#include "ui/core/GdiPlus.h"
#include "ui/core/Handles.h"

using namespace KRUI;

// A fixture window painted to a PNG through the runtime's paint path, then read back.
TEST(Render, FixtureWindowMatchesItsPixels) {
  KRUITest::TempDir dir;
  dir.Write("layout/strings.xml", "<StringRoot><String id=\"red\" value=\"255,0,0\"/></StringRoot>");
  dir.Write("layout/bitmap.xml", "<BitmapRoot rootdir=\"..\\image\"><Bitmap id=\"blue\" file=\"blue.bmp\"/></BitmapRoot>");
  dir.Write("image/blue.bmp", KRUITest::MakeBmp(8, 8, [](int, int) { return 0x0000FFu; }));
  dir.Write("layout/layout.xml",
            "<LayoutRoot>\n"
            "  <FrameHostWindow id=\"other\" size=\"10,10\"/>\n"
            "  <FrameHostWindow id=\"main\" size=\"40,30\" active=\"true\">\n"
            "    <Layout id=\"root\">\n"
            "      <Image id=\"fill\" color=\"${red}\"/>\n"
            "      <Image id=\"hidden\" pos=\"0,0\" size=\"6,6\" color=\"0,255,0\" visible=\"false\"/>\n"
            "      <Image id=\"icon\" pos=\"-18,10\" size=\"8,8\" bitmap=\"blue\"/>\n"
            "    </Layout>\n"
            "  </FrameHostWindow>\n"
            "</LayoutRoot>\n");
  std::string error;
  const std::string png = dir.File("out.png");
  ASSERT_TRUE(LayoutRenderer::Render(dir.Path(), "main", png, error)) << error;

  UniqueGpBitmap image;
  ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromFile(ThreadAnsiToWide(png).c_str(), image.put()), Gdiplus::Ok);
  UINT width = 0, height = 0;
  Gdiplus::DllExports::GdipGetImageWidth(image.get(), &width);
  Gdiplus::DllExports::GdipGetImageHeight(image.get(), &height);
  EXPECT_EQ(width, 40u);
  EXPECT_EQ(height, 30u);
  struct Point {
    int x, y;
    Gdiplus::ARGB argb;
  } const points[] = {
      {2, 2, 0xFFFF0000},    // the fill, not the hidden green above it
      {39, 29, 0xFFFF0000},  // the fill stretched to the far corner
      {22, 10, 0xFF0000FF},  // the bitmap, placed from the right edge (40 - 18)
      {29, 17, 0xFF0000FF},
      {30, 17, 0xFFFF0000},  // just past it
  };
  for (const Point& p : points) {
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(image.get(), p.x, p.y, &argb);
    EXPECT_EQ(argb, p.argb) << p.x << "," << p.y;
  }
}

// A document it cannot read is explained in the linter's words. (strings.xml: the render
// loads the process's own tables, and a failed string table can be loaded again.)
TEST(Render, UnreadableDocumentGivesTheLintersLine) {
  KRUITest::TempDir dir;
  dir.Write("layout/strings.xml",
            "<StringRoot>\n"
            "  <String id=\"a\" value=\"1\">\n"
            "</StringRoot>\n");
  std::string error;
  EXPECT_FALSE(LayoutRenderer::Render(dir.Path(), "main", dir.File("out.png"), error));
  EXPECT_EQ(error, "layout/strings.xml:2: error: malformed XML: <String> is never closed (the parser stops at line 3, "
                   "column 9: Error reading end tag.)");
}
