#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "core/bazi/bazi_chart.h"
#include "core/bazi/chart_names.h"
#include "core/bazi/chart_lookups.h"
#include "core/calendar/lunar_calendar.h"
#include "core/text/text.h"
#include "core/numbers/birthday_texts.h"
#include "test_support.h"

namespace vessa {
namespace {

std::string Pillars(const BaziChart& c) {
  return c.YearPillar().Name() + " " + c.MonthPillar().Name() + " " + c.DayPillar().Name() + " " +
         c.HourPillar().Name();
}

class ChartTest : public ::testing::Test {
 protected:
  BaziChart Compute(int y, int mo, int d, int h, int mi, const char* sex) {
    BaziChart c;
    EXPECT_EQ(ComputeChart(store_, c, y, mo, d, h, mi, sex), "");
    return c;
  }
  data::ContentStore store_{test::BinDir()};
};

TEST_F(ChartTest, MidnightOfTheMillennium) {
  BaziChart c = Compute(2000, 1, 1, 0, 0, "男");
  EXPECT_EQ(Pillars(c), "己卯 丙子 戊午 壬子");
  EXPECT_EQ(c.fetalOrigin, "丁卯 ");
  EXPECT_TRUE(c.luckReverse);  // a yin year stem for a man
  EXPECT_EQ(c.luckStart, 9);   // 大雪 1999-12-07 lies 25 days back
  EXPECT_EQ(c.luckStartText, "9");
  EXPECT_EQ(c.luckPillars, "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯");
  EXPECT_EQ(c.luckNayinLine,
            "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 ");
  EXPECT_EQ(c.luckTenGodLine,
            "十神：偏印   正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   ");
  EXPECT_EQ(c.termShift, 0);
  EXPECT_EQ(c.hiddenIndex, (std::array<int, 4>{3, 0, 6, 0}));
  EXPECT_EQ(c.hiddenStems, (std::array<std::string, 4>{"乙", "癸", "己丁", "癸"}));
  EXPECT_EQ(c.birthdayText, BirthdayText(1, 1));
  EXPECT_EQ(c.YearPillar().stem.Cycle(), 6);
  EXPECT_EQ(c.MonthPillar().branch.Cycle(), 1);
}

TEST_F(ChartTest, FirstDaysOfFebruary1984) {
  // After the 立春 instant of 1984-02-04 (23:18 Beijing time) the new year holds.
  BaziChart after = Compute(1984, 2, 4, 23, 30, "男");
  EXPECT_EQ(Pillars(after), "甲子 丙寅 戊辰 壬子");
  EXPECT_FALSE(after.luckReverse);
  EXPECT_EQ(after.luckStart, 10);  // 惊蛰 1984-03-05 is 30 days ahead
  EXPECT_EQ(after.termShift, 0);

  BaziChart female = Compute(1984, 2, 3, 12, 0, "女");
  EXPECT_EQ(Pillars(female), "癸亥 乙丑 丁卯 丙午");  // date code 203 keeps the old year
  EXPECT_FALSE(female.luckReverse);
  EXPECT_EQ(female.luckStart, 1);  // 立春 on 1984-02-04 is one day ahead
}

TEST_F(ChartTest, BeforeTheJieInstantOnItsDayCountsAsTheDayBefore) {
  BaziChart c = Compute(1984, 2, 4, 12, 0, "男");
  EXPECT_EQ(c.termShift, -1);
  EXPECT_EQ(Pillars(c), "癸亥 乙丑 戊辰 戊午");  // previous year, month 丑; the day itself stays
}

TEST(ChartWithoutJieTable, FixedBoundariesAlone) {
  // With no Tgcode.dll the term-day refinement is silently skipped.
  test::TempDir empty;
  data::ContentStore store(empty.path());
  BaziChart c;
  ASSERT_EQ(ComputeChart(store, c, 1984, 2, 4, 12, 0, "男"), "");
  EXPECT_EQ(Pillars(c), "甲子 丙寅 戊辰 戊午");
  EXPECT_FALSE(c.luckReverse);
  EXPECT_EQ(c.luckStart, 10);
  EXPECT_EQ(c.termShift, 0);
  EXPECT_EQ(c.luckNayinLine, "纳音：          ");  // the lookups yield empty pieces
}

TEST_F(ChartTest, HourAndFixedBoundaries) {
  BaziChart late = Compute(1980, 1, 1, 23, 0, "男");
  EXPECT_EQ(late.DayPillar().stem.Name(), "癸");
  EXPECT_EQ(late.HourPillar().Name(), "壬子");  // built on 癸, not on the next day
  BaziChart c = Compute(2021, 2, 3, 23, 0, "女");
  EXPECT_EQ(c.YearPillar().Name(), "庚子");  // the fixed boundary is 02-04
  EXPECT_EQ(c.MonthPillar().branch.Name(), "丑");
  BaziChart jiazi = Compute(1900, 2, 20, 12, 0, "男");
  EXPECT_EQ(jiazi.DayPillar().Name(), "甲子");
  EXPECT_EQ(Compute(2000, 1, 1, 21, 0, "男").HourPillar().branch.Name(), "亥");
}

TEST_F(ChartTest, AJieOnTheBirthDayIsSkipped) {
  // Jie days of 2021 (mean formula): 立春 02-03, 惊蛰 03-05, 清明 04-04, 芒种 06-05, 小暑 07-07,
  // 立秋 08-07.
  struct Case {
    int month, day;
    const char* sex;
    bool reverse;
    int luckStart;
  } cases[] = {
      {3, 5, "男", true, 10},   // 辛 is yin: back 30 days to 立春
      {3, 5, "女", false, 10},  // forward 30 days to 清明
      {7, 7, "男", true, 1},    // back 32 days to 芒种: ⌈32/3⌉ = 11 becomes 1
      {7, 7, "女", false, 1},   // forward 31 days to 立秋
  };
  for (const auto& k : cases) {
    BaziChart c = Compute(2021, k.month, k.day, 12, 0, k.sex);
    EXPECT_EQ(c.luckReverse, k.reverse) << k.month << "-" << k.day << k.sex;
    EXPECT_EQ(c.luckStart, k.luckStart) << k.month << "-" << k.day << k.sex;
  }
}

TEST_F(ChartTest, DateCheck) {
  BaziChart c = Compute(2000, 1, 1, 0, 0, "男");
  const BaziChart before = c;
  for (auto [y, m, d] : {std::tuple{2001, 2, 29},
                         {2000, 2, 30},
                         {2021, 4, 31},
                         {2021, 6, 31},
                         {2021, 9, 31},
                         {2021, 11, 31},
                         {1900, 2, 29}}) {
    EXPECT_EQ(ComputeChart(store_, c, y, m, d, 10, 0, "男"), "请检查输入数据是否出错！")
        << y << m << d;
    EXPECT_EQ(c.DayPillar(), before.DayPillar());  // the previous chart stays
    EXPECT_EQ(c.luckPillars, before.luckPillars);
  }
  EXPECT_EQ(c.year, 1900);  // only the moment itself was stored
  EXPECT_EQ(ComputeChart(store_, c, 2000, 2, 29, 10, 0, "男"), "");
  EXPECT_EQ(ComputeChart(store_, c, 2021, 1, 31, 10, 0, "男"), "");
  EXPECT_EQ(ComputeChart(store_, c, 2021, 12, 31, 10, 0, "男"), "");
}

TEST(JieTerms, Names) {
  for (const char* jie : {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露",
                          "立冬", "大雪", "小寒"}) {
    EXPECT_TRUE(IsJieTerm(jie)) << jie;
  }
  for (const char* other : {"雨水", "冬至", "大寒", "", " 立春", "立春 "})
    EXPECT_FALSE(IsJieTerm(other)) << other;
}

TEST(JieTerms, EveryYearHasItsTwelveInstants) {
  data::ContentStore store(test::BinDir());
  for (int y = 1901; y <= 2099; ++y) {
    auto rows = store.All(data::DatabaseFile::Tgcode,
                          "select JQ, SJ from JQ where YearA = " + std::to_string(y),
                          data::FailurePolicy::Report);
    ASSERT_EQ(rows.size(), 12u) << y;
    for (const auto& row : rows) {
      auto instant = TryParseDateTime(row.Text("SJ"));
      ASSERT_TRUE(instant) << row.Text("SJ");
      // Midnight of the term's day lies before its instant, a minute after it does not.
      ASSERT_TRUE(IsBeforeTermInstant(store, y, DateOf(*instant))) << row.Text("SJ");
      ASSERT_FALSE(IsBeforeTermInstant(store, y, *instant + std::chrono::minutes{1}))
          << row.Text("SJ");
      // The astronomical day never strays more than a day from the mean-year formula.
      int n = 0;
      while (SolarTermNames[static_cast<std::size_t>(n)] != row.Text("JQ")) ++n;
      auto drift = (DateOf(*instant) - DateOf(SolarTermInstant(y, n))).count();
      ASSERT_LE(std::abs(drift), 1) << row.Text("SJ");
    }
  }
}

TEST(JieTerms, PublishedInstants) {
  data::ContentStore store(test::BinDir());
  struct Known {
    int year;
    const char* name;
    DateTime published;
  } known[] = {{1984, "立春", MakeDateTime(1984, 2, 4, 23, 18, 44)},
               {2021, "立春", MakeDateTime(2021, 2, 3, 22, 58, 48)}};
  for (const auto& k : known) {
    auto row = store.First(
        data::DatabaseFile::Tgcode,
        "select SJ from JQ where YearA = " + std::to_string(k.year) + " and JQ = '" + k.name + "'",
        data::FailurePolicy::Report);
    ASSERT_TRUE(row);
    auto instant = TryParseDateTime(row->Text("SJ"));
    ASSERT_TRUE(instant);
    EXPECT_LE(
        std::abs(std::chrono::duration_cast<std::chrono::seconds>(*instant - k.published).count()),
        120)
        << row->Text("SJ");
  }
}

TEST(ChartLookups, ShippedTablesAreComplete) {
  data::ContentStore store(test::BinDir());
  const std::set<std::string> tenGods(TenGodNames.begin(), TenGodNames.end());
  for (auto d : kStemNames) {
    for (auto s : kStemNames) EXPECT_TRUE(tenGods.count(TenGodOf(store, d, s))) << d << s;
  }
  EXPECT_EQ(TenGodOf(store, "甲", "甲"), "比肩");
  EXPECT_EQ(TenGodOf(store, "甲", "庚"), "七杀");
  EXPECT_EQ(TenGodOf(store, "甲", "癸"), "正印");
  EXPECT_EQ(TenGodOf(store, "戊", "壬"), "偏财");
  EXPECT_EQ(TenGodOf(store, "辛", "丙"), "正官");
  for (int i = 0; i < 60; ++i) {
    const std::string pair = std::string(kStemNames[static_cast<std::size_t>(i % 10)]) +
                             std::string(kBranchNames[static_cast<std::size_t>(i % 12)]);
    EXPECT_EQ(text::CharCount(NayinOf(store, pair)), 3u) << pair;
  }
  EXPECT_EQ(NayinOf(store, "甲子"), "海中金");
  EXPECT_EQ(NayinOf(store, "癸亥"), "大海水");
  EXPECT_EQ(NayinOf(store, "戊午"), "天上火");
  const std::map<std::string, std::string> elements = {
      {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"}, {"己", "土"},
      {"庚", "金"}, {"辛", "金"}, {"壬", "水"}, {"癸", "水"}, {"子", "水"}, {"丑", "土"},
      {"寅", "木"}, {"卯", "木"}, {"辰", "土"}, {"巳", "火"}, {"午", "火"}, {"未", "土"},
      {"申", "金"}, {"酉", "金"}, {"戌", "土"}, {"亥", "水"}};
  for (const auto& [ch, element] : elements) EXPECT_EQ(ElementOf(store, ch), element) << ch;
}

TEST(ChartLookups, KeysThatAreNotStemsOrBranches) {
  data::ContentStore store(test::BinDir());
  EXPECT_EQ(TenGodOf(store, "甲", " "), "");
  EXPECT_EQ(NayinOf(store, "甲丑"), "");  // not a pair of the cycle
  EXPECT_EQ(ElementOf(store, "%"), "");
  EXPECT_EQ(ElementOf(store, "_"), "");
  EXPECT_EQ(NayinOf(store, "'"), "");  // the inline key is raw: the statement fails and yields ""
}

TEST(ChartLookups, MissingFileYieldsEmptyTexts) {
  test::TempDir empty;
  data::ContentStore store(empty.path());
  EXPECT_EQ(TenGodOf(store, "甲", "甲"), "");
  EXPECT_EQ(NayinOf(store, "甲子"), "");
  EXPECT_EQ(ElementOf(store, "甲"), "");
}

}  // namespace
}  // namespace vessa
