#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/date_text.h"

// The Chinese lunar calendar of the lunar years 1900-2100. Pure functions over
// constant tables; out-of-range input yields the sentinel results documented on
// each function. The solar terms are in solar_terms.h.
namespace vessa {

struct LunarDate {
  std::int32_t year = 0;   // the Gregorian year in which its first month begins
  std::int32_t month = 0;  // [1, 12]; a leap month carries the number of the month it follows
  std::int32_t day = 0;    // [1, 30]
  bool leap = false;       // the day lies in the leap month

  bool IsZero() const { return year == 0 && month == 0 && day == 0 && !leap; }
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

inline constexpr int kLunarFirstYear = 1900;
inline constexpr int kLunarLastYear = 2100;

// One 16-bit word per lunar year 1900-2100 (index year - 1900). Bits 15..4: months
// 1..12, set = 30 days. Bits 3..0: the month after which the leap month falls
// (0 none); 0xF marks "no leap month, and last year's leap month has 30 days".
extern const std::array<std::uint16_t, 201> LunarYearTable;

// year in [1900, 2100]. 0 or the month [1, 12] after which the leap month falls.
int LunarLeapMonth(int year);
// 0 without a leap month, else 29 or 30 (read from the next year's word).
int LunarLeapDays(int year);
// 29 or 30.
int LunarMonthDays(int year, int month);
// 348 + one per big ordinary month + LunarLeapDays(year).
int LunarYearDays(int year);

// The zero LunarDate outside 1900-01-31 ... 2100-12-31. The time of day is dropped.
LunarDate SolarToLunar(Date date);
LunarDate SolarToLunar(DateTime moment);
// Lunar years 1901-2099 only.
bool IsValidLunarDate(const LunarDate& d);
// 0001-01-01 when the lunar date is not valid.
Date LunarToSolar(const LunarDate& d);
inline constexpr Date kNoSolarDate = Date{std::chrono::year{1} / 1 / 1};

// n >= 0 is the position in the sexagenary cycle (lunar year - 1864): "甲子(鼠年)".
// A negative n yields "".
std::string GanZhiYearName(int n);
// "四月", "闰四月", "十二月"; any month outside [1, 12] gives "月" (or "闰月").
std::string LunarMonthName(int month, bool leap);
// "初一" ... "三十"; "" outside [1, 30].
std::string LunarDayName(int day);

// The lunar date text of the readings: GanZhiYearName + month name + day name.
std::string LunarDateText(const LunarDate& d);

}  // namespace vessa
