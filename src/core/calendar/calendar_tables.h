#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

#include "core/calendar/lunar_calendar.h"
#include "core/text/date_text.h"

// The perpetual calendar's two compact tables, one entry per solar year (or
// month) 1901-2100. Both are derived, never typed: the lunar records from
// LunarYearTable at compile time, so that the calendar and the readings name
// every day alike; the term bytes from the true term instants of solar_terms.h.
namespace vessa {

inline constexpr int kCalendarFirstYear = 1901;
inline constexpr int kCalendarLastYear = 2100;
inline constexpr std::size_t kCalendarYears = kCalendarLastYear - kCalendarFirstYear + 1;

// The lunar months that touch one solar year, starting with the month in
// progress on 1 January.
//   byte 0, bit 7:     set: that month is the 12th; clear: the 11th
//   byte 0, bits 6..0: its day [1, 30] on 1 January
//   bytes 1 and 2:     a 16-bit mask, byte 1 high; bit 15 - i set: month i of the
//                      sequence has 30 days, clear: 29 (i = 0 is the month in
//                      progress on 1 January)
//   byte 3:            0, or m: the month that follows month m in the sequence
//                      is a leap month
// A leap month in progress on 1 January is the one that was in progress on
// 31 December of the year before.
using CalendarLunarRecord = std::array<std::uint8_t, 4>;

namespace detail {

struct LunarMonthSpan {
  int number = 0;  // [1, 12]
  bool leap = false;
  int days = 0;  // 29 or 30
  Date first;
};

// Every lunar month of the lunar years 1900-2100 in order, as LunarYearTable
// gives them.
inline constexpr std::size_t kLunarMonthCount = [] {
  std::size_t n = 0;
  for (int y = kLunarFirstYear; y <= kLunarLastYear; ++y) n += LunarLeapMonth(y) ? 13 : 12;
  return n;
}();

constexpr std::array<LunarMonthSpan, kLunarMonthCount> LunarMonthSpans() {
  std::array<LunarMonthSpan, kLunarMonthCount> months{};
  std::size_t n = 0;
  Date first = std::chrono::sys_days{std::chrono::year{1900} / std::chrono::January / 31};
  const auto add = [&](int number, bool leap, int days) {
    months[n++] = {number, leap, days, first};
    first += std::chrono::days{days};
  };
  for (int y = kLunarFirstYear; y <= kLunarLastYear; ++y) {
    for (int m = 1; m <= 12; ++m) {
      add(m, false, LunarMonthDays(y, m));
      if (m == LunarLeapMonth(y)) add(m, true, LunarLeapDays(y));
    }
  }
  return months;
}

// Reports a record the layout cannot hold by failing the build.
inline void RecordDoesNotFit() {}

constexpr std::array<CalendarLunarRecord, kCalendarYears> MakeCalendarLunarTable() {
  using namespace std::chrono;
  const auto months = LunarMonthSpans();
  std::array<CalendarLunarRecord, kCalendarYears> table{};
  std::size_t j = 0;  // the month in progress on 1 January of y
  for (int y = kCalendarFirstYear; y <= kCalendarLastYear; ++y) {
    const Date january1 = sys_days{year{y} / January / 1};
    const Date nextJanuary1 = sys_days{year{y + 1} / January / 1};
    while (j + 1 < months.size() && months[j + 1].first <= january1) ++j;
    const LunarMonthSpan& current = months[j];
    const int day = static_cast<int>((january1 - current.first).count()) + 1;
    if (current.number < 11 || day > current.days) RecordDoesNotFit();

    std::uint16_t mask = 0;
    int leapAfter = 0;
    for (std::size_t i = 0; i < 16 && j + i < months.size(); ++i) {
      const LunarMonthSpan& m = months[j + i];
      if (m.days == 30) mask = static_cast<std::uint16_t>(mask | (0x8000u >> i));
      if (i > 0 && m.leap && m.first < nextJanuary1) leapAfter = months[j + i - 1].number;
    }
    // The numbers the layout gives the months that touch the year must be theirs:
    // the leap month must follow the first month of its number in the sequence.
    int number = current.number;
    for (std::size_t i = 1; j + i < months.size() && months[j + i].first < nextJanuary1; ++i) {
      const bool leap = number > 0 && number == leapAfter;
      number = leap ? -number : (number < 0 ? -number : number) % 12 + 1;
      const LunarMonthSpan& m = months[j + i];
      if (m.leap != leap || m.number != (number < 0 ? -number : number)) RecordDoesNotFit();
    }

    table[static_cast<std::size_t>(y - kCalendarFirstYear)] = {
        static_cast<std::uint8_t>((current.number == 12 ? 0x80 : 0) | day),
        static_cast<std::uint8_t>(mask >> 8), static_cast<std::uint8_t>(mask & 0xFF),
        static_cast<std::uint8_t>(leapAfter)};
  }
  return table;
}

}  // namespace detail

// Record (Y - 1901) describes solar year Y.
inline constexpr std::array<CalendarLunarRecord, kCalendarYears> CalendarLunarTable =
    detail::MakeCalendarLunarTable();

// One byte per solar month of 1901-2100, at (Y - 1901) * 12 + (M - 1): the high
// nibble h puts the month's first term (小寒 in January, 立春 in February, …) on
// day 15 - h, the low nibble l its second term (大寒, 雨水, …) on day 15 + l, as
// calendar days in Beijing time.
inline constexpr std::size_t kCalendarTermBytes = kCalendarYears * 12;
const std::array<std::uint8_t, kCalendarTermBytes>& CalendarTermTable();

}  // namespace vessa
