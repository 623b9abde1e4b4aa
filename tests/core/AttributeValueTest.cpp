#include <gtest/gtest.h>

#include "ui/core/AttributeMap.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/Objectx.h"

using namespace KRUI;

namespace {

TEST(AttributeValue, FlagIsTrueOnlyForExactLowercaseTrue) {
  EXPECT_TRUE(ParseFlag("true"));
  EXPECT_FALSE(ParseFlag("TRUE"));
  EXPECT_FALSE(ParseFlag("True"));
  EXPECT_FALSE(ParseFlag("true "));
  EXPECT_FALSE(ParseFlag("1"));
  EXPECT_FALSE(ParseFlag(""));
}

TEST(AttributeValue, IntegersReadLikeAtoi) {
  EXPECT_EQ(42, ParseInt("42"));
  EXPECT_EQ(-7, ParseInt("-7"));
  EXPECT_EQ(12, ParseInt("12px"));
  EXPECT_EQ(0, ParseInt("abc"));
  EXPECT_EQ(0, ParseInt(""));
}

TEST(AttributeValue, PairNeedsTwoPartsAndKeepsTheValueOtherwise) {
  int a = 5, b = 6;
  EXPECT_TRUE(ParsePair("10,-20", a, b));
  EXPECT_EQ(10, a);
  EXPECT_EQ(-20, b);
  EXPECT_FALSE(ParsePair("5", a, b));
  EXPECT_EQ(10, a);
  EXPECT_EQ(-20, b);
  EXPECT_FALSE(ParsePair("", a, b));
  EXPECT_FALSE(ParsePair(",,,", a, b));
  EXPECT_TRUE(ParsePair("1,,2,3", a, b));  // consecutive commas count as one
  EXPECT_EQ(1, a);
  EXPECT_EQ(2, b);
}

TEST(AttributeValue, PairLongerThan63CharactersUsesItsFirst63) {
  // 3 + 60 spaces = 63 characters, then the digit that would be the second number.
  const std::string value = "10," + std::string(60, ' ') + "7";
  ASSERT_EQ(64u, value.size());
  int a = -1, b = -1;
  EXPECT_TRUE(ParsePair(value, a, b));
  EXPECT_EQ(10, a);
  EXPECT_EQ(0, b);  // the cut second part holds spaces only
  // A value whose comma lies beyond the limit has one part only.
  int c = 3, d = 4;
  EXPECT_FALSE(ParsePair(std::string(70, '9') + ",1", c, d));
  EXPECT_EQ(3, c);
  EXPECT_EQ(4, d);
}

TEST(AttributeValue, ColourIsOpaqueAndEachPartModulo256) {
  uint32_t argb = 0x12345678;
  EXPECT_TRUE(ParseColor("255,255,255", argb));
  EXPECT_EQ(0xFFFFFFFFu, argb);
  EXPECT_TRUE(ParseColor("256,0,0", argb));
  EXPECT_EQ(0xFF000000u, argb);
  EXPECT_TRUE(ParseColor("255,200,0", argb));
  EXPECT_EQ(0xFFFFC800u, argb);
  EXPECT_TRUE(ParseColor("-1,0,513", argb));
  EXPECT_EQ(0xFFFF0001u, argb);
  argb = 0xABCDEF01;
  EXPECT_FALSE(ParseColor("1,2", argb));
  EXPECT_EQ(0xABCDEF01u, argb);
}

TEST(AttributeValue, ListHasNoEmptyItemsAndStopsAt255Characters) {
  auto items = ParseList(",a,,b,");
  ASSERT_EQ(2u, items.size());
  EXPECT_EQ("a", items[0]);
  EXPECT_EQ("b", items[1]);
  EXPECT_TRUE(ParseList("").empty());
  EXPECT_TRUE(ParseList(",,,").empty());

  std::string longValue = std::string(250, 'x') + ",abcdefgh";  // item 2 cut at character 255
  auto cut = ParseList(longValue);
  ASSERT_EQ(2u, cut.size());
  EXPECT_EQ("abcd", cut[1]);
}

namespace {

// An element of the test's own, declared as the runtime's elements are.
struct DeclaredSample : CObjectx {
  enum class Side { kOther, kNear, kFar };
  ElementKind GetKind() const override { return kKindControl; }
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;

  bool flag = false, missingFlag = true;
  int n = 0, missingInt = 9, x = 0, y = 0;
  uint32_t color = 0;
  std::string s, missing = "keep", cut;
  Side side = Side::kNear;
};

const ElementDeclaration DeclaredSample::kDeclaration = {
    kKindControl, "", {},
    {
        {"on", AttributeSyntax::kFlag, "false", 0, nullptr, "", Into<&DeclaredSample::flag>()},
        {"off", AttributeSyntax::kFlag, "true", 0, nullptr, "", Into<&DeclaredSample::missingFlag>()},
        {"n", AttributeSyntax::kInteger, "0", 0, nullptr, "", Into<&DeclaredSample::n>()},
        {"m", AttributeSyntax::kInteger, "9", 0, nullptr, "", Into<&DeclaredSample::missingInt>()},
        {"p", AttributeSyntax::kPair, "0,0", kPairLimit, nullptr, "", IntoPair<&DeclaredSample::x, &DeclaredSample::y>()},
        {"c", AttributeSyntax::kColour, "", kColorLimit, nullptr, "", Into<&DeclaredSample::color>()},
        {"s", AttributeSyntax::kText, "", 0, nullptr, "", Into<&DeclaredSample::s>()},
        {"t", AttributeSyntax::kText, "keep", 0, nullptr, "", Into<&DeclaredSample::missing>()},
        {"cut", AttributeSyntax::kText, "", 3, nullptr, "", Into<&DeclaredSample::cut>()},
        {"side", AttributeSyntax::kChoice, "near", 0, "near|far", "", Into<&DeclaredSample::side>()},
        {"unbound", AttributeSyntax::kText, "", 0, nullptr, ""},
    },
    {},
    {}};

}  // namespace

// The one loader: present attributes are cut to their limit and parsed into their member,
// absent ones leave the member alone (also when loaded again), a choice is its word's place.
TEST(AttributeValue, TheDeclaredLoaderReadsPresentAttributesAndLeavesAbsentOnesAlone) {
  DeclaredSample sample;
  sample.LoadAttributes({{"on", "true"}, {"n", "12"}, {"p", "3,4"}, {"c", "1,2,3"}, {"s", "text"},
                         {"cut", "abcdef"}, {"side", "far"}, {"unbound", "x"}, {"undeclared", "y"}});
  EXPECT_TRUE(sample.flag);
  EXPECT_TRUE(sample.missingFlag);
  EXPECT_EQ(12, sample.n);
  EXPECT_EQ(9, sample.missingInt);
  EXPECT_EQ(3, sample.x);
  EXPECT_EQ(4, sample.y);
  EXPECT_EQ(0xFF010203u, sample.color);
  EXPECT_EQ("text", sample.s);
  EXPECT_EQ("keep", sample.missing);
  EXPECT_EQ("abc", sample.cut);
  EXPECT_EQ(DeclaredSample::Side::kFar, sample.side);

  sample.LoadAttributes({{"n", "5"}, {"side", "Far"}, {"p", "7"}});
  EXPECT_EQ(5, sample.n);
  EXPECT_EQ(DeclaredSample::Side::kOther, sample.side) << "words are matched exactly";
  EXPECT_EQ(3, sample.x) << "a pair with one number keeps the value";
  EXPECT_TRUE(sample.flag);
  EXPECT_EQ("text", sample.s);
  EXPECT_EQ(0xFF010203u, sample.color);
}

TEST(AttributeMap, GetAttributeCopiesOnlyWhatIsPresent) {
  AttributeMap map = {{"id", "x"}, {"empty", ""}};
  std::string out = "before";
  EXPECT_FALSE(GetAttribute(map, "ID", out));
  EXPECT_EQ("before", out);
  EXPECT_TRUE(GetAttribute(map, "empty", out));
  EXPECT_EQ("", out);
}

TEST(AttributeMap, CopyWithPrefixStripsAndReplaces) {
  AttributeMap source = {{"image-bitmap", "a,b"}, {"text-color", "1,2,3"}, {"id", "btn"}, {"image-", "bare"}};
  AttributeMap image = {{"bitmap", "old"}, {"fit", "wrap"}};
  CopyAttributesWithPrefix(image, source, "image-");
  EXPECT_EQ("a,b", image["bitmap"]);
  EXPECT_EQ("wrap", image["fit"]);
  EXPECT_EQ("bare", image[""]);
  EXPECT_EQ(0u, image.count("color"));
  EXPECT_EQ(0u, image.count("id"));

  AttributeMap all = {{"id", "kept"}};
  CopyAttributesWithPrefix(all, source, nullptr);
  EXPECT_EQ("kept", all["id"]);  // no prefix: existing entries stay
  EXPECT_EQ("1,2,3", all["text-color"]);
  AttributeMap all2 = {{"id", "kept"}};
  CopyAttributesWithPrefix(all2, source, "");
  EXPECT_EQ(4u, all2.size());
  EXPECT_EQ("kept", all2["id"]);
}

}  // namespace
