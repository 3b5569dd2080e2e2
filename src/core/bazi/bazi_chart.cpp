#include "core/bazi/bazi_chart.h"

#include <algorithm>

#include "core/bazi/chart_lookups.h"
#include "core/bazi/chart_names.h"
#include "core/calendar/lunar_calendar.h"
#include "core/calendar/pillars.h"
#include "core/calendar/solar_terms.h"
#include "core/numbers/birthday_texts.h"

namespace vessa {

using namespace std::chrono;

namespace {

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Only February and the 30-day months are checked; other months pass as they are.
bool PassesDateCheck(int y, int m, int d) {
  if (m == 2) return d <= (IsLeapYear(y) ? 29 : 28);
  if (m == 4 || m == 6 || m == 9 || m == 11) return d <= 30;
  return true;
}

// Real time to the jie as time of luck: three days make a year, one day four
// months, one hour five days, one minute two hours; a year of 360 days, a month
// of 30. So one day of luck is 720 seconds of real time.
LuckSpan LuckSpanOf(std::chrono::seconds toJie) {
  const long long luckDays = toJie.count() / 720;
  return {static_cast<int>(luckDays / 360), static_cast<int>(luckDays % 360 / 30),
          static_cast<int>(luckDays % 30)};
}

// The birth date moved on by a span of luck: years and months on the calendar
// (a day beyond the month's end falls back to its last day), then the days.
Date AddSpan(Date birth, const LuckSpan& span) {
  year_month_day ymd{birth};
  ymd += years{span.years};
  ymd += months{span.months};
  if (!ymd.ok()) ymd = ymd.year() / ymd.month() / last;
  return sys_days{ymd} + days{span.days};
}

}  // namespace

bool IsJieTerm(std::string_view name) {
  static constexpr std::string_view kJie[] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                              "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};
  for (auto j : kJie) {
    if (name == j) return true;
  }
  return false;
}

std::optional<ChartMoment> FourPillarsAt(DateTime moment) {
  const std::optional<YearMonthPillars> yearMonth = YearMonthPillarsAt(moment);
  if (!yearMonth.has_value()) return std::nullopt;
  const Pillar dayPillar = DayPillarOf(DateOf(moment));

  // 23:00 is 子 but keeps the calendar day's pillar (one of the schools' rules).
  const int H = static_cast<int>(duration_cast<hours>(moment - floor<days>(moment)).count());
  const Branch hourBranch = Branch::FromCycle((H + 3) / 2);
  const int ds = dayPillar.stem.Cycle();
  const Stem hourStem =
      Stem::FromCycle(hourBranch.Cycle() != 0 ? 2 * ds + hourBranch.Cycle() + 8 : 2 * ds);

  return ChartMoment{{yearMonth->year, yearMonth->month, dayPillar, Pillar{hourStem, hourBranch}},
                     yearMonth->lastJie,
                     yearMonth->nextJie};
}

bool IsBeforeTermInstant(int year, DateTime moment) {
  for (int n = 0; n < 24; n += 2) {
    const auto instant = SolarTermInstant(year, n);
    if (instant && DateOf(*instant) == DateOf(moment)) return moment < *instant;
  }
  return false;
}

std::string ComputeChart(const data::ContentStore& store, BaziChart& chart, int Y, int Mo, int D,
                         int H, int Mi, std::string_view sex) {
  chart.year = Y;
  chart.month = Mo;
  chart.day = D;
  chart.hour = H;
  if (!PassesDateCheck(Y, Mo, D)) return std::string(kDateCheckMessage);

  const year_month_day ymd{year{Y}, month{static_cast<unsigned>(Mo)},
                           day{static_cast<unsigned>(D)}};
  if (!ymd.ok()) return std::string(kDateCheckMessage);
  const DateTime moment = DateTime{sys_days{ymd}} + hours{H} + minutes{Mi};
  const std::optional<ChartMoment> at = FourPillarsAt(moment);
  if (!at.has_value()) return std::string(kDateCheckMessage);

  BaziChart c = chart;  // filled whole, then stored
  c.pillars = at->pillars;
  const TermInstant& lastJie = at->lastJie;
  const TermInstant& nextJie = at->nextJie;
  // Born on a jie day before the jie's instant: the day still belongs to the month before.
  c.termShift = DateOf(nextJie.instant) == DateOf(moment) ? -1 : 0;
  const Pillar& monthPillar = c.MonthPillar();
  const Pillar& yearPillar = c.YearPillar();
  const Pillar& dayPillar = c.DayPillar();
  c.fetalOrigin = Pillar{monthPillar.stem.Next(1), monthPillar.branch.Next(3)}.Name() + " ";

  const bool male = sex == "男";
  c.luckReverse = male ? yearPillar.stem.IsYin() : !yearPillar.stem.IsYin();

  // The luck starts after the time to the next jie (forward) or from the last one
  // (reverse), three days to a year; S is that rounded up and held to 1-10 so the
  // rows of the luck keep their layout.
  const DateTime jie = c.luckReverse ? lastJie.instant : nextJie.instant;
  const auto toJie = std::chrono::abs(std::chrono::duration_cast<seconds>(jie - moment));
  constexpr long long kSecondsPerLuckYear = 3 * 86400;
  const long long wholeYears = (toJie.count() + kSecondsPerLuckYear - 1) / kSecondsPerLuckYear;
  c.luckStart = static_cast<int>(std::clamp(wholeYears, 1LL, 10LL));
  c.luckStartText = std::to_string(c.luckStart);
  c.luckStartExact = LuckSpanOf(toJie);
  c.luckStartDate = AddSpan(sys_days{ymd}, c.luckStartExact);

  for (std::size_t p = 0; p < 4; ++p) {
    c.hiddenIndex[p] = c.pillars[p].branch.Index();
    c.hiddenStems[p] = HiddenStemTable[static_cast<std::size_t>(c.hiddenIndex[p])];
  }

  c.luckPillars.clear();
  c.luckNayinLine = "纳音：";
  c.luckTenGodLine = "十神：";
  const std::string dayStem(dayPillar.stem.Name());
  for (int k = 0; k < 10; ++k) {
    // The first luck pillar is the month pillar; the rest move with the luck.
    const Pillar luck = c.MonthPillar().Next(c.luckReverse ? -k : k);
    c.luckPillars += luck.Name() + "   ";
    c.luckNayinLine += NayinOf(store, luck.Name()) + " ";
    c.luckTenGodLine += TenGodOf(store, dayStem, luck.stem.Name()) + "   ";
  }
  c.luckPillars.resize(c.luckPillars.size() - 3);

  c.birthdayText = BirthdayText(Mo, D);
  chart = std::move(c);
  return {};
}

}  // namespace vessa
