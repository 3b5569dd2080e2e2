// The attribute lines and luck rows of a chart.
#include <gtest/gtest.h>

#include "core/bazi/chart_attributes.h"
#include "core/bazi/luck_cycles.h"
#include "chart_fixtures.h"
#include "test_support.h"

namespace vessa {
namespace {

using test::ChartOf;

class AttributeLines : public ::testing::Test {
 protected:
  data::ContentStore store_{test::BinDir()};
};

TEST_F(AttributeLines, TenGodsPillarsAndNayin) {
  BaziChart c = ChartOf("己卯", "丙子", "戊午", "壬子");
  EXPECT_EQ(TenGodLine(store_, c), "十神：劫财   偏印   日元   偏财");
  EXPECT_EQ(PillarLine(c), "八字：己卯   丙子   戊午   壬子");
  EXPECT_EQ(NayinLine(store_, c), "纳音：城头土 涧下水 天上火 桑柘木");
}

TEST_F(AttributeLines, HiddenStemColumns) {
  // 子 and 酉 hold one stem, 午 and 亥 two, 丑 three, main qi first (丑 己癸辛, 午 丁己).
  BaziChart c = ChartOf("辛丑", "庚子", "甲午", "乙亥");
  auto lines = HiddenStemLines(store_, c);
  EXPECT_EQ(lines[0], "遁藏：己正财 癸正印 丁伤官 壬偏印");
  EXPECT_EQ(lines[1], "      癸正印        己正财 甲比肩 ");
  EXPECT_EQ(lines[2], "      辛正官 " + std::string(21, ' '));
}

TEST_F(AttributeLines, MonthColumnFollowsTheMonthBranch) {
  // Day 甲子 in a 寅 month: the month column opens with 甲 and the ten god of 「甲甲」.
  auto lines = HiddenStemLines(store_, ChartOf("甲子", "丙寅", "甲子", "甲子"));
  EXPECT_EQ(lines[0], "遁藏：癸正印 甲比肩 癸正印 癸正印");
  EXPECT_EQ(lines[1], "             丙食神 " + std::string(14, ' '));
}

TEST_F(AttributeLines, BornBeforeTheJieOpensTheMonth) {
  // 2 March 2021 lies before 惊蛰: its month pillar, and so its hidden stems, are 寅's.
  BaziChart c;
  ASSERT_EQ(ComputeChart(store_, c, 2021, 3, 2, 12, 0, "男"), "");
  EXPECT_EQ(c.MonthPillar().branch.Name(), "寅");
  EXPECT_EQ(HiddenStemLines(store_, c)[0].find("遁藏：") == 0, true);
  EXPECT_EQ(c.hiddenStems[1], "甲丙戊");
}

TEST_F(AttributeLines, ElementsAndTheirCount) {
  BaziChart c = ChartOf("甲午", "丁未", "庚子", "壬子");
  auto e = ElementLine(store_, c);
  EXPECT_EQ(e.elementText, "木火   火土   金水   水水");
  EXPECT_EQ(e.line, "五行：木火   火土   金水   水水");
  EXPECT_EQ(ElementCountText(e.elementText),
            "金:占1个 0.125, 木:占1个 0.125, 水:占3个 0.375, 火:占2个 0.25, 土:占1个 0.125.");
}

TEST(ElementCount, Shares) {
  EXPECT_EQ(ElementCountText("木火   土金   水水   木火"),
            "金:占1个 0.125, 木:占2个 0.25, 水:占2个 0.25, 火:占2个 0.25, 土:占1个 0.125.");
  EXPECT_EQ(ElementCountText("金金   金金   金金   金金"),
            "金:占8个 1, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0.");
  // An empty piece moves the rest: the fixed positions then read blanks and neighbours.
  EXPECT_EQ(ElementCountText("木   土金   水水   木火"),
            "金:占1个 0.125, 木:占1个 0.125, 水:占1个 0.125, 火:占1个 0.125, 土:占0个 0.");
  EXPECT_EQ(ElementCountText(""), "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0.");
}

TEST(AttributeLinesWithoutTgcode, LabelsStemsAndBlanksStay) {
  test::TempDir empty;
  data::ContentStore store(empty.path());
  BaziChart c = ChartOf("己卯", "丙子", "戊午", "壬子");
  EXPECT_EQ(TenGodLine(store, c), "十神：      日元   ");
  EXPECT_EQ(HiddenStemLines(store, c)[0], "遁藏：乙 癸 丁 癸");
  auto e = ElementLine(store, c);
  EXPECT_EQ(e.line, "五行：         ");
  EXPECT_EQ(NayinLine(store, c), "纳音：   ");
  EXPECT_EQ(ElementCountText(e.elementText),
            "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0.");
}

TEST(LuckRows, AgeHeaderByLuckStart) {
  BaziChart one = ChartOf("庚申", "戊子", "甲子", "甲子", false, 1);
  auto rows = LuckAgeRows(one, 1980);
  EXPECT_EQ(rows[0], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(rows[1], "始于：1980   1981   1991   2001   2011   2021   2031   2041   2051   2061");
  BaziChart two = ChartOf("庚申", "戊子", "甲子", "甲子", false, 2);
  EXPECT_EQ(LuckAgeRows(two, 1980)[0],
            "      1-1岁   2岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
  EXPECT_EQ(LuckStartLine(two), "起运：2岁");
}

TEST(LuckRows, AnnualColumnsByLuckStart) {
  auto one = AnnualLuckRows(ChartOf("庚申", "戊子", "甲子", "甲子", false, 1), 1980);
  ASSERT_EQ(one.size(), 10u);
  EXPECT_EQ(one[0], "流年：庚申   辛酉   辛未   辛巳   辛卯   辛丑   辛亥   辛酉   辛未   辛巳");
  EXPECT_EQ(one[1], "             壬戌   壬申   壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午");
  for (std::size_t i = 1; i < 10; ++i) EXPECT_EQ(one[i].substr(0, 13), std::string(13, ' ')) << i;
  auto ten = AnnualLuckRows(ChartOf("庚申", "戊子", "甲子", "甲子", false, 10), 1980);
  EXPECT_EQ(ten[0].substr(0, 9), "流年：");
  for (std::size_t i = 1; i < 10; ++i) EXPECT_EQ(ten[i].substr(0, 6), std::string(6, ' ')) << i;
  EXPECT_EQ(ten[9], "      己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑   己亥");
}

TEST(LuckRows, MinorLuckRunsWithTheLuck) {
  // A reverse chart with the hour pillar 甲子 and luck start 3.
  auto rows = MinorLuckRows(ChartOf("乙丑", "戊寅", "丙子", "甲子", true, 3), 1985);
  ASSERT_EQ(rows.size(), 20u);
  // Column 1 is S = 3 pairs before 甲子; each column steps ten pairs further back.
  EXPECT_EQ(rows[0], "小运：甲子   辛酉   辛亥   辛丑   辛卯   辛巳   辛未   辛酉   辛亥   辛丑");
  EXPECT_EQ(rows[1], "      00岁   03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
  EXPECT_EQ(rows[2], "      癸亥   庚申   庚戌   庚子   庚寅   庚辰   庚午   庚申   庚戌   庚子");
  EXPECT_EQ(rows[4], "      壬戌   己未   己酉   己亥   己丑   己卯   己巳   己未   己酉   己亥");
  // Rows from S on have no column 0; column 1 goes on from 壬戌 (n = 2) to 戊午 (n = 6)
  // through 辛酉, 庚申, 己未 (n = 3, 4, 5): consecutive years, no jump.
  EXPECT_EQ(rows[6], "             戊午   戊申   戊戌   戊子   戊寅   戊辰   戊午   戊申   戊戌");
  EXPECT_EQ(rows[7], "             06岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁");
  EXPECT_EQ(MinorLuckPillar(ChartOf("乙丑", "戊寅", "丙子", "甲子", false, 3), 1), "乙丑");
}

TEST(LuckRows, YearMonthTable) {
  auto rows = YearMonthRows(3, 1980);
  ASSERT_EQ(rows.size(), 93u);
  EXPECT_EQ(rows[0], "1980(庚申)：戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌 丁亥 戊子 己丑");
  EXPECT_EQ(rows[1], "1981(辛酉)：庚寅 辛卯 壬辰 癸巳 甲午 乙未 丙申 丁酉 戊戌 己亥 庚子 辛丑");
  EXPECT_EQ(rows.back().substr(0, 4), "2072");
  EXPECT_EQ(YearMonthRows(1, 1901).size(), 91u);
  EXPECT_EQ(YearMonthRows(10, 1901).size(), 100u);
  EXPECT_EQ(YearMonthRows(1, 1901)[0],
            "1901(辛丑)：庚寅 辛卯 壬辰 癸巳 甲午 乙未 丙申 丁酉 戊戌 己亥 庚子 辛丑");
  EXPECT_EQ(YearMonthHeader(),
            "流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 腊月");
}

TEST(LuckRows, FetalOriginAndAges) {
  data::ContentStore store(test::BinDir());
  EXPECT_EQ(FetalOriginLine(store, ChartOf("己卯", "丙子", "戊午", "壬子")), "胎元：丁卯(炉中火)");
  test::TempDir empty;
  EXPECT_EQ(
      FetalOriginLine(data::ContentStore(empty.path()), ChartOf("己卯", "丙子", "戊午", "壬子")),
      "胎元：丁卯()");
  EXPECT_EQ(AgeText(1980, 1980), "00岁");
  EXPECT_EQ(AgeText(1989, 1980), "09岁");
  EXPECT_EQ(AgeText(2080, 1980), "100岁");
  EXPECT_EQ(YearGanZhi(1984), "甲子");
  EXPECT_EQ(YearGanZhi(2020), "庚子");
}

}  // namespace
}  // namespace vessa
