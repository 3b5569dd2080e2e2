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
// Constant at compile time, so that the tables derived from it are too.
inline constexpr std::array<std::uint16_t, 201> LunarYearTable = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                                                          // 2100
};

namespace detail {
constexpr std::uint16_t LunarWord(int year) {
  return LunarYearTable[static_cast<std::size_t>(year - kLunarFirstYear)];
}
}  // namespace detail

// year in [1900, 2100]. 0 or the month [1, 12] after which the leap month falls.
constexpr int LunarLeapMonth(int year) {
  const int leap = detail::LunarWord(year) & 0xF;
  return leap == 0xF ? 0 : leap;
}
// 0 without a leap month, else 29 or 30 (read from the next year's word).
constexpr int LunarLeapDays(int year) {
  if (LunarLeapMonth(year) == 0) return 0;
  return (detail::LunarWord(year + 1) & 0xF) == 0xF ? 30 : 29;
}
// 29 or 30.
constexpr int LunarMonthDays(int year, int month) {
  const unsigned mask = month <= 1 ? 0x8000u : (month - 1 >= 16 ? 0u : 0x8000u >> (month - 1));
  return (detail::LunarWord(year) & mask) ? 30 : 29;
}
// 348 + one per big ordinary month + LunarLeapDays(year).
constexpr int LunarYearDays(int year) {
  int days = 348;
  for (unsigned mask = 0x8000; mask > 0x8; mask >>= 1) {
    if (detail::LunarWord(year) & mask) ++days;
  }
  return days + LunarLeapDays(year);
}

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
