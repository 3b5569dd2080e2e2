#include "core/calendar/lunar_calendar.h"

#include "core/calendar/sexagenary.h"

namespace vessa {

using namespace std::chrono;

const std::array<std::uint16_t, 201> LunarYearTable = {
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

namespace {

constexpr std::array<std::string_view, 11> kNumerals = {"日", "一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九", "十"};

std::uint16_t Word(int year) { return LunarYearTable[static_cast<std::size_t>(year - 1900)]; }

constexpr Date kFirstLunarDay = sys_days{1900y / January / 31};            // lunar 1900-1-1
constexpr Date kAnchor2000 = sys_days{2000y / February / 5};               // lunar 2000-1-1
constexpr Date kEndOfRange = sys_days{2101y / January / 1};                // first day outside

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

int LunarLeapMonth(int year) {
  int leap = Word(year) & 0xF;
  return leap == 0xF ? 0 : leap;
}

int LunarLeapDays(int year) {
  if (LunarLeapMonth(year) == 0) return 0;
  return (Word(year + 1) & 0xF) == 0xF ? 30 : 29;
}

int LunarMonthDays(int year, int month) {
  unsigned mask = month <= 1 ? 0x8000u : (month - 1 >= 16 ? 0u : 0x8000u >> (month - 1));
  return (Word(year) & mask) ? 30 : 29;
}

int LunarYearDays(int year) {
  int days = 348;
  for (unsigned mask = 0x8000; mask > 0x8; mask >>= 1) {
    if (Word(year) & mask) ++days;
  }
  return days + LunarLeapDays(year);
}

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
  if (d.year > 2099 || d.year < 1901 || d.month > 12 || d.day > 30) return false;
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
