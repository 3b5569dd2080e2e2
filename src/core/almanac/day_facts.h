#pragma once

#include <optional>

#include "core/almanac/almanac_rules.h"
#include "core/text/date_text.h"

// The calendar facts of one day as the almanac reads them, from the core's own
// calendar: the day pillar, the lunar date, and the year and month pillars with
// the whole day of 立春 or of a jie belonging to the new year or month (the term's
// day is the Beijing date of its compiled instant, the same instants the chart uses).
namespace vessa::almanac {

// The days the almanac covers, both included (73,049 days).
inline constexpr Date kFirstAlmanacDay = std::chrono::sys_days{std::chrono::year{1901} / 1 / 1};
inline constexpr Date kLastAlmanacDay = std::chrono::sys_days{std::chrono::year{2100} / 12 / 31};

// nullopt outside [kFirstAlmanacDay, kLastAlmanacDay].
std::optional<DayFacts> AlmanacFactsOf(Date day);

// The whole entry of a day of the covered range; nullopt outside it.
std::optional<Entry> AlmanacEntryOf(Date day);

}  // namespace vessa::almanac
