#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/date_text.h"

// What the perpetual calendar says of one solar day of 1901-2100: the lunar
// month and day with their traditional names (正月 … 冬月 腊月), the lunar and
// solar festivals, the solar term, the zodiac year and the constellation. Read
// from the tables of calendar_tables.h. Outside 1901-2100 every lunar answer is
// none or empty; the solar festivals and the constellation still apply.
namespace vessa {

// Months 1 to 12 at indices 1 to 12 (index 0 is empty).
inline constexpr std::array<std::string_view, 13> CalendarMonthNames = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};

// Days 1 to 30 at indices 1 to 30 (index 0 is empty).
inline constexpr std::array<std::string_view, 31> CalendarDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// The year's branch and its animal, 子鼠 first; 1972 is a 子鼠 year.
inline constexpr std::array<std::string_view, 12> ZodiacYearNames = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

struct CalendarLunarDay {
  int month = 0;  // [1, 12]; a leap month carries the number of the month it follows
  int day = 0;    // [1, 30]
  bool leap = false;
  friend bool operator==(const CalendarLunarDay&, const CalendarLunarDay&) = default;
};

// The lunar month, day and leap flag of a solar date; none outside 1901-2100.
std::optional<CalendarLunarDay> CalendarLunarOf(Date date);

// "正月" … "腊月" for an ordinary month; "闰" + the month's name without "月" for a
// leap month ("闰四", "闰冬"); "" outside the range.
std::string CalendarMonthName(Date date);
// "初一" … "三十"; "" outside the range.
std::string CalendarDayName(Date date);

// 春节 (正月初一), 元宵节 (正月十五), 端午节 (五月初五), 七夕节 (七月初七), 中秋节
// (八月十五), 重阳节 (九月初九), 腊八节 (腊月初八), and 除夕 on the last day before
// 正月 (the 29th or the 30th of 腊月); "" on other days. A leap month has none.
std::string LunarFestivalOf(Date date);

// The solar festival of day `day` [1, 31] of the month of `date`, or "": fixed
// days (元旦节 1-1 … 圣诞节 12-25), and 母亲节 on the second Sunday of May, 父亲节
// on the third Sunday of June, 感恩节 on the fourth Thursday of November.
std::string SolarFestivalOf(Date date, int day);

// The solar term whose calendar day (Beijing time) the date is, or "".
std::string CalendarTermOf(Date date);

// The zodiac year of the date: the solar year's, except on the days of January
// to March that still lie in the 冬月 or 腊月 of the lunar year before.
std::string ZodiacYearOf(Date date);

// The constellation by month and day: 摩羯座 12-22 … 1-19, 水瓶座 1-20 … 2-18,
// 双鱼座 2-19 … 3-20, 白羊座 3-21 … 4-19, 金牛座 4-20 … 5-20, 双子座 5-21 … 6-21,
// 巨蟹座 6-22 … 7-22, 狮子座 7-23 … 8-22, 处女座 8-23 … 9-22, 天秤座 9-23 … 10-23,
// 天蝎座 10-24 … 11-21, 射手座 11-22 … 12-21. The birth panel's own ranges
// (ConstellationOfDate) differ on 20 April and 23 October.
std::string CalendarConstellationOf(Date date);

}  // namespace vessa
