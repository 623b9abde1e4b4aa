#include <gtest/gtest.h>

#include "support/Bmp.h"
#include "support/GdiplusSession.h"
#include "support/TempDir.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/StringTable.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

::testing::Environment* const gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

class Strings : public ::testing::Test {
 protected:
  bool Load(const std::string& body) {
    return table.Load(dir.Write("layout/strings.xml", "<StringRoot>" + body + "</StringRoot>"));
  }
  TempDir dir;
  StringTable table;
};

TEST_F(Strings, FirstEntryWinsAndIncompleteEntriesAreSkipped) {
  ASSERT_TRUE(Load(R"(<s id="a" value="first"/><s id="a" value="second"/>
                      <s id="noval"/><s value="noid"/><anything id="b" value="any element name"/>)"));
  EXPECT_EQ("first", table.LookupString("a"));
  EXPECT_EQ("", table.LookupString("noval"));
  EXPECT_EQ("any element name", table.LookupString("b"));
  EXPECT_EQ("", table.LookupString("missing"));
}

TEST_F(Strings, ExpansionHappensAtLoadAgainstEarlierEntriesOnly) {
  ASSERT_TRUE(Load(R"(<s id="game" value="Game"/>
                      <s id="title" value="${game} Online"/>
                      <s id="early" value="[${late}]"/>
                      <s id="late" value="L"/>
                      <s id="literal" value="${game}" expand="false"/>
                      <s id="upper" value="${game}" expand="TRUE"/>
                      <s id="explicit" value="${game}" expand="true"/>
                      <s id="nested" value="${title}"/>
                      <s id="inner" value="$${game}}"/>)"));
  EXPECT_EQ("Game Online", table.LookupString("title"));
  EXPECT_EQ("[]", table.LookupString("early"));
  EXPECT_EQ("${game}", table.LookupString("literal"));
  EXPECT_EQ("${game}", table.LookupString("upper"));
  EXPECT_EQ("Game", table.LookupString("explicit"));
  EXPECT_EQ("Game Online", table.LookupString("nested"));
  EXPECT_EQ("$Game}", table.LookupString("inner"));
}

TEST_F(Strings, ExpandStringCases) {
  ASSERT_TRUE(Load(R"(<s id="title" value="Game"/><s id="x" value="${title}"/>)"));
  EXPECT_EQ("Game Online", table.ExpandString("${title} Online"));
  EXPECT_EQ("!", table.ExpandString("${nothere}!"));
  EXPECT_EQ("a${title", table.ExpandString("a${title"));
  EXPECT_EQ("", table.ExpandString("${}"));
  EXPECT_EQ("", table.ExpandString(""));
  EXPECT_EQ("GameGame-Game", table.ExpandString("${title}${x}-${title}"));
  EXPECT_EQ("no refs { } $ {", table.ExpandString("no refs { } $ {"));
  EXPECT_EQ("Game and ${x", table.ExpandString("${title} and ${x"));
}

// 30 entries of 1.3 KB, each twice the one before: without a bound the last one would be
// 2^29 characters long.
TEST_F(Strings, ReferencesInsertAtMostTheExpansionLimit) {
  std::string body = R"(<s id="s0" value="ab"/>)";
  for (int i = 1; i < 30; ++i)
    body += "<s id=\"s" + std::to_string(i) + "\" value=\"${s" + std::to_string(i - 1) + "}${s" +
            std::to_string(i - 1) + "}\"/>";
  body += R"(<s id="tail" value="[${s29}]"/>)";
  ASSERT_TRUE(Load(body));
  EXPECT_EQ(2048u, table.LookupString("s10").size());
  EXPECT_EQ("abababab", table.LookupString("s2"));
  EXPECT_EQ(kExpandedTextLimit, table.LookupString("s29").size());
  EXPECT_EQ(std::string("abab"), table.LookupString("s29").substr(0, 4));
  // The text around the references is kept whole.
  const std::string tail = table.LookupString("tail");
  EXPECT_EQ(kExpandedTextLimit + 2, tail.size());
  EXPECT_EQ('[', tail.front());
  EXPECT_EQ(']', tail.back());
  // Layout attributes are bounded the same way.
  EXPECT_EQ(kExpandedTextLimit, table.ExpandString("${s29}${s29}${s20}").size());
}

TEST_F(Strings, TextsAreStoredInTheAnsiCodePage) {
  // 错误 in UTF-8; B4 ED CE F3 in code page 936.
  ASSERT_TRUE(Load("<s id=\"err\" value=\"\xE9\x94\x99\xE8\xAF\xAF\"/>"));
  if (::GetACP() == 936) {
    EXPECT_EQ("\xB4\xED\xCE\xF3", table.LookupString("err"));
  } else {
    EXPECT_EQ("??", table.LookupString("err"));
  }
}

TEST_F(Strings, BadDocumentsFail) {
  EXPECT_FALSE(table.Load(dir.File("absent.xml")));
  EXPECT_FALSE(table.Load(dir.Write("wrong.xml", R"(<Strings><s id="a" value="b"/></Strings>)")));
  EXPECT_EQ("", table.LookupString("a"));
  EXPECT_FALSE(table.Load(dir.Write("broken.xml", R"(<StringRoot><s id="a" value="b"></StringRoot>)")));
  EXPECT_FALSE(table.Load(dir.Write("empty.xml", "")));
  EXPECT_FALSE(table.Load(dir.Write("comment.xml", "<!-- only a comment -->")));
}

uint32_t PixelAt(const CBitmap* b, int x, int y) {
  Gdiplus::ARGB c = 0;
  Gdiplus::DllExports::GdipBitmapGetPixel(b->Native(), x, y, &c);
  return c;
}

// image/sheet.bmp: three 20x20 cells, red, green, blue; image/solo.bmp: 8x6 yellow.
class Bitmaps : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("image/sheet.bmp", MakeBmp(60, 20, [](int x, int) -> uint32_t {
                return x < 20 ? 0xFF0000 : x < 40 ? 0x00FF00 : 0x0000FF;
              }));
    dir.Write("image/solo.bmp", MakeBmp(8, 6, [](int, int) -> uint32_t { return 0xFFFF00; }));
    dir.Write("other/solo.bmp", MakeBmp(3, 3, [](int, int) -> uint32_t { return 0x00FFFF; }));
  }
  std::string Doc(const std::string& name, const std::string& rootAttributes, const std::string& body) {
    return dir.Write("layout/" + name, "<BitmapRoot " + rootAttributes + ">" + body + "</BitmapRoot>");
  }
  TempDir dir;
  BitmapTable table;
};

TEST_F(Bitmaps, ListCellsAreIndependentBitmapsOfTheirSizeAndColour) {
  ASSERT_TRUE(table.Load(Doc("bitmap.xml", R"(rootdir="..\image")",
                             R"(<BitmapList file="sheet.bmp" id="sheet">
                                  <cell id="r" pos="0,0" size="20,20"/>
                                  <cell id="g" pos="20,0" size="20,20"/>
                                  <x id="b" pos="45,5" size="15,10"/>
                                  <cell id="outside" pos="50,0" size="20,20"/>
                                  <cell id="nosize" pos="0,0"/>
                                </BitmapList>)")));
  EXPECT_EQ(3u, table.Count());
  EXPECT_EQ(nullptr, table.LookupBitmap("sheet"));  // the list image itself has no id
  EXPECT_EQ(nullptr, table.LookupBitmap("outside"));
  EXPECT_EQ(nullptr, table.LookupBitmap("nosize"));
  const CBitmap* r = table.LookupBitmap("r");
  const CBitmap* g = table.LookupBitmap("g");
  const CBitmap* b = table.LookupBitmap("b");
  ASSERT_TRUE(r && g && b);
  EXPECT_EQ(20u, r->Width());
  EXPECT_EQ(20u, r->Height());
  EXPECT_EQ(15u, b->Width());
  EXPECT_EQ(10u, b->Height());
  EXPECT_EQ(0xFFFF0000u, PixelAt(r, 0, 0));
  EXPECT_EQ(0xFFFF0000u, PixelAt(r, 19, 19));
  EXPECT_EQ(0xFF00FF00u, PixelAt(g, 0, 0));
  EXPECT_EQ(0xFF00FF00u, PixelAt(g, 19, 10));
  EXPECT_EQ(0xFF0000FFu, PixelAt(b, 14, 9));
}

TEST_F(Bitmaps, WholeFilesAndUnreadableFiles) {
  ASSERT_TRUE(table.Load(Doc("bitmap.xml", R"(rootdir="..\image")",
                             R"(<Bitmap id="solo" file="solo.bmp"/>
                                <Bitmap id="missing" file="nothere.png"/>
                                <Bitmap id="nofile"/>
                                <Bitmap file="solo.bmp"/>
                                <BitmapList file="nothere.png"><c id="cut" pos="0,0" size="1,1"/></BitmapList>
                                <Other id="o" file="solo.bmp"/>)")));
  const CBitmap* solo = table.LookupBitmap("solo");
  ASSERT_NE(nullptr, solo);
  EXPECT_EQ(8u, solo->Width());
  EXPECT_EQ(6u, solo->Height());
  EXPECT_EQ(0xFFFFFF00u, PixelAt(solo, 7, 5));
  const CBitmap* missing = table.LookupBitmap("missing");
  ASSERT_NE(nullptr, missing);  // entered, but empty
  EXPECT_TRUE(missing->IsEmpty());
  EXPECT_NE(Gdiplus::Ok, missing->LastStatus());
  EXPECT_EQ(0u, missing->Width());
  EXPECT_EQ(nullptr, table.LookupBitmap("nofile"));
  EXPECT_EQ(nullptr, table.LookupBitmap("cut"));
  EXPECT_EQ(nullptr, table.LookupBitmap("o"));
  EXPECT_EQ(2u, table.Count());
}

TEST_F(Bitmaps, AWholePictureIsReadWhenTheEntryIsFirstUsed) {
  ASSERT_TRUE(table.Load(Doc("bitmap.xml", R"(rootdir="..\image")",
                             R"(<Bitmap id="solo" file="solo.bmp"/><Bitmap id="late" file="late.bmp"/>)")));
  // Pictures of windows not open yet cost nothing at start-up: a file written after the
  // table was loaded is the one drawn, and one replaced before use is read as it is then.
  dir.Write("image/late.bmp", MakeBmp(4, 2, [](int, int) -> uint32_t { return 0x0000FF; }));
  dir.Write("image/solo.bmp", MakeBmp(8, 6, [](int, int) -> uint32_t { return 0x00FF00; }));
  const CBitmap* late = table.LookupBitmap("late");
  const CBitmap* solo = table.LookupBitmap("solo");
  ASSERT_TRUE(late && solo);
  EXPECT_EQ(Gdiplus::Ok, late->LastStatus());
  EXPECT_FALSE(late->IsEmpty());
  EXPECT_EQ(4u, late->Width());
  EXPECT_EQ(0xFF0000FFu, PixelAt(late, 3, 1));
  EXPECT_EQ(0xFF00FF00u, PixelAt(solo, 0, 0));
}

TEST_F(Bitmaps, TheSecondDocumentAddsIdsButCannotReplaceAndHasItsOwnRoot) {
  ASSERT_TRUE(table.Load(Doc("bitmap.xml", R"(rootdir="..\image")", R"(<Bitmap id="solo" file="solo.bmp"/>)")));
  ASSERT_TRUE(table.Load(Doc("bitmap2.xml", R"(rootdir="..\other")",
                             R"(<Bitmap id="solo" file="solo.bmp"/><Bitmap id="extra" file="solo.bmp"/>)")));
  EXPECT_EQ(8u, table.LookupBitmap("solo")->Width());
  const CBitmap* extra = table.LookupBitmap("extra");
  ASSERT_NE(nullptr, extra);
  EXPECT_EQ(3u, extra->Width());
  EXPECT_EQ(0xFF00FFFFu, PixelAt(extra, 1, 1));
}

// Cut at load, each cell held resources of its own: this list ended the process.
TEST_F(Bitmaps, AListOfAHundredThousandCellsLoadsAndItsCellsStillDraw) {
  std::string cells;
  const int kCells = 100000;
  cells.reserve(kCells * 48);
  for (int i = 0; i < kCells; ++i)
    cells += "<c id=\"c" + std::to_string(i) + "\" pos=\"" + std::to_string(i % 3 * 20) + ",0\" size=\"20,20\"/>";
  ASSERT_TRUE(table.Load(Doc("bitmap.xml", R"(rootdir="..\image")",
                             "<BitmapList file=\"sheet.bmp\">" + cells + "</BitmapList>")));
  EXPECT_EQ(static_cast<size_t>(kCells), table.Count());
  const CBitmap* first = table.LookupBitmap("c0");
  const CBitmap* last = table.LookupBitmap("c" + std::to_string(kCells - 2));  // a blue cell
  ASSERT_TRUE(first && last);
  EXPECT_EQ(first, table.LookupBitmap("c0"));  // the same bitmap at every lookup
  EXPECT_EQ(20u, last->Width());
  EXPECT_EQ(0xFFFF0000u, PixelAt(first, 5, 5));
  EXPECT_EQ(0xFF0000FFu, PixelAt(last, 5, 5));
}

// A rootdir too long for MAX_PATH leaves the images unnamed; the file of the same name in the
// current folder must not be read instead.
TEST_F(Bitmaps, ARootTooLongToNameReadsNoImage) {
  char previous[MAX_PATH] = {0};
  ::GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(::SetCurrentDirectoryA(dir.File("image").c_str()));
  const bool loaded = table.Load(Doc("bitmap.xml", "rootdir=\"" + std::string(300, 'r') + "\"",
                                     R"(<Bitmap id="solo" file="solo.bmp"/>
                                        <BitmapList file="sheet.bmp"><c id="r" pos="0,0" size="20,20"/></BitmapList>)"));
  ::SetCurrentDirectoryA(previous);
  ASSERT_TRUE(loaded);
  const CBitmap* solo = table.LookupBitmap("solo");
  ASSERT_NE(nullptr, solo);  // entered like an unreadable file: empty
  EXPECT_TRUE(solo->IsEmpty());
  EXPECT_EQ(nullptr, table.LookupBitmap("r"));
}

TEST_F(Bitmaps, ADocumentWithoutRootdirOrWithAnotherRootFailsBeforeAddingAnything) {
  EXPECT_FALSE(table.Load(Doc("bitmap.xml", "", R"(<Bitmap id="solo" file="..\image\solo.bmp"/>)")));
  EXPECT_FALSE(table.Load(dir.Write("layout/b.xml", R"(<Bitmaps rootdir="..\image"><Bitmap id="solo" file="solo.bmp"/></Bitmaps>)")));
  EXPECT_FALSE(table.Load(dir.Write("layout/c.xml", R"(<BitmapRoot rootdir="..\image"><Bitmap id="solo" file="solo.bmp"></BitmapRoot>)")));
  EXPECT_FALSE(table.Load(dir.File("layout/absent.xml")));
  EXPECT_EQ(0u, table.Count());
  // The table still loads a good document afterwards.
  EXPECT_TRUE(table.Load(Doc("bitmap.xml", R"(rootdir="..\image")", R"(<Bitmap id="solo" file="solo.bmp"/>)")));
  EXPECT_EQ(1u, table.Count());
}

}  // namespace

namespace {

// 16 bits per channel (what 16-bit PNGs decode to) are kept at 8: the same colours and
// alpha, the same size, half the memory.
TEST(BitmapEntry, WidePixelFormatsAreKeptAt32BitsWithTheirColours) {
  const struct {
    Gdiplus::PixelFormat wide;
    Gdiplus::PixelFormat kept;
    Gdiplus::ARGB colour;
  } cases[] = {{PixelFormat64bppARGB, PixelFormat32bppARGB, 0x80FF2040},
               {PixelFormat32bppARGB, PixelFormat32bppARGB, 0x80FF2040},
               {PixelFormat24bppRGB, PixelFormat24bppRGB, 0xFF10E0A0}};
  for (const auto& c : cases) {
    UniqueGpBitmap native;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(7, 5, 0, c.wide, nullptr, native.put()) != Gdiplus::Ok) {
      ADD_FAILURE() << "format " << c.wide << " not supported here";
      continue;
    }
    for (INT y = 0; y < 5; ++y) {
      for (INT x = 0; x < 7; ++x) Gdiplus::DllExports::GdipBitmapSetPixel(native.get(), x, y, c.colour);
    }
    CBitmap entry(std::move(native), Gdiplus::Ok);
    Gdiplus::PixelFormat format = 0;
    Gdiplus::DllExports::GdipGetImagePixelFormat(entry.Image(), &format);
    EXPECT_EQ(c.kept, format) << c.wide;
    EXPECT_EQ(7u, entry.Width());
    EXPECT_EQ(5u, entry.Height());
    Gdiplus::ARGB read = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(entry.Native(), 3, 2, &read);
    EXPECT_EQ(c.colour, read) << c.wide;
  }
}

}  // namespace
