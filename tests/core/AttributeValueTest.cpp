#include <gtest/gtest.h>

#include "ui/core/AttributeMap.h"
#include "ui/core/AttributeValue.h"

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

TEST(AttributeValue, ReadersLeaveAbsentAttributesAlone) {
  AttributeMap map = {{"on", "true"}, {"n", "12"}, {"p", "3,4"}, {"c", "1,2,3"}, {"s", "text"}};
  bool flag = false, missingFlag = true;
  int n = 0, missingInt = 9, x = 0, y = 0;
  uint32_t color = 0;
  std::string s, missing = "keep";
  EXPECT_TRUE(ReadFlag(map, "on", flag));
  EXPECT_FALSE(ReadFlag(map, "off", missingFlag));
  EXPECT_TRUE(ReadInt(map, "n", n));
  EXPECT_FALSE(ReadInt(map, "m", missingInt));
  EXPECT_TRUE(ReadPair(map, "p", x, y));
  EXPECT_TRUE(ReadColor(map, "c", color));
  EXPECT_TRUE(ReadString(map, "s", s));
  EXPECT_FALSE(ReadString(map, "t", missing));
  EXPECT_TRUE(flag);
  EXPECT_TRUE(missingFlag);
  EXPECT_EQ(12, n);
  EXPECT_EQ(9, missingInt);
  EXPECT_EQ(3, x);
  EXPECT_EQ(4, y);
  EXPECT_EQ(0xFF010203u, color);
  EXPECT_EQ("text", s);
  EXPECT_EQ("keep", missing);
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
