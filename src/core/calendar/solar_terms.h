#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/date_text.h"

// The true instants of the 24 solar terms, compiled into the program from our
// ephemeris (tools/gen_terms.cpp) for the solar years 1899-2101: Beijing
// wall-clock time, to the second. The chart, the term days of the calendar and
// the almanac all read them from here, never from a lookup file.
namespace vessa {

inline constexpr int kTermFirstYear = 1899;
inline constexpr int kTermLastYear = 2101;

// The term index [0, 23] of the twelve jie (节) that open the months: 小寒,
// 立春, 惊蛰, 清明, 立夏, 芒种, 小暑, 立秋, 白露, 寒露, 立冬, 大雪 are the even indices.
constexpr bool IsJieIndex(int n) { return n % 2 == 0; }

// 小寒 大寒 立春 雨水 惊蛰 春分 清明 谷雨 立夏 小满 芒种 夏至 小暑 大暑 立秋 处暑 白露 秋分
// 寒露 霜降 立冬 小雪 大雪 冬至: term index 0-23; terms 2k and 2k + 1 fall in month k + 1.
extern const std::array<std::string_view, 24> SolarTermNames;

// The instant of term n [0, 23] of a solar year in [1899, 2101]; nullopt outside.
std::optional<DateTime> SolarTermInstant(int year, int n);

// The name of the term whose instant falls on the date (Beijing time), or "". A
// date-time that carries a time of day never matches.
std::string SolarTermOfDate(Date date);
std::string SolarTermOfDate(DateTime date);

// A term instant and which term it is.
struct TermInstant {
  int year = 0;  // the solar year of the term's table row
  int index = 0;  // [0, 23], 小寒 first
  DateTime instant;
};

// The last jie instant at or before the moment, and the first one after it;
// nullopt when the moment lies outside the years of the table.
std::optional<TermInstant> JieAtOrBefore(DateTime moment);
std::optional<TermInstant> JieAfter(DateTime moment);

}  // namespace vessa
