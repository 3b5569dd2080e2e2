#include "core/calendar/lunar_calendar.h"

#include "core/calendar/sexagenary.h"

namespace vessa {

using namespace std::chrono;

namespace {

constexpr std::array<std::string_view, 11> kNumerals = {"日", "一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九", "十"};

constexpr Date kFirstLunarDay = sys_days{1900y / January / 31};  // lunar 1900-1-1
constexpr Date kAnchor2000 = sys_days{2000y / February / 5};     // lunar 2000-1-1
constexpr Date kEndOfRange = sys_days{2101y / January / 1};      // first day outside

// Days from the first day of lunar 1900 to the first day of each lunar year
// 1900..2101, and the same sums seen from lunar 2000. Both are plain running sums
// of LunarYearDays, so the conversions below give exactly what walking the years
// one by one gives.
struct YearStarts {
  std::array<int, 202> from1900{};
  YearStarts() {
    for (int y = 1900; y <= 2100; ++y) {
      from1900[static_cast<std::size_t>(y - 1899)] =
          from1900[static_cast<std::size_t>(y - 1900)] + LunarYearDays(y);
    }
  }
  int Start(int year) const { return from1900[static_cast<std::size_t>(year - 1900)]; }
};

const YearStarts& Starts() {
  static const YearStarts starts;
  return starts;
}

}  // namespace

LunarDate SolarToLunar(Date date) {
  if (date < kFirstLunarDay || date >= kEndOfRange) return {};
  const YearStarts& starts = Starts();
  int offset = static_cast<int>((date - kFirstLunarDay).count());
  // The last lunar year whose first day is not after the date.
  int lo = 1900, hi = 2100;
  while (lo < hi) {
    int mid = (lo + hi + 1) / 2;
    if (starts.Start(mid) <= offset) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  int year = lo;
  offset -= starts.Start(year);
  int leap = LunarLeapMonth(year);
  for (int month = 1;; ++month) {
    int d = LunarMonthDays(year, month);
    if (offset < d) return {year, month, offset + 1, false};
    offset -= d;
    if (month == leap) {
      d = LunarLeapDays(year);
      if (offset < d) return {year, month, offset + 1, true};
      offset -= d;
    }
  }
}

LunarDate SolarToLunar(DateTime moment) { return SolarToLunar(DateOf(moment)); }

bool IsValidLunarDate(const LunarDate& d) {
  if (d.year > 2099 || d.year < 1901 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 30)
    return false;
  if (d.leap) return LunarLeapMonth(d.year) == d.month && LunarLeapDays(d.year) >= d.day;
  return LunarMonthDays(d.year, d.month) >= d.day;
}

Date LunarToSolar(const LunarDate& d) {
  if (!IsValidLunarDate(d)) return kNoSolarDate;
  int days = 0;
  int lp = LunarLeapMonth(d.year);
  for (int i = 1; i < d.month; ++i) {
    days += LunarMonthDays(d.year, i);
    if (i == lp) days += LunarLeapDays(d.year);
  }
  days += d.day - 1;
  if (d.month == lp && d.leap) days += LunarMonthDays(d.year, d.month);
  const YearStarts& starts = Starts();
  days += starts.Start(d.year) - starts.Start(2000);
  return kAnchor2000 + std::chrono::days{days};
}

std::string GanZhiYearName(int n) {
  if (n < 0) return {};
  const Pillar year = Pillar::FromIndex(n);
  return year.Name() + "(" + std::string(year.branch.Zodiac()) + "年)";
}

std::string LunarMonthName(int month, bool leap) {
  std::string s = leap ? "闰" : "";
  if (month >= 1 && month <= 10) {
    s += kNumerals[static_cast<std::size_t>(month)];
  } else if (month == 11) {
    s += "十一";
  } else if (month == 12) {
    s += "十二";
  }
  return s + "月";
}

std::string LunarDayName(int day) {
  if (day >= 1 && day <= 10) return "初" + std::string(kNumerals[static_cast<std::size_t>(day)]);
  if (day >= 11 && day <= 19)
    return "十" + std::string(kNumerals[static_cast<std::size_t>(day - 10)]);
  if (day == 20) return "二十";
  if (day >= 21 && day <= 29)
    return "廿" + std::string(kNumerals[static_cast<std::size_t>(day - 20)]);
  if (day == 30) return "三十";
  return {};
}

std::string LunarDateText(const LunarDate& d) {
  return GanZhiYearName(d.year - 1864) + LunarMonthName(d.month, d.leap) + LunarDayName(d.day);
}

}  // namespace vessa
