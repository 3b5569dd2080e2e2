#include <gtest/gtest.h>

#include "core/calendar/lunar_calendar.h"
#include "core/calendar/solar_terms.h"
#include "core/text/date_text.h"
#include "core/text/text.h"
#include "core/text/tsv.h"
#include "test_support.h"

namespace vessa {
namespace {

using namespace std::chrono;

// Plain transcriptions of the conversion loops, one year and one month at a time.
// The library's conversions use running sums and must agree with these everywhere.
LunarDate ReferenceSolarToLunar(Date date) {
  const Date first = sys_days{1900y / January / 31};
  if (date < first || date >= sys_days{2101y / January / 1}) return {};
  int offset = static_cast<int>((date - first).count());
  int year = 1900, d = 0;
  while (offset > 0) {
    d = LunarYearDays(year);
    ++year;
    offset -= d;
  }
  if (offset < 0) {
    offset += d;
    --year;
  }
  int leap = LunarLeapMonth(year);
  bool is_leap = false;
  int i = 0;
  while (offset >= 0) {
    ++i;
    d = LunarMonthDays(year, i);
    offset -= d;
    if (offset >= 0 && i == leap) {
      d = LunarLeapDays(year);
      offset -= d;
      if (offset < 0) is_leap = true;
    }
  }
  if (offset < 0) offset += d;
  return {year, i, offset + 1, is_leap};
}

Date ReferenceLunarToSolar(const LunarDate& l) {
  if (!IsValidLunarDate(l)) return kNoSolarDate;
  int days = 0;
  int lp = LunarLeapMonth(l.year);
  bool toggle = false;
  int i = 1;
  while (i < l.month) {
    if (i == lp) {
      if (!toggle) {
        days += LunarMonthDays(l.year, i);
        toggle = true;
        continue;
      }
      days += LunarLeapDays(l.year);
      toggle = false;
    } else {
      days += LunarMonthDays(l.year, i);
    }
    ++i;
  }
  days += l.day - 1;
  if (l.month == lp && l.leap) days += LunarMonthDays(l.year, l.month);
  if (l.year > 2000) {
    for (int y = 2000; y < l.year; ++y) days += LunarYearDays(y);
  } else if (l.year < 2000) {
    for (int y = l.year; y < 2000; ++y) days -= LunarYearDays(y);
  }
  return sys_days{2000y / February / 5} + std::chrono::days{days};
}

Date D(int y, unsigned m, unsigned d) { return MakeDate(y, m, d); }

TEST(LunarCalendar, EveryDayOfTheRangeConvertsLikeTheReferenceLoops) {
  // From two days before the range to one day after it.
  for (Date d = D(1900, 1, 29); d <= D(2101, 1, 1); d += days{1}) {
    ASSERT_EQ(SolarToLunar(d), ReferenceSolarToLunar(d)) << FormatDate(d);
  }
}

TEST(LunarCalendar, RoundTripFromLunar1901ToLunar2099) {
  const Date first = LunarToSolar({1901, 1, 1, false});
  const Date last = LunarToSolar({2099, 12, LunarMonthDays(2099, 12), false});
  ASSERT_EQ(first, D(1901, 2, 19));
  ASSERT_EQ(last, D(2100, 2, 8));
  for (Date d = first; d <= last; d += days{1}) {
    ASSERT_EQ(LunarToSolar(SolarToLunar(d)), d) << FormatDate(d);
  }
}

TEST(LunarCalendar, EveryLunarTripleConvertsLikeTheReferenceLoops) {
  for (int y = 1899; y <= 2101; ++y) {
    for (int m = -1; m <= 13; ++m) {
      for (int d = -1; d <= 31; ++d) {
        for (bool leap : {false, true}) {
          LunarDate l{y, m, d, leap};
          ASSERT_EQ(LunarToSolar(l), ReferenceLunarToSolar(l))
              << y << "-" << m << "-" << d << " " << leap;
        }
      }
    }
  }
}

struct SolarCase {
  Date solar;
  LunarDate lunar;
};

TEST(LunarCalendar, KnownConversions) {
  const SolarCase cases[] = {
      {D(1900, 1, 30), {}},
      {D(1900, 1, 31), {1900, 1, 1, false}},
      {D(2100, 12, 31), {2100, 12, 1, false}},
      {D(2101, 1, 1), {}},
      {D(2000, 2, 4), {1999, 12, 29, false}},
      {D(2000, 2, 5), {2000, 1, 1, false}},
      {D(1984, 2, 2), {1984, 1, 1, false}},
      {D(2020, 5, 23), {2020, 4, 1, true}},
      {D(2020, 4, 23), {2020, 4, 1, false}},
      {D(2023, 3, 22), {2023, 2, 1, true}},
      {D(1980, 1, 1), {1979, 11, 14, false}},
  };
  for (const auto& c : cases) EXPECT_EQ(SolarToLunar(c.solar), c.lunar) << FormatDate(c.solar);
}

TEST(LunarCalendar, TimeOfDayIsDropped) {
  EXPECT_EQ(SolarToLunar(MakeDateTime(2000, 2, 4, 23, 59, 59)), (LunarDate{1999, 12, 29, false}));
}

TEST(LunarCalendar, LunarToSolarSentinelsAndLimits) {
  EXPECT_EQ(LunarToSolar({2099, 12, 30, false}), D(2100, 2, 8));
  EXPECT_EQ(LunarToSolar({1900, 1, 1, false}), kNoSolarDate);  // 1900 converts one way only
  EXPECT_EQ(LunarToSolar({2100, 1, 1, false}), kNoSolarDate);
  EXPECT_EQ(LunarToSolar({2020, 5, 1, true}), kNoSolarDate);   // 2020 leaps after month 4
  EXPECT_EQ(LunarToSolar({2020, 4, 30, true}), kNoSolarDate);  // its leap month has 29 days
  EXPECT_EQ(LunarToSolar({2020, 4, 1, true}), D(2020, 5, 23));
  EXPECT_EQ(LunarToSolar({2021, 1, 30, false}), kNoSolarDate);    // a small month
  EXPECT_EQ(LunarToSolar({2021, 2, 30, false}), D(2021, 4, 11));  // a big one
  EXPECT_EQ(LunarToSolar({2020, 13, 1, false}), kNoSolarDate);
  EXPECT_EQ(LunarToSolar({2020, 1, 31, false}), kNoSolarDate);
  // Zeros name no day: once they counted back from the first (1980-1-0 gave the
  // eve of 春节 1980, which fell on 02-16).
  EXPECT_EQ(LunarToSolar({1980, 1, 1, false}), D(1980, 2, 16));
  EXPECT_EQ(LunarToSolar({1980, 1, 0, false}), kNoSolarDate);
  EXPECT_EQ(LunarToSolar({1980, 0, 1, false}), kNoSolarDate);
  EXPECT_EQ(LunarToSolar({1980, 0, 0, false}), kNoSolarDate);
}

TEST(LunarCalendar, TableReadings) {
  EXPECT_EQ(LunarLeapMonth(1900), 8);
  EXPECT_EQ(LunarLeapDays(1900), 29);
  EXPECT_EQ(LunarLeapMonth(1906), 4);
  EXPECT_EQ(LunarLeapDays(1906), 30);  // marked by the F of 1907
  EXPECT_EQ(LunarLeapMonth(1907), 0);
  EXPECT_EQ(LunarLeapMonth(2020), 4);
  EXPECT_EQ(LunarLeapDays(2020), 29);
  EXPECT_EQ(LunarLeapDays(2021), 0);
  EXPECT_EQ(LunarMonthDays(2020, 1), 29);  // 0x7954: month 1 small
  EXPECT_EQ(LunarMonthDays(2020, 2), 30);
  EXPECT_EQ(LunarYearDays(2020), 384);
  EXPECT_EQ(LunarYearDays(2021), 354);
}

TEST(SolarTerms, TermOfDate) {
  EXPECT_EQ(SolarTermOfDate(D(2021, 2, 3)), "立春");
  EXPECT_EQ(SolarTermOfDate(D(2021, 2, 4)), "");
  EXPECT_EQ(SolarTermOfDate(D(2020, 12, 21)), "冬至");
  EXPECT_EQ(SolarTermOfDate(DateTime{D(2021, 2, 3)}), "立春");
  EXPECT_EQ(SolarTermOfDate(MakeDateTime(2021, 2, 3, 12)), "");  // carries a time of day
  EXPECT_EQ(SolarTermOfDate(D(1999, 12, 7)), "大雪");
}

TEST(LunarNames, YearMonthDay) {
  EXPECT_EQ(GanZhiYearName(0), "甲子(鼠年)");
  EXPECT_EQ(GanZhiYearName(136), "庚辰(龙年)");
  EXPECT_EQ(GanZhiYearName(1979 - 1864), "己未(羊年)");
  EXPECT_EQ(GanZhiYearName(-1), "");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(1, false), "一月");
  EXPECT_EQ(LunarMonthName(11, false), "十一月");
  EXPECT_EQ(LunarMonthName(12, false), "十二月");
  EXPECT_EQ(LunarMonthName(0, false), "月");
  EXPECT_EQ(LunarMonthName(13, true), "闰月");
  const std::pair<int, const char*> days[] = {
      {0, ""},      {1, "初一"},  {10, "初十"}, {11, "十一"}, {19, "十九"},
      {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {31, ""}};
  for (auto [d, name] : days) EXPECT_EQ(LunarDayName(d), name) << d;
  EXPECT_EQ(LunarDateText({1999, 12, 29, false}), "己卯(兔年)十二月廿九");
  EXPECT_EQ(LunarDateText({2020, 4, 1, true}), "庚子(鼠年)闰四月初一");
}

}  // namespace
}  // namespace vessa

namespace vessa {

// Lunar dates as a failure message shows them.
void PrintTo(const LunarDate& d, std::ostream* os) {
  *os << d.year << "-" << d.month << "-" << d.day << (d.leap ? " leap" : "");
}

namespace {

// The first day of every lunar month, as the sky gives it (tools/gen_lunar_facts.cpp,
// committed with its sources in its header): every day of the range must convert
// to the month these facts give it, so a wrong bit of the table cannot hide.
struct MonthFact {
  Date first;
  LunarDate month;  // day 1
};

std::vector<MonthFact> MonthFacts() {
  const tsv::Table table =
      tsv::ReadFile((test::SourceDir() / "tests" / "fixtures" / "lunar_months.tsv").string());
  std::vector<MonthFact> facts;
  for (const auto& row : table.rows) {
    facts.push_back({ParseDate(row[0]),
                     {static_cast<std::int32_t>(text::ToInt(row[1])),
                      static_cast<std::int32_t>(text::ToInt(row[2])), 1, row[3] == "1"}});
  }
  return facts;
}

TEST(LunarCalendar, EveryDayAgreesWithTheMonthsOfTheSky) {
  const auto facts = MonthFacts();
  ASSERT_EQ(facts.front().first, MakeDate(1900, 1, 31));
  ASSERT_GT(facts.size(), 2480u);
  std::size_t checked = 0;
  for (std::size_t i = 0; i < facts.size(); ++i) {
    const Date end = i + 1 < facts.size() ? facts[i + 1].first : MakeDate(2101, 1, 1);
    const auto length = (end - facts[i].first).count();
    if (i + 1 < facts.size()) {
      ASSERT_TRUE(length == 29 || length == 30) << FormatDate(facts[i].first);
    }
    for (Date d = facts[i].first; d < end; d += std::chrono::days{1}) {
      LunarDate want = facts[i].month;
      want.day = static_cast<std::int32_t>((d - facts[i].first).count()) + 1;
      ASSERT_EQ(SolarToLunar(d), want) << FormatDate(d);
      if (want.year >= 1901 && want.year <= 2099) {
        ASSERT_EQ(LunarToSolar(want), d) << FormatDate(d);
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 73384u);  // every day from 1900-01-31 to 2100-12-31
}

}  // namespace
}  // namespace vessa
