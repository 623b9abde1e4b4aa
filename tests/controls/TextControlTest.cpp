#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/PaintSupport.h"
#include "ui/controls/TextControl.h"
#include "ui/core/ElementRegistry.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

constexpr uint32_t kGrey = 0x808080, kWhite = 0xFFFFFF;

// A Text at (10,10) 300x40 on a 320x60 grey canvas, bold and large enough for glyph stems
// to be fully covered pixels of the text colour.
class TextPaint : public ::testing::Test {
 protected:
  std::unique_ptr<CTextControl> Make(AttributeMap attributes) {
    attributes.emplace("pos", "10,10");
    attributes.emplace("size", "300,40");
    attributes.emplace("height", "24");
    attributes.emplace("weight", "700");
    std::unique_ptr<CTextControl> text(new CTextControl());
    text->LoadAttributes(attributes);
    text->Arrange(0, 0, canvas.Width(), canvas.Height());
    return text;
  }
  // Paints a Text made from attributes onto a fresh grey canvas; returns the changed pixels.
  int Draw(const AttributeMap& attributes, RECT* bounds = nullptr) {
    canvas.Fill(kGrey);
    auto text = Make(attributes);
    Paint(*text, canvas);
    return canvas.CountDifferent(kGrey, bounds);
  }
  int Whites() const { return canvas.CountColor({0, 0, canvas.Width(), canvas.Height()}, kWhite); }

  const RECT inside = {10, 10, 310, 50};
  Canvas canvas{320, 60, kGrey};
};

TEST_F(TextPaint, TransparentByDefaultAndParsedColoursAreOpaque) {
  RECT box;
  ASSERT_GT(Draw({{"text", "Hello"}, {"color", "255,255,255"}}, &box), 0) << "no usable font";
  EXPECT_GT(canvas.CountColor(inside, kWhite), 20);
  EXPECT_EQ(Whites(), canvas.CountColor(inside, kWhite));
  EXPECT_GE(box.left, inside.left);
  EXPECT_GE(box.top, inside.top);
  EXPECT_LE(box.right, inside.right);
  EXPECT_LE(box.bottom, inside.bottom);

  EXPECT_EQ(0, Draw({{"text", "Hello"}}));
  EXPECT_EQ(0, Draw({{"text", "Hello"}, {"color", "255,255"}})) << "too few numbers keep transparent";

  // 256 is 0 modulo 256: black, with no red and nothing spilling into another channel.
  ASSERT_GT(Draw({{"text", "Hello"}, {"color", "256,0,0"}}), 0);
  EXPECT_GT(canvas.CountColor(inside, 0x000000), 20);
  EXPECT_EQ(0, canvas.Count(inside, [](uint32_t c) {
              return (c >> 16) != (c & 0xFF) || ((c >> 8) & 0xFF) != (c & 0xFF);
            })) << "every pixel is a grey between background and black";
}

TEST_F(TextPaint, EmptyTextNullDcAndHiddenControlsDrawNothing) {
  EXPECT_EQ(0, Draw({{"text", ""}, {"color", "255,255,255"}}));
  EXPECT_EQ(0, Draw({{"color", "255,255,255"}}));

  auto text = Make({{"text", "Hello"}, {"color", "255,255,255"}});
  bool handled = false;
  text->HandleMessage(MSG_PAINT, 0, 0, handled);  // no DC: nothing to draw into
  EXPECT_FALSE(handled);
  text->SetVisible(false);
  Paint(*text, canvas);
  EXPECT_EQ(0, canvas.CountDifferent(kGrey));
}

TEST_F(TextPaint, HorizontalAlignmentNearCenterFarAndRightIsNoKeyword) {
  RECT nearBox, farBox, centerBox, rightBox, sameBox;
  const AttributeMap base = {{"text", "Hi"}, {"color", "255,255,255"}};
  auto with = [&](const char* alignment) {
    AttributeMap a = base;
    a["alignment"] = alignment;
    return a;
  };
  ASSERT_GT(Draw(base, &nearBox), 0);
  EXPECT_LT(nearBox.right, 10 + 100);

  ASSERT_GT(Draw(with("far"), &farBox), 0);
  EXPECT_GT(farBox.left, 10 + 200);
  EXPECT_LE(farBox.right, 310);
  EXPECT_EQ(nearBox.right - nearBox.left, farBox.right - farBox.left);

  ASSERT_GT(Draw(with("center"), &centerBox), 0);
  EXPECT_NEAR(160, (centerBox.left + centerBox.right) / 2, 6);

  ASSERT_GT(Draw(with("right"), &rightBox), 0);
  EXPECT_TRUE(::EqualRect(&nearBox, &rightBox)) << "'right' aligns at the near edge";
  ASSERT_GT(Draw(with("FAR"), &sameBox), 0);
  EXPECT_TRUE(::EqualRect(&nearBox, &sameBox)) << "keywords are case-sensitive";
}

// Whether this GDI+ lays text out differently with the string-format flags (Wine 8 ignores
// both direction flags).
bool GdiplusHonoursFormatFlags(INT flags) {
  auto draw = [](INT f) {
    Canvas probe(200, 120, kGrey);
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = 24;
    UniqueGpGraphics g;
    UniqueGpFont font;
    UniqueGpStringFormat format;
    Gdiplus::GpSolidFill* solid = nullptr;
    Gdiplus::DllExports::GdipCreateFromHDC(probe.Dc(), g.put());
    Gdiplus::DllExports::GdipCreateFontFromLogfontW(probe.Dc(), &lf, font.put());
    Gdiplus::DllExports::GdipCreateStringFormat(f, LANG_NEUTRAL, format.put());
    Gdiplus::DllExports::GdipCreateSolidFill(0xFFFFFFFF, &solid);
    UniqueGpBrush brush(solid);
    const Gdiplus::RectF r(0, 0, 200, 120);
    Gdiplus::DllExports::GdipDrawString(g.get(), L"Hello", 5, font.get(), &r, format.get(), brush.get());
    g.reset();
    RECT box;
    probe.CountDifferent(kGrey, &box);
    return box;
  };
  const RECT plain = draw(0), flagged = draw(flags);
  return !::EqualRect(&plain, &flagged);
}

TEST_F(TextPaint, DirectionRightAndVerticalWhereGdiplusLaysThemOut) {
  canvas = Canvas(320, 140, kGrey);
  auto draw = [&](const char* direction) {
    canvas.Fill(kGrey);
    std::unique_ptr<CTextControl> text(new CTextControl());
    text->LoadAttributes({{"text", "Hello"}, {"color", "255,255,255"}, {"height", "24"}, {"direction", direction},
                          {"pos", "10,10"}, {"size", "300,120"}});
    text->Arrange(0, 0, canvas.Width(), canvas.Height());
    Paint(*text, canvas);
    RECT box;
    EXPECT_GT(canvas.CountDifferent(kGrey, &box), 0) << direction;
    return box;
  };
  const RECT ltr = draw("");
  bool probed = false;
  if (GdiplusHonoursFormatFlags(Gdiplus::StringFormatFlagsDirectionRightToLeft)) {
    probed = true;
    const RECT rtl = draw("right"), other = draw("Right");
    EXPECT_GT(rtl.left, 10 + 150) << "near edge of right-to-left text is the right edge";
    EXPECT_TRUE(::EqualRect(&ltr, &other)) << "keywords are case-sensitive";
  }
  if (GdiplusHonoursFormatFlags(Gdiplus::StringFormatFlagsDirectionVertical)) {
    probed = true;
    const RECT vertical = draw("vertical");
    EXPECT_GT(vertical.bottom - vertical.top, vertical.right - vertical.left);
  }
  if (!probed) GTEST_SKIP() << "this GDI+ ignores both direction flags";
}

TEST_F(TextPaint, VerticalAlignmentTopCenterBottom) {
  canvas = Canvas(320, 140, kGrey);
  RECT top, middle, bottom;
  auto draw = [&](const char* valignment, RECT* box) {
    canvas.Fill(kGrey);
    std::unique_ptr<CTextControl> text(new CTextControl());
    text->LoadAttributes({{"text", "Hi"}, {"color", "255,255,255"}, {"height", "24"}, {"valignment", valignment},
                          {"pos", "10,10"}, {"size", "300,120"}});
    text->Arrange(0, 0, canvas.Width(), canvas.Height());
    Paint(*text, canvas);
    return canvas.CountDifferent(kGrey, box);
  };
  ASSERT_GT(draw("", &top), 0);
  ASSERT_GT(draw("center", &middle), 0);
  ASSERT_GT(draw("far", &bottom), 0);
  EXPECT_LT(top.bottom, 10 + 40);
  EXPECT_NEAR(70, (middle.top + middle.bottom) / 2, 8);
  EXPECT_GT(bottom.top, 10 + 80);
  EXPECT_LE(bottom.bottom, 130);
}

TEST_F(TextPaint, LongTextWrapsInsideTheRectangle) {
  canvas = Canvas(200, 200, kGrey);
  std::unique_ptr<CTextControl> text(new CTextControl());
  text->LoadAttributes({{"text", "WWW WWW WWW WWW"}, {"color", "255,255,255"}, {"height", "20"},
                        {"pos", "20,20"}, {"size", "70,160"}});
  text->Arrange(0, 0, 200, 200);
  Paint(*text, canvas);
  RECT box;
  ASSERT_GT(canvas.CountDifferent(kGrey, &box), 0);
  EXPECT_GE(box.left, 20);
  EXPECT_LE(box.right, 90);
  EXPECT_GT(box.bottom - box.top, 3 * 20) << "four words on four lines";
}

TEST_F(TextPaint, FontAttributesChangeTheGlyphs) {
  const AttributeMap plain = {{"text", "Hello"}, {"color", "255,255,255"}, {"weight", "400"}};
  auto with = [&](const char* name, const char* value) {
    AttributeMap a = plain;
    a[name] = value;
    return a;
  };
  RECT plainBox, box;
  const int plainCount = Draw(plain, &plainBox);
  ASSERT_GT(plainCount, 0);
  EXPECT_GT(Draw(with("weight", "800")), plainCount);
  Draw(with("italic", "true"), &box);
  EXPECT_FALSE(::EqualRect(&plainBox, &box)) << "slanted glyphs";
  EXPECT_EQ(plainCount, Draw(with("italic", "TRUE"))) << "flags are true only for \"true\"";
  Draw(with("height", "12"), &box);
  EXPECT_LT(box.bottom - box.top, plainBox.bottom - plainBox.top);
  // Values of 0 or less keep the default GUI font's.
  LOGFONTW stock = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
  EXPECT_EQ(Draw(with("weight", std::to_string(stock.lfWeight).c_str())), Draw(with("weight", "-5")));
  EXPECT_EQ(Draw(with("height", "0")), Draw(with("height", "-30")));
  // GDI+ fonts keep no character width: "width" reaches the LOGFONTW only.
}

// Whether this GDI+ draws the decoration a LOGFONTW asks for (Wine 8 does not draw
// underlines or strike-out lines).
bool GdiplusDrawsDecoration(const Canvas& canvas, BYTE LOGFONTW::*decoration) {
  auto draw = [&](bool on) {
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = 24;
    lf.*decoration = on;
    Canvas probe(120, 40, kGrey);
    UniqueGpGraphics g;
    UniqueGpFont font;
    Gdiplus::GpSolidFill* solid = nullptr;
    Gdiplus::DllExports::GdipCreateFromHDC(probe.Dc(), g.put());
    Gdiplus::DllExports::GdipCreateFontFromLogfontW(probe.Dc(), &lf, font.put());
    Gdiplus::DllExports::GdipCreateSolidFill(0xFFFFFFFF, &solid);
    UniqueGpBrush brush(solid);
    const Gdiplus::RectF r(0, 0, 120, 40);
    Gdiplus::DllExports::GdipDrawString(g.get(), L"Hello", 5, font.get(), &r, nullptr, brush.get());
    g.reset();
    return probe.CountDifferent(kGrey);
  };
  return draw(true) > draw(false);
}

TEST_F(TextPaint, UnderlineAndStrikeoutWhereGdiplusDrawsThem) {
  const AttributeMap plain = {{"text", "Hello"}, {"color", "255,255,255"}};
  const int plainCount = Draw(plain);
  ASSERT_GT(plainCount, 0);
  bool probed = false;
  for (auto [name, field] : {std::make_pair("underline", &LOGFONTW::lfUnderline),
                             std::make_pair("strikeout", &LOGFONTW::lfStrikeOut)}) {
    if (!GdiplusDrawsDecoration(canvas, field)) continue;
    probed = true;
    AttributeMap a = plain;
    a[name] = "true";
    EXPECT_GT(Draw(a), plainCount) << name;
    a[name] = "True";
    EXPECT_EQ(plainCount, Draw(a)) << name;
  }
  if (!probed) GTEST_SKIP() << "this GDI+ draws neither underlines nor strike-out lines";
}

// Installed TrueType faces, shortest names first.
std::vector<std::wstring> InstalledFaces(HDC dc) {
  std::vector<std::wstring> faces;
  LOGFONTW filter = {};
  filter.lfCharSet = DEFAULT_CHARSET;
  ::EnumFontFamiliesExW(
      dc, &filter,
      [](const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM p) -> int {
        std::wstring face = lf->lfFaceName;
        if ((type & TRUETYPE_FONTTYPE) && !face.empty() && face[0] != L'@' && face.size() < 20)
          reinterpret_cast<std::vector<std::wstring>*>(p)->push_back(face);
        return 1;
      },
      reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

TEST_F(TextPaint, FaceIsUsedOnlyWhenShorterThan32Bytes) {
  const AttributeMap plain = {{"text", "Hello"}, {"color", "255,255,255"}};
  RECT plainBox;
  ASSERT_GT(Draw(plain, &plainBox), 0);
  const std::vector<uint32_t> plainPixels = [&] {
    std::vector<uint32_t> p;
    for (int y = 0; y < canvas.Height(); ++y)
      for (int x = 0; x < canvas.Width(); ++x) p.push_back(canvas.Pixel(x, y));
    return p;
  }();
  auto samePixels = [&] {
    for (int y = 0, i = 0; y < canvas.Height(); ++y)
      for (int x = 0; x < canvas.Width(); ++x, ++i)
        if (canvas.Pixel(x, y) != plainPixels[i]) return false;
    return true;
  };

  // A face this control draws differently from the default one (font mapping may send
  // several faces, or all of them under some code pages, to the same font).
  AttributeMap a = plain;
  std::string otherFace;
  for (const std::wstring& face : InstalledFaces(canvas.Dc())) {
    a["face"] = std::string(face.begin(), face.end());
    Draw(a);
    if (!samePixels()) {
      otherFace = a["face"];
      break;
    }
  }
  if (otherFace.empty()) GTEST_SKIP() << "no installed face draws differently here";

  a["face"] = otherFace + std::string(32 - otherFace.size(), ' ');
  ASSERT_EQ(32u, a["face"].size());
  Draw(a);
  EXPECT_TRUE(samePixels()) << "a 32-byte face is ignored";
  a["face"] = std::string(200, 'F');
  Draw(a);
  EXPECT_TRUE(samePixels()) << "a 200-byte face is ignored";
  a["face"] = "";
  Draw(a);
  EXPECT_TRUE(samePixels()) << "an empty face is ignored";
}

TEST_F(TextPaint, SetTextIsDrawnAtTheNextPaintWithoutAskingForOne) {
  CountingHost host;
  auto text = Make({{"text", "i"}, {"color", "255,255,255"}});
  text->SetHostWindow(&host);
  Paint(*text, canvas);
  const int narrow = canvas.CountDifferent(kGrey);
  ASSERT_GT(narrow, 0);

  text->SetText("WWWW");
  EXPECT_EQ("WWWW", text->Text());
  EXPECT_EQ(0, host.invalidations);
  canvas.Fill(kGrey);
  Paint(*text, canvas);
  EXPECT_GT(canvas.CountDifferent(kGrey), 2 * narrow);

  text->SetText("");
  canvas.Fill(kGrey);
  Paint(*text, canvas);
  EXPECT_EQ(0, canvas.CountDifferent(kGrey));
}

TEST_F(TextPaint, AttributesReadAgainChangeTheNextPaintAndRepaintsMatchTheFirst) {
  auto text = Make({{"text", "Hello"}, {"color", "255,255,255"}});
  auto repaint = [&](RECT* box) {
    canvas.Fill(kGrey);
    Paint(*text, canvas);
    return canvas.CountDifferent(kGrey, box);
  };
  RECT first, box;
  const int count = repaint(&first);
  ASSERT_GT(count, 0);
  EXPECT_EQ(count, repaint(&box)) << "the same font and format at every paint";
  EXPECT_TRUE(::EqualRect(&first, &box));
  // What the button does for its caption: the attributes are read again on the same control.
  const struct {
    const char* name;
    const char* value;
  } changes[] = {{"height", "12"}, {"alignment", "far"}, {"italic", "true"}};
  for (const auto& change : changes) {
    text = Make({{"text", "Hello"}, {"color", "255,255,255"}});
    repaint(nullptr);
    text->LoadAttributes({{change.name, change.value}});
    repaint(&box);
    auto fresh = Make({{"text", "Hello"}, {"color", "255,255,255"}, {change.name, change.value}});
    std::swap(text, fresh);
    RECT expected;
    repaint(&expected);
    EXPECT_TRUE(::EqualRect(&expected, &box)) << change.name;
    EXPECT_FALSE(::EqualRect(&first, &box)) << change.name;
  }
}

TEST(TextControl, RegisteredAsTextAndHandlesNoMouseMessage) {
  CObjectx* object = nullptr;
  ASSERT_TRUE(CreateElement("Text", &object));
  std::unique_ptr<CObjectx> owner(object);
  auto* text = dynamic_cast<CTextControl*>(object);
  ASSERT_NE(nullptr, text);
  EXPECT_EQ(kKindControl, text->GetKind());
  text->LoadAttributes({{"size", "50,20"}, {"text", "x"}});
  text->Arrange(0, 0, 100, 100);
  bool handled = false;
  text->RouteMessageReverse(WM_LBUTTONUP, 0, MAKELPARAM(5, 5), handled);
  EXPECT_FALSE(handled) << "a click falls through to the control below";
}

}  // namespace
