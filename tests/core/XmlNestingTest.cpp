// Documents nested deeper than the parser's stack could take are refused before parsing;
// the layout loader builds elements only down to its own nesting limit.
#include <gtest/gtest.h>

#include <cstring>

#include "core/TestElements.h"
#include "support/GdiplusSession.h"
#include "support/TempDir.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/core/XmlNesting.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

::testing::Environment* const gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

std::string Nested(const std::string& root, const std::string& inner, size_t levels, const std::string& leaf = "") {
  std::string text = "<" + root + " rootdir=\".\">";
  for (size_t i = 0; i < levels; ++i) text += "<" + inner + ">";
  text += leaf;
  for (size_t i = 0; i < levels; ++i) text += "</" + inner + ">";
  return text + "</" + root + ">";
}

TEST(XmlNesting, CountsElementsOnlyAndNeverLess) {
  struct Case {
    const char* text;
    size_t depth;
  };
  const Case cases[] = {
      {"", 0},
      {"<a/>", 1},
      {"<?xml version=\"1.0\"?><a><b/><c><d/></c></a>", 3},
      {"<a x=\"/>\" y='>'><b/></a>", 2},            // quoted "/>" and ">" are values
      {"<a><!-- <b><c><d> --><![CDATA[<e><f>]]></a>", 1},
      {"<!DOCTYPE a><a>text &lt; more<b /></a>", 2},
      {"<a><b><c>", 3},                               // unclosed: open to the end
      {"<?pi no end ><a><b/></a>", 2},                // the parser ends it at the first '>'
      {"</x></y><a></a>", 1},                         // stray closers do not go below zero
      {"<a><& x=\"><b><c>", 3},                      // no element: its quote quotes nothing
      {"<a><>< b><c/></a>", 2},                       // "<>" and "< b" are no elements either
      {"\xEF\xBB\xBF<a>\xE3<&<b><c>", 3},             // UTF-8: "\xE3<&" is one character to the parser
      {"<?xml version=\"x><S a\" ?><a><b>", 2},        // a declaration's value may quote '>'
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.depth, XmlNestingDepth(c.text, std::strlen(c.text))) << c.text;
  }
}

// What a layout author sent us: 7,000 levels, which the parser's recursion cannot survive.
TEST(XmlNesting, TooDeepDocumentsAreRefusedByEveryLoader) {
  TempDir dir;
  const size_t tooDeep = 7000;
  StringTable strings;
  EXPECT_FALSE(strings.Load(dir.Write("layout/strings.xml",
                                      Nested("StringRoot", "s", tooDeep, "<s id=\"a\" value=\"b\"/>"))));
  BitmapTable bitmaps;
  EXPECT_FALSE(bitmaps.Load(dir.Write("layout/bitmap2.xml", Nested("BitmapRoot", "BitmapList", tooDeep))));
  CLayoutLoader layout{strings};
  EXPECT_FALSE(layout.Load(dir.Write("layout/layout.xml", Nested("LayoutRoot", "TestControl", tooDeep))));
  EXPECT_TRUE(layout.TopLevelObjects().empty());

  // At the limit the documents still load.
  StringTable atLimit;
  EXPECT_TRUE(atLimit.Load(dir.Write("layout/s2.xml", Nested("StringRoot", "s", kXmlNestingLimit - 1))));
  BitmapTable bitmapsAtLimit;
  EXPECT_TRUE(bitmapsAtLimit.Load(dir.Write("layout/b2.xml", Nested("BitmapRoot", "x", kXmlNestingLimit - 1))));
  EXPECT_FALSE(bitmapsAtLimit.Load(dir.Write("layout/b3.xml", Nested("BitmapRoot", "x", kXmlNestingLimit))));
}

TEST(XmlNesting, TheLoaderSkipsElementsBelowItsNestingLimit) {
  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
  // A window (level 1) holding a chain of controls down to one level past the limit.
  std::string body = "<TestWindow id=\"w\">";
  for (size_t level = 2; level <= kLayoutNestingLimit + 1; ++level)
    body += "<TestControl id=\"c" + std::to_string(level) + "\">";
  for (size_t level = 2; level <= kLayoutNestingLimit + 1; ++level) body += "</TestControl>";
  body += "</TestWindow>";
  ASSERT_TRUE(loader.Load(dir.Write("layout/layout.xml", "<LayoutRoot>" + body + "</LayoutRoot>")));
  CHostWindow* w = loader.FindTopLevelWindow("w");
  ASSERT_NE(nullptr, w);
  CControl* c = w->GetRootControl();
  size_t level = 2;
  while (c && !c->Children().empty()) {
    c = c->Children().front();
    ++level;
  }
  ASSERT_NE(nullptr, c);
  EXPECT_EQ(kLayoutNestingLimit, level);
  EXPECT_EQ("c" + std::to_string(kLayoutNestingLimit), c->Id());
}

}  // namespace
