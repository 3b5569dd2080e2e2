#pragma once

#include <optional>

#include "core/calendar/sexagenary.h"
#include "core/calendar/solar_terms.h"
#include "core/text/date_text.h"

// The calendar's own pillars: the year and month of a moment from the true
// instants of 立春 and the jie, the day from its place in the cycle of sixty.
// The chart and the almanac both take their pillars from here.
namespace vessa {

// The pillar of a calendar day, counted from the 甲子 day 1900-02-20 (so
// 2000-01-01 is 戊午). Any date of the proleptic Gregorian calendar.
Pillar DayPillarOf(Date day);

// The year and month pillars of a moment with the jie around it: the year turns
// at the instant of 立春 and the month at the instant of its jie, compared to the
// second; month stems follow the year stem (五虎遁). nullopt outside the years of
// the term table (1899-2101).
struct YearMonthPillars {
  Pillar year;
  Pillar month;
  TermInstant lastJie;  // at or before the moment: it opened the month
  TermInstant nextJie;  // after the moment
};
std::optional<YearMonthPillars> YearMonthPillarsAt(DateTime moment);

// The month branch a jie opens: 小寒 丑, 立春 寅, 惊蛰 卯 … 大雪 子.
Branch MonthBranchOfJie(int termIndex);

}  // namespace vessa
