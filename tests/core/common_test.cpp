#include <gtest/gtest.h>

#include "core/text/date_text.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/text/tsv.h"

namespace vessa {
namespace {

TEST(Gbk, CountsAndCutsGbkBytes) {
  EXPECT_EQ(gbk::ByteLength("张三"), 4u);
  EXPECT_EQ(gbk::ByteLength("a张"), 3u);
  EXPECT_EQ(gbk::ByteLength(""), 0u);
  EXPECT_EQ(gbk::Copy("欧阳", 3, 4), "阳");
  EXPECT_EQ(gbk::Copy("欧阳", 1, 2), "欧");
  EXPECT_EQ(gbk::Copy("欧", 3, 4), "");
  EXPECT_EQ(gbk::Copy("a张", 3, 4), "?");  // half a character
  EXPECT_EQ(gbk::ToUtf8(gbk::FromUtf8("称骨，。【】")), "称骨，。【】");
  EXPECT_TRUE(gbk::IsEncodable("金木水火土"));
  EXPECT_FALSE(gbk::IsEncodable("•"));
  EXPECT_EQ(gbk::FromUtf8("a•b"), "a?b");
}

TEST(Text, TrimAndCharacters) {
  EXPECT_EQ(text::Trim("  子 0 \t"), "子 0");
  EXPECT_EQ(text::Trim(""), "");
  EXPECT_EQ(text::CharCount("木火 土"), 4u);
  EXPECT_EQ(text::CharAt("木火   土金", 6), "土");
  EXPECT_EQ(text::CharAt("木火", 3), "");
  EXPECT_EQ(text::Mid("子 23", 2, 10), " 23");
  EXPECT_EQ(text::ReplaceAll("<p>a</p><p>b</p>", "<p>", ""), "a</p>b</p>");
}

TEST(Text, IntegerConversion) {
  EXPECT_EQ(text::ToInt("1980"), 1980);
  EXPECT_EQ(text::ToInt("  -7"), -7);
  EXPECT_EQ(text::ToInt("04"), 4);
  EXPECT_EQ(text::ToInt("999999999999999999"), 999999999999999999);
  for (const char* bad : {"", "12a", "1 ", "-", "九", "99999999999999999999"}) {
    try {
      text::ToInt(bad);
      FAIL() << bad;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(Text, ShortestDecimal) {
  EXPECT_EQ(text::FloatToText(0.7 + 0.9 + 1.6 + 0.8), "4");
  EXPECT_EQ(text::FloatToText(4.5), "4.5");
  EXPECT_EQ(text::FloatToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(text::FloatToText(1.0 / 8), "0.125");
  EXPECT_EQ(text::FloatToText(0), "0");
}

TEST(DateText, ParseAndFormat) {
  EXPECT_EQ(FormatDate(ParseDate("1980-1-1")), "1980-01-01");
  EXPECT_EQ(FormatDate(ParseDate(" 2000-02-29 ")), "2000-02-29");
  for (const char* bad :
       {"2001-2-29", "1990-4-31", "1980-13-1", "1980/1/1", "abc", "", "1980-1-1x"}) {
    try {
      ParseDate(bad);
      FAIL() << bad;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid date");
    }
  }
  auto t = TryParseDateTime("2021-02-03 22:58:48");
  ASSERT_TRUE(t);
  EXPECT_EQ(FormatDateTime(*t), "2021-02-03 22:58:48.000");
  EXPECT_FALSE(TryParseDateTime("2021-02-03 24:00"));
}

TEST(Tsv, EscapesRoundTrip) {
  std::string line = tsv::Line({"a\tb", "c\nd", "e\\f"});
  EXPECT_EQ(line, "a\\tb\tc\\nd\te\\\\f\n");
  auto table = tsv::Parse("x\ty\tz\n" + line);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"a\tb", "c\nd", "e\\f"}));
  EXPECT_THROW(tsv::Parse("x\ty\nonly\n"), std::runtime_error);
}

}  // namespace
}  // namespace vessa
