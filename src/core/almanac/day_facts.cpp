#include "core/almanac/day_facts.h"

#include "core/calendar/lunar_calendar.h"
#include "core/calendar/pillars.h"
#include "core/calendar/solar_terms.h"

namespace vessa::almanac {

using namespace std::chrono;

namespace {

// The term index [0, 23] whose instant falls on the day, or -1.
int TermOfDay(Date day) {
  const year_month_day ymd{day};
  const int y = static_cast<int>(ymd.year());
  const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
  // Terms 2m - 2 and 2m - 1 fall in Gregorian month m.
  for (int n : {2 * m - 2, 2 * m - 1}) {
    const auto instant = SolarTermInstant(y, n);
    if (instant && DateOf(*instant) == day) return n;
  }
  return -1;
}

int DaysBetween(Date from, Date to) { return static_cast<int>((to - from).count()); }

// Days from the day to the next day of 立春 立夏 立秋 立冬 (index 2, 8, 14, 20)
// strictly after it; -1 past the table.
int DaysToSeasonStart(Date day) {
  const int y = static_cast<int>(year_month_day{day}.year());
  for (int year : {y, y + 1}) {
    for (int n : {2, 8, 14, 20}) {
      const auto instant = SolarTermInstant(year, n);
      if (instant && DateOf(*instant) > day) return DaysBetween(day, DateOf(*instant));
    }
  }
  return -1;
}

}  // namespace

std::optional<DayFacts> AlmanacFactsOf(Date day) {
  if (day < kFirstAlmanacDay || day > kLastAlmanacDay) return std::nullopt;
  // The whole day of a term belongs to it: the pillars of the day's last moment.
  const DateTime lastMoment = DateTime{day + days{1}} - milliseconds{1};
  const std::optional<YearMonthPillars> pillars = YearMonthPillarsAt(lastMoment);
  const LunarDate lunar = SolarToLunar(day);
  if (!pillars.has_value() || lunar.IsZero()) return std::nullopt;

  DayFacts f{pillars->year, pillars->month, DayPillarOf(day), lunar.month, lunar.day, lunar.leap};
  const int tomorrow = TermOfDay(day + days{1});
  if (tomorrow == 2 || tomorrow == 8 || tomorrow == 14 || tomorrow == 20) {
    f.termEve = TermEve::kSeasonStart;
  } else if (tomorrow == 5 || tomorrow == 11 || tomorrow == 17 || tomorrow == 23) {
    f.termEve = TermEve::kSolsticeEquinox;
  }
  f.termOfDay = TermOfDay(day);
  const TermInstant& jie = pillars->lastJie;
  const Date jieDay = DateOf(jie.instant);
  f.daysSinceJie = DaysBetween(jieDay, day);
  // The qi after the month's jie, if its day has come, is the latest term.
  const auto qi = SolarTermInstant(jie.year, jie.index + 1);
  f.lastTerm = qi && DateOf(*qi) <= day ? jie.index + 1 : jie.index;
  const std::optional<YearMonthPillars> before =
      YearMonthPillarsAt(DateTime{jieDay} - milliseconds{1});
  if (before.has_value())
    f.daysSincePreviousJie = DaysBetween(DateOf(before->lastJie.instant), day);
  f.daysToSeasonStart = DaysToSeasonStart(day);
  const int monthDays =
      lunar.leap ? LunarLeapDays(lunar.year) : LunarMonthDays(lunar.year, lunar.month);
  f.lastLunarDay = lunar.day == monthDays;
  return f;
}

std::optional<Entry> AlmanacEntryOf(Date day) {
  const std::optional<DayFacts> facts = AlmanacFactsOf(day);
  if (!facts.has_value()) return std::nullopt;
  return ComposeEntry(*facts);
}

}  // namespace vessa::almanac
