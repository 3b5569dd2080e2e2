#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "core/bazi/bazi_chart.h"
#include "core/calendar/solar_terms.h"
#include "core/bazi/chart_names.h"
#include "core/bazi/chart_lookups.h"
#include "core/calendar/lunar_calendar.h"
#include "core/text/text.h"
#include "core/numbers/birthday_texts.h"
#include "test_support.h"

namespace vessa {

// Luck spans as a failure message shows them.
void PrintTo(const LuckSpan& s, std::ostream* os) {
  *os << s.years << "年" << s.months << "月" << s.days << "天";
}

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
  EXPECT_EQ(c.luckStart, 9);   // 大雪 1999-12-07 21:47 lies 24 days and 2 hours back
  EXPECT_EQ(c.luckStartText, "9");
  EXPECT_EQ(c.luckPillars, "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯");
  EXPECT_EQ(c.luckNayinLine,
            "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 ");
  EXPECT_EQ(c.luckTenGodLine,
            "十神：偏印   正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   ");
  EXPECT_EQ(c.termShift, 0);
  EXPECT_EQ(c.hiddenIndex, (std::array<int, 4>{3, 0, 6, 0}));
  // Main qi first: 午 holds 丁 before 己.
  EXPECT_EQ(c.hiddenStems, (std::array<std::string, 4>{"乙", "癸", "丁己", "癸"}));
  EXPECT_EQ(c.birthdayText, BirthdayText(1, 1));
  EXPECT_EQ(c.YearPillar().stem.Cycle(), 6);
  EXPECT_EQ(c.MonthPillar().branch.Cycle(), 1);
}

TEST_F(ChartTest, FirstDaysOfFebruary1984) {
  // After the 立春 instant of 1984-02-04 (23:18:54 Beijing time) the new year holds.
  BaziChart after = Compute(1984, 2, 4, 23, 30, "男");
  EXPECT_EQ(Pillars(after), "甲子 丙寅 戊辰 壬子");
  EXPECT_FALSE(after.luckReverse);
  EXPECT_EQ(after.luckStart, 10);  // 惊蛰 1984-03-05 17:24 is 29 days 18 hours ahead
  EXPECT_EQ(after.termShift, 0);

  BaziChart female = Compute(1984, 2, 3, 12, 0, "女");
  EXPECT_EQ(Pillars(female), "癸亥 乙丑 丁卯 丙午");
  EXPECT_FALSE(female.luckReverse);
  EXPECT_EQ(female.luckStart, 1);  // 立春 is a day and 11 hours ahead
}

TEST_F(ChartTest, BeforeTheJieInstantOnItsDay) {
  BaziChart c = Compute(1984, 2, 4, 12, 0, "男");
  EXPECT_EQ(c.termShift, -1);
  EXPECT_EQ(Pillars(c), "癸亥 乙丑 戊辰 戊午");  // previous year, month 丑; the day itself stays
}

// The example of the exact luck start: a woman born 1984-02-04 12:30 runs forward to
// 立春 at 23:18:54 the same day, 10 h 48 min 54 s later.
TEST_F(ChartTest, ExactLuckStart) {
  BaziChart c = Compute(1984, 2, 4, 12, 30, "女");
  EXPECT_FALSE(c.luckReverse);
  EXPECT_EQ(c.luckStart, 1);
  EXPECT_EQ(c.luckStartExact, (LuckSpan{0, 1, 24}));
  EXPECT_EQ(FormatDate(c.luckStartDate), "1984-03-28");
}

// A minute before and a minute after a jie instant: the year changes at 立春 and the
// month at each jie, whatever calendar day they fall on.
TEST(FourPillars, ChangeAtTheJieInstants) {
  struct Case {
    DateTime instant;  // as compiled, checked against published ones elsewhere
    const char* before;
    const char* after;
  } cases[] = {
      // 立春 on 02-05 and on 02-03
      {MakeDateTime(1903, 2, 5, 7, 31, 23), "壬寅 癸丑", "癸卯 甲寅"},
      {MakeDateTime(1908, 2, 5, 12, 47, 25), "丁未 癸丑", "戊申 甲寅"},
      {MakeDateTime(2021, 2, 3, 22, 58, 48), "庚子 己丑", "辛丑 庚寅"},
      {MakeDateTime(2025, 2, 3, 22, 10, 23), "甲辰 丁丑", "乙巳 戊寅"},
      // other jie, the year staying
      {MakeDateTime(1984, 1, 6, 11, 40, 53), "癸亥 甲子", "癸亥 乙丑"},
      {MakeDateTime(2021, 3, 5, 16, 53, 41), "辛丑 庚寅", "辛丑 辛卯"},
      {MakeDateTime(2000, 12, 7, 3, 37, 2), "庚辰 丁亥", "庚辰 戊子"},
      {MakeDateTime(2050, 9, 7, 18, 0, 30), "庚午 甲申", "庚午 乙酉"},
  };
  using std::chrono::minutes;
  for (const auto& c : cases) {
    const DateTime minute = std::chrono::floor<minutes>(c.instant);
    for (auto [moment, want] : {std::pair{minute - minutes{1}, c.before},
                                std::pair{minute + minutes{1}, c.after}}) {
      const auto at = FourPillarsAt(moment);
      ASSERT_TRUE(at.has_value());
      EXPECT_EQ(at->pillars[0].Name() + " " + at->pillars[1].Name(), want)
          << FormatDateTime(moment);
    }
  }
}

// The luck counts the real time to the jie; a jie on the birth day counts on the
// side of the moment where it falls. Jie of 2021: 立春 02-03 22:58:48, 惊蛰 03-05
// 16:53:41, 清明 04-04 21:35:10, 芒种 06-05 18:52:10, 小暑 07-07 05:05:24, 立秋
// 08-07 14:53:50. 2021 is a 辛 (yin) year: men run backwards, women forwards.
TEST_F(ChartTest, LuckStartAroundTheJie) {
  struct Case {
    int month, day, hour;
    const char* sex;
    bool reverse;
    int luckStart;
    LuckSpan exact;
  } cases[] = {
      // the jie on the birth day, after and before the moment
      {3, 5, 18, "男", true, 1, {0, 0, 5}},     // 惊蛰 1 h 6 min back
      {3, 5, 12, "女", false, 1, {0, 0, 24}},   // 惊蛰 4 h 54 min ahead
      {3, 5, 12, "男", true, 10, {9, 10, 5}},   // 立春 29 days 13 hours back
      {3, 5, 18, "女", false, 10, {10, 0, 17}},  // 清明 30 days 4 hours ahead
      // 29 to 32 days: 10, never wrapped round to 1
      {4, 4, 12, "男", true, 10, {9, 11, 5}},     // 惊蛰 29 days 19 hours back
      {6, 6, 12, "女", false, 10, {10, 2, 25}},  // 小暑 30 days 17 hours ahead
      {7, 7, 1, "男", true, 10, {10, 5, 0}},     // 芒种 31 days 6 hours back
      {7, 7, 12, "女", false, 10, {10, 4, 14}},  // 立秋 31 days 3 hours ahead
  };
  for (const auto& k : cases) {
    BaziChart c = Compute(2021, k.month, k.day, k.hour, 0, k.sex);
    const std::string where = std::to_string(k.month) + "-" + std::to_string(k.day) + " " +
                              std::to_string(k.hour) + ":00 " + k.sex;
    EXPECT_EQ(c.luckReverse, k.reverse) << where;
    EXPECT_EQ(c.luckStart, k.luckStart) << where;
    EXPECT_EQ(c.luckStartExact, k.exact) << where;
  }
}

// No pillar, luck start or term depends on a lookup file.
TEST(ChartWithoutLookupFile, PillarsAndLuckAsWithTheFile) {
  test::TempDir empty;
  data::ContentStore without(empty.path()), with(test::BinDir());
  for (auto [y, m, d, h] : {std::tuple{1984, 2, 4, 12}, {2021, 2, 3, 23}, {2000, 1, 1, 0}}) {
    BaziChart a, b;
    ASSERT_EQ(ComputeChart(without, a, y, m, d, h, 0, "男"), "");
    ASSERT_EQ(ComputeChart(with, b, y, m, d, h, 0, "男"), "");
    EXPECT_EQ(a.pillars, b.pillars);
    EXPECT_EQ(a.luckStart, b.luckStart);
    EXPECT_EQ(a.luckStartExact, b.luckStartExact);
    EXPECT_EQ(a.termShift, b.termShift);
    EXPECT_EQ(a.luckPillars, b.luckPillars);
    EXPECT_EQ(a.luckNayinLine, "纳音：          ");  // the lookups yield empty pieces
  }
}

TEST_F(ChartTest, HourAndDay) {
  BaziChart late = Compute(1980, 1, 1, 23, 0, "男");
  EXPECT_EQ(late.DayPillar().stem.Name(), "癸");
  EXPECT_EQ(late.HourPillar().Name(), "壬子");  // built on 癸, not on the next day
  BaziChart c = Compute(2021, 2, 3, 23, 0, "女");
  EXPECT_EQ(c.YearPillar().Name(), "辛丑");  // 立春 came at 22:58:48 that evening
  EXPECT_EQ(c.MonthPillar().branch.Name(), "寅");
  BaziChart jiazi = Compute(1900, 2, 20, 12, 0, "男");
  EXPECT_EQ(jiazi.DayPillar().Name(), "甲子");
  EXPECT_EQ(Compute(2000, 1, 1, 21, 0, "男").HourPillar().branch.Name(), "亥");
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

// The table JQ is written from the instants the program compiled in.
TEST(JieTerms, TheTableHoldsTheCompiledInstants) {
  data::ContentStore store(test::BinDir());
  int rows = 0;
  for (const auto& row :
       store.All(data::DatabaseFile::Tgcode, "select YearA, JQ, SJ from JQ", data::FailurePolicy::Report)) {
    const int y = static_cast<int>(text::ToInt(row.Text("YearA")));
    int n = 0;
    while (SolarTermNames[static_cast<std::size_t>(n)] != row.Text("JQ")) ++n;
    ASSERT_EQ(row.Text("SJ"), FormatDateTimeSeconds(*SolarTermInstant(y, n)));
    if (IsJieIndex(n)) {
      const DateTime instant = *SolarTermInstant(y, n);
      // Midnight of the jie's day lies before its instant, a minute after it does not.
      ASSERT_TRUE(IsBeforeTermInstant(y, DateOf(instant))) << row.Text("SJ");
      ASSERT_FALSE(IsBeforeTermInstant(y, instant + std::chrono::minutes{1})) << row.Text("SJ");
    }
    ++rows;
  }
  EXPECT_EQ(rows, (kTermLastYear - kTermFirstYear + 1) * 24);
}

// With the data shipped, the month pillar of every day at noon is the one of the
// last jie in the table JQ at or before it.
TEST(JieTerms, MonthPillarOfEveryDayAgreesWithTheTable) {
  data::ContentStore store(test::BinDir());
  std::vector<std::pair<DateTime, int>> jie;  // instant, term index
  for (const auto& row : store.All(data::DatabaseFile::Tgcode,
                                   "select JQ, SJ from JQ order by SJ", data::FailurePolicy::Report)) {
    int n = 0;
    while (SolarTermNames[static_cast<std::size_t>(n)] != row.Text("JQ")) ++n;
    if (IsJieIndex(n)) jie.emplace_back(*TryParseDateTime(row.Text("SJ")), n);
  }
  std::size_t k = 0;
  for (Date d = MakeDate(1901, 1, 1); d <= MakeDate(2099, 12, 31); d += std::chrono::days{1}) {
    const DateTime noon = DateTime{d} + std::chrono::hours{12};
    while (k + 1 < jie.size() && jie[k + 1].first <= noon) ++k;
    const auto at = FourPillarsAt(noon);
    ASSERT_TRUE(at.has_value());
    // 小寒 opens 丑, 立春 寅 … 大雪 子.
    ASSERT_EQ(at->pillars[1].branch, Branch::FromIndex(jie[k].second / 2 + 1)) << FormatDate(d);
  }
}

// The compiled instants against the published ones (Beijing time) of the Purple
// Mountain Observatory's tables as newspapers print them.
TEST(JieTerms, PublishedInstants) {
  struct Known {
    int year, n;
    DateTime published;
  } known[] = {
      {2020, 2, MakeDateTime(2020, 2, 4, 17, 3, 12)},   {2021, 2, MakeDateTime(2021, 2, 3, 22, 58, 39)},
      {2022, 2, MakeDateTime(2022, 2, 4, 4, 50, 36)},   {2023, 2, MakeDateTime(2023, 2, 4, 10, 42, 21)},
      {2024, 2, MakeDateTime(2024, 2, 4, 16, 26, 53)},  {2025, 2, MakeDateTime(2025, 2, 3, 22, 10, 13)},
      {2026, 2, MakeDateTime(2026, 2, 4, 4, 1, 51)},    {2027, 2, MakeDateTime(2027, 2, 4, 9, 46, 0)},
      {2028, 2, MakeDateTime(2028, 2, 4, 15, 30, 53)},  {2029, 2, MakeDateTime(2029, 2, 3, 21, 20, 25)},
      {2030, 2, MakeDateTime(2030, 2, 4, 3, 8, 8)},     {2020, 23, MakeDateTime(2020, 12, 21, 18, 2, 12)},
      {2021, 23, MakeDateTime(2021, 12, 21, 23, 59, 9)}, {1984, 2, MakeDateTime(1984, 2, 4, 23, 18, 44)},
  };
  for (const auto& k : known) {
    const auto instant = SolarTermInstant(k.year, k.n);
    ASSERT_TRUE(instant);
    EXPECT_LE(std::abs(std::chrono::duration_cast<std::chrono::seconds>(*instant - k.published).count()),
              60)
        << FormatDateTime(*instant);
  }
  EXPECT_FALSE(SolarTermInstant(kTermFirstYear - 1, 0));
  EXPECT_FALSE(SolarTermInstant(kTermLastYear + 1, 23));
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
