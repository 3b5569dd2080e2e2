#include <gtest/gtest.h>

#include <fstream>

#include "chart_fixtures.h"
#include "core/bazi/spirit_stars.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "test_support.h"

namespace vessa {
namespace {

using test::ChartOf;

// A folder with a "shensha" subfolder holding the given rule files (UTF-8 text
// written as GBK).
class RuleFiles : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& utf8) {
    std::filesystem::create_directories(dir_.path() / "shensha");
    std::ofstream(dir_.path() / "shensha" / name, std::ios::binary) << gbk::FromUtf8(utf8);
  }
  void WriteBytes(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(dir_.path() / "shensha");
    std::ofstream(dir_.path() / "shensha" / name, std::ios::binary) << bytes;
  }
  std::string Stars(const std::string& file, PillarSlot target, const BaziChart& c) {
    return StarsOf(dir_.path(), file, target, c);
  }
  test::TempDir dir_;
};

TEST(StarRuleParsing, NameFieldItemsAndValues) {
  StarRule r = ParseStarRule("某某星  甲乙:子丑,丙:寅卯");
  EXPECT_EQ(r.name, "某某星");
  ASSERT_EQ(r.items.size(), 2u);
  EXPECT_EQ(r.items[0].key, "甲乙");
  EXPECT_EQ(r.items[0].value, "子丑");
  EXPECT_EQ(r.items[1].key, "丙");
  // Values are cut to ten GBK bytes; keys are not.
  r = ParseStarRule("长名星  甲乙丙丁戊己:子丑寅卯辰巳午");
  EXPECT_EQ(r.items[0].key, "甲乙丙丁戊己");
  EXPECT_EQ(r.items[0].value, "子丑寅卯辰");
  // An item without a colon is all value.
  r = ParseStarRule("金神   丙寅丁卯");
  EXPECT_EQ(r.items[0].key, "");
  EXPECT_EQ(r.items[0].value, "丙寅丁卯");
  // Twenty-two items: the last is ignored.
  std::string line = "多项星  ";
  for (int i = 0; i < 22; ++i) {
    if (i) line += ',';
    line += "甲:子";
  }
  EXPECT_EQ(ParseStarRule(line).items.size(), 21u);
  // Blanks around items and empty items.
  r = ParseStarRule("空项星   甲 : 子 ,, ,乙:丑");
  ASSERT_EQ(r.items.size(), 2u);
  EXPECT_EQ(r.items[0].key, "甲 ");
  EXPECT_EQ(r.items[0].value, "子");
}

TEST(RuleFileDecoding, LineEndsAndTheGbkVerdict) {
  const std::string jiaZi = gbk::FromUtf8("甲:子");
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
    bool gbk;
  };
  const Case cases[] = {
      {"", {}, true},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}, true},
      {"a\n", {"a"}, true},  // a final break opens no line
      {"\n", {""}, true},
      {"\r\r\n", {"", ""}, true},
      {"a\n\n", {"a", ""}, true},
      {jiaZi + "\r\n" + jiaZi, {"甲:子", "甲:子"}, true},
      // UTF-8 beyond ASCII: not GBK text, though its lines are still read as GBK.
      {"甲:子", {gbk::ToUtf8("甲:子")}, false},
      {"\xff\n", {"?"}, false},
  };
  for (const Case& c : cases) {
    const RuleFileText text = DecodeRuleFile(c.bytes);
    EXPECT_EQ(text.lines, c.lines) << c.bytes;
    EXPECT_EQ(text.gbk, c.gbk) << c.bytes;
  }
}

TEST_F(RuleFiles, YearBranchComputedStarsNeedANonEmptyFile) {
  BaziChart c = ChartOf("甲子", "甲戌", "丙寅", "丁卯");  // a 子 year
  Write("nianzhi.txt", "");
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Month, c), "");
  Write("nianzhi.txt", "\n");  // one empty line: the file is not empty
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Month, c), "披麻");  // 戌
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Day, c), "吊客");    // 寅
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Hour, c), "丧门");   // 卯
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Year, c), "");
}

TEST_F(RuleFiles, YearBranchLinesByLuckDirection) {
  std::string lines;
  for (int i = 1; i <= 15; ++i)
    lines += "星" + std::to_string(i) + (i < 10 ? "   " : "  ") + " 子:丑\n";
  Write("nianzhi.txt", lines);
  BaziChart forward = ChartOf("甲子", "丙寅", "丙寅", "丁丑", false);
  BaziChart reverse = ChartOf("甲子", "丙寅", "丙寅", "丁丑", true);
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Hour, forward),
            "星1 星2 星3 星5 星6 星7 星8 星9 星10 星11 星12 星13 星14");
  EXPECT_EQ(Stars("nianzhi.txt", PillarSlot::Hour, reverse),
            "星1 星2 星4 星5 星6 星7 星8 星9 星10 星11 星12 星13 星14");
}

TEST_F(RuleFiles, DayBranchReadsSevenLines) {
  std::string lines;
  for (int i = 1; i <= 8; ++i) lines += "日" + std::to_string(i) + "   子:丑\n";
  Write("rizhi.txt", lines);
  EXPECT_EQ(Stars("rizhi.txt", PillarSlot::Hour, ChartOf("甲午", "丙寅", "丙子", "丁丑")),
            "日1 日2 日3 日4 日5 日6 日7");
}

TEST_F(RuleFiles, PillarRulesChangeAtLineSix) {
  Write("rizhu.txt",
        "一号星  乙:\n二号星  甲子:\n三号星  x:\n四号星  x:\n五号星  x:\n六号星  甲子:\n七号星  "
        "子:丙寅\n");
  BaziChart c = ChartOf("甲子", "丙寅", "丙寅", "甲子");
  EXPECT_EQ(Stars("rizhu.txt", PillarSlot::Year, c),
            "二号星 七号星");  // line 6 needs the day pillar in the value
  EXPECT_EQ(Stars("rizhu.txt", PillarSlot::Month, c), "");
}

TEST_F(RuleFiles, DayAndHourRules) {
  Write("rizhus.txt", "时星   丙寅丁卯\n日时星  戊辰:丁卯,己巳:丁卯\n");
  BaziChart c = ChartOf("甲子", "丙寅", "戊辰", "丁卯");
  for (PillarSlot p : {PillarSlot::Year, PillarSlot::Month, PillarSlot::Day, PillarSlot::Hour}) {
    EXPECT_EQ(Stars("rizhus.txt", p, c), "时星 日时星");  // the target plays no part
  }
}

TEST_F(RuleFiles, TwoMatchingItemsListTheStarTwice) {
  Write("niangan.txt", "双星   甲:子,甲乙:子丑\n");
  EXPECT_EQ(Stars("niangan.txt", PillarSlot::Day, ChartOf("甲午", "丙寅", "丙子", "丁丑")),
            "双星 双星");
}

TEST_F(RuleFiles, MonthRulesMatchStemOrBranch) {
  Write("yuezhi.txt", "天德贵人 寅:丁,卯:申\n");
  BaziChart c = ChartOf("甲子", "丙寅", "丁亥", "庚申");
  EXPECT_EQ(Stars("yuezhi.txt", PillarSlot::Day, c), "天德贵人");  // stem 丁
  EXPECT_EQ(Stars("yuezhi.txt", PillarSlot::Hour, c), "");
}

TEST_F(RuleFiles, OddLinesMatchNothing) {
  WriteBytes("niangan.txt", std::string("ab\n\n  \n无冒号  甲子丑\r\n") + "\xff\xfe\x81" + "\n" +
                                gbk::FromUtf8("好星   甲:午") + "\r\n");
  BaziChart c = ChartOf("甲子", "丙寅", "丙子", "丁午");
  EXPECT_EQ(Stars("niangan.txt", PillarSlot::Year, c), "");
  EXPECT_EQ(Stars("niangan.txt", PillarSlot::Hour, c), "好星");
}

TEST_F(RuleFiles, MissingFileStopsTheReading) {
  EXPECT_THROW(Stars("niangan.txt", PillarSlot::Year, ChartOf("甲子", "丙寅", "丙子", "丁丑")),
               SilentAbort);
}

TEST_F(RuleFiles, PillarLineJoinsEveryFileInOrder) {
  for (const char* f : {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt",
                        "rizhu.txt", "rizhus.txt"}) {
    Write(f, "");
  }
  Write("niangan.txt", "甲星   甲:子\n");
  Write("rigan.txt", "丙星   丙:子\n");
  Write("rizhus.txt", "时星   丁丑\n");
  BaziChart c = ChartOf("甲子", "丙寅", "丙子", "丁丑");
  // Empty results in the middle leave their blanks; only the ends are trimmed.
  EXPECT_EQ(PillarStarLine(dir_.path(), c, PillarSlot::Year), "年柱：甲星   丙星   时星");
  EXPECT_EQ(PillarStarLine(dir_.path(), c, PillarSlot::Hour), "时柱：");
}

// The shipped rule files stay inside the reader's limits: nothing is cut or ignored.
TEST(ShippedRuleFiles, NothingIsCutOrIgnored) {
  for (const char* f : {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt",
                        "rizhu.txt", "rizhus.txt"}) {
    const auto lines = ReadRuleFile(test::SourceDir() / "shensha" / f);
    ASSERT_FALSE(lines.empty()) << f;
    if (std::string(f) == "nianzhi.txt") {
      EXPECT_LE(lines.size(), 14u);
    }
    if (std::string(f) == "rizhi.txt") {
      EXPECT_EQ(lines.size(), 7u);
    }
    for (const std::string& line : lines) {
      EXPECT_NE(line.find('?'), 0u) << f;
      const std::string nameField(text::Mid(line, 1, kStarNameWidth));
      EXPECT_LE(text::CharCount(text::Trim(nameField)), kStarNameWidth);
      const std::string rest = text::Trim(text::ReplaceAll(line, nameField, ""));
      std::vector<std::string> raw;
      for (std::size_t b = 0;;) {
        std::size_t comma = rest.find(',', b);
        raw.push_back(
            text::Trim(rest.substr(b, comma == std::string::npos ? std::string::npos : comma - b)));
        if (comma == std::string::npos) break;
        b = comma + 1;
      }
      const StarRule rule = ParseStarRule(line);
      ASSERT_EQ(rule.items.size(), raw.size()) << f << ": " << line;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        std::size_t colon = raw[i].find(':');
        ASSERT_NE(colon, std::string::npos) << f << ": " << raw[i];
        EXPECT_EQ(rule.items[i].key, raw[i].substr(0, colon)) << f;
        EXPECT_EQ(rule.items[i].value, text::Trim(raw[i].substr(colon + 1))) << f << ": " << raw[i];
      }
    }
  }
  // 元辰 lies on lines 3 and 4 of the year-branch file.
  const auto nianzhi = ReadRuleFile(test::SourceDir() / "shensha" / "nianzhi.txt");
  EXPECT_EQ(ParseStarRule(nianzhi[2]).name, "元辰");
  EXPECT_EQ(ParseStarRule(nianzhi[3]).name, "元辰");
}

}  // namespace
}  // namespace vessa
