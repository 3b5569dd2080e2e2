#include "core/calendar/calendar_names.h"

#include "core/calendar/calendar_tables.h"
#include "core/calendar/sexagenary.h"
#include "core/calendar/solar_terms.h"

namespace vessa {

using namespace std::chrono;

namespace {

int YearOf(Date date) { return static_cast<int>(year_month_day{date}.year()); }

bool InCalendarRange(int y) { return y >= kCalendarFirstYear && y <= kCalendarLastYear; }

int Abs(int n) { return n < 0 ? -n : n; }

}  // namespace

std::optional<CalendarLunarDay> CalendarLunarOf(Date date) {
  const year_month_day ymd{date};
  const int y = static_cast<int>(ymd.year());
  if (!InCalendarRange(y)) return std::nullopt;
  const CalendarLunarRecord& record =
      CalendarLunarTable[static_cast<std::size_t>(y - kCalendarFirstYear)];
  const unsigned mask = static_cast<unsigned>(record[1]) << 8 | record[2];
  const int leapAfter = record[3];

  // The months of the sequence: their numbers (a leap month negative) and lengths.
  std::array<int, 16> number{}, length{};
  number[0] = (record[0] & 0x80) ? 12 : 11;
  for (std::size_t i = 0; i < number.size(); ++i) {
    length[i] = (mask & (0x8000u >> i)) ? 30 : 29;
    if (i + 1 < number.size()) {
      number[i + 1] = number[i] == leapAfter ? -number[i] : Abs(number[i]) % 12 + 1;
    }
  }

  const int k = static_cast<int>((date - sys_days{ymd.year() / January / 1}).count());  // [0, 365]
  const int firstDay = record[0] & 0x7F;                                                // [1, 30]
  if (k <= length[0] - firstDay) {
    // Still the month of 1 January; it is a leap month if it was one on 31 December.
    const bool leap =
        y > kCalendarFirstYear && CalendarLunarOf(sys_days{year{y - 1} / December / 31})->leap;
    return CalendarLunarDay{number[0], firstDay + k, leap};
  }
  int before = length[0] - firstDay;  // days of the year before month i began, less one
  std::size_t i = 1;
  while (k > before + length[i]) before += length[i++];
  return CalendarLunarDay{Abs(number[i]), k - before, number[i] < 0};
}

std::string CalendarMonthName(Date date) {
  const auto lunar = CalendarLunarOf(date);
  if (!lunar) return {};
  const std::string name(CalendarMonthNames[static_cast<std::size_t>(lunar->month)]);
  return lunar->leap ? "闰" + name : name + "月";
}

std::string CalendarDayName(Date date) {
  const auto lunar = CalendarLunarOf(date);
  if (!lunar) return {};
  return std::string(CalendarDayNames[static_cast<std::size_t>(lunar->day)]);
}

std::string LunarFestivalOf(Date date) {
  struct Festival {
    int day;
    std::string_view month;
    std::string_view name;
  };
  static constexpr Festival kFestivals[] = {
      {1, "正月", "春节"},   {5, "五月", "端午节"},  {7, "七月", "七夕节"},  {8, "腊月", "腊八节"},
      {9, "九月", "重阳节"}, {15, "八月", "中秋节"}, {15, "正月", "元宵节"},
  };
  const auto lunar = CalendarLunarOf(date);
  if (!lunar) return {};
  // A leap month's name lacks "月", so it matches none of these.
  const std::string month = CalendarMonthName(date);
  for (const Festival& f : kFestivals) {
    if (lunar->day == f.day && month == f.month) return std::string(f.name);
  }
  // The eve: the last day before 正月, whether 腊月 has 29 days or 30.
  if (month != "正月" && CalendarMonthName(date + days{1}) == "正月") return "除夕";
  return {};
}

std::string SolarFestivalOf(Date date, int day) {
  const year_month_day ymd{date};
  const year_month_day target{ymd.year(), ymd.month(),
                              std::chrono::day{static_cast<unsigned>(day)}};
  if (day < 1 || !target.ok()) return {};
  const unsigned weekday = std::chrono::weekday{sys_days{target}}.c_encoding();  // Sunday 0
  const int week = (day - 1) / 7;  // [0, 4]: days 1-7 are week 0
  constexpr unsigned kSunday = 0, kThursday = 4;
  switch (static_cast<unsigned>(ymd.month())) {
    case 1:
      if (day == 1) return "元旦节";
      break;
    case 2:
      if (day == 14) return "情人节";
      break;
    case 3:
      if (day == 8) return "妇女节";
      break;
    case 4:
      if (day == 1) return "愚人节";
      break;
    case 5:
      if (day == 1) return "劳动节";
      if (day == 4) return "青年节";
      if (weekday == kSunday && week == 1) return "母亲节";
      break;
    case 6:
      if (day == 1) return "儿童节";
      if (weekday == kSunday && week == 2) return "父亲节";
      break;
    case 7:
      if (day == 1) return "建党节";
      break;
    case 8:
      if (day == 1) return "建军节";
      break;
    case 9:
      if (day == 10) return "教师节";
      break;
    case 10:
      if (day == 1) return "国庆节";
      if (day == 6) return "老人节";
      if (day == 31) return "万圣节";
      break;
    case 11:
      if (day == 8) return "记者日";
      if (weekday == kThursday && week == 3) return "感恩节";
      break;
    case 12:
      if (day == 25) return "圣诞节";
      break;
  }
  return {};
}

std::string CalendarTermOf(Date date) {
  const year_month_day ymd{date};
  const int y = static_cast<int>(ymd.year());
  if (!InCalendarRange(y)) return {};
  const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));  // [1, 12]
  const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
  const std::uint8_t days =
      CalendarTermTable()[static_cast<std::size_t>((y - kCalendarFirstYear) * 12 + m - 1)];
  const int first = 15 - (days >> 4), second = 15 + (days & 0xF);
  if (d >= 15 && d == second)
    return std::string(SolarTermNames[static_cast<std::size_t>(2 * m - 1)]);
  if (d <= 14 && d == first)
    return std::string(SolarTermNames[static_cast<std::size_t>(2 * m - 2)]);
  return {};
}

std::string ZodiacYearOf(Date date) {
  int i = FloorMod(YearOf(date) - 1972, 12);
  const unsigned month = static_cast<unsigned>(year_month_day{date}.month());
  if (month <= 3) {
    const std::string name = CalendarMonthName(date);
    if (name.find("冬") != std::string::npos || name.find("腊") != std::string::npos) {
      i = FloorMod(i - 1, 12);  // the lunar year has not turned yet
    }
  }
  return std::string(ZodiacYearNames[static_cast<std::size_t>(i)]);
}

std::string CalendarConstellationOf(Date date) {
  struct Sign {
    unsigned from;  // month * 100 + day of its first day
    std::string_view name;
  };
  static constexpr Sign kSigns[] = {
      {120, "水瓶座"}, {219, "双鱼座"},  {321, "白羊座"},  {420, "金牛座"},
      {521, "双子座"}, {622, "巨蟹座"},  {723, "狮子座"},  {823, "处女座"},
      {923, "天秤座"}, {1024, "天蝎座"}, {1122, "射手座"}, {1222, "摩羯座"},
  };
  const year_month_day ymd{date};
  const unsigned monthDay =
      static_cast<unsigned>(ymd.month()) * 100 + static_cast<unsigned>(ymd.day());
  std::string_view name = "摩羯座";  // from 22 December to 19 January
  for (const Sign& sign : kSigns) {
    if (monthDay >= sign.from) name = sign.name;
  }
  return std::string(name);
}

}  // namespace vessa
