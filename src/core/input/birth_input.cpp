#include "core/input/birth_input.h"

#include <algorithm>

#include "core/calendar/lunar_calendar.h"
#include "core/text/text.h"

namespace vessa {

using namespace std::chrono;

const std::array<std::string_view, 24> kHourItems = {
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
    "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
    "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23",
};

namespace {

// The first and last day the calendar converts.
constexpr Date kFirstDay = sys_days{1900y / January / 31};
constexpr Date kLastDay = sys_days{2100y / December / 31};

}  // namespace

std::string ConstellationOfDate(Date date) {
  year_month_day ymd{date};
  const int code = static_cast<int>(static_cast<unsigned>(ymd.month())) * 100 +
                   static_cast<int>(static_cast<unsigned>(ymd.day()));
  struct Range {
    int from, to;
    const char* name;
  };
  static constexpr Range kRanges[] = {
      {1222, 1231, "摩羯座"}, {101, 119, "摩羯座"}, {120, 218, "水瓶座"},  {219, 320, "双鱼座"},
      {321, 420, "白羊座"},   {421, 520, "金牛座"}, {521, 621, "双子座"},  {622, 722, "巨蟹座"},
      {723, 822, "狮子座"},   {823, 922, "处女座"}, {923, 1022, "天秤座"}, {1023, 1121, "天蝎座"},
      {1122, 1221, "射手座"},
  };
  for (const auto& r : kRanges) {
    if (code >= r.from && code <= r.to) return r.name;
  }
  return {};
}

std::optional<std::string> HourItemOf(std::string_view typed) {
  const std::string t = text::Trim(typed);
  for (std::string_view item : kHourItems) {
    if (t == item) return std::string(item);
  }
  std::int64_t hour = 0;
  // Digits only: "10", not "+10" or " 1 0".
  if (!t.empty() && t.size() <= 2 && std::all_of(t.begin(), t.end(), [](char c) {
        return c >= '0' && c <= '9';
      }) && text::TryToInt(t, hour) && hour <= 23) {
    return std::string(kHourItems[static_cast<std::size_t>(hour)]);
  }
  return std::nullopt;
}

std::string HourNumberOf(std::string_view hourItem) {
  std::string rest = text::Trim(text::Mid(hourItem, 2, std::string_view::npos));
  return std::string(text::Mid(rest, 1, 2));
}

InputCheck ReadBirthInput(const Panel& panel, BirthInputKind kind, BirthInput& record) {
  const bool bazi = kind == BirthInputKind::Bazi;
  struct Check {
    const std::string& field;
    std::string BirthInput::*target;
    const char* message;
    bool applies;
  };
  const Check checks[] = {
      {panel.surname, &BirthInput::surname, "姓不能为空!", true},
      {panel.givenName, &BirthInput::givenName, "名不能为空!", true},
      {panel.bloodType, &BirthInput::bloodType, "血型不能为空!", bazi},
      {panel.year, &BirthInput::yearText, "请选择出生年!", true},
      {panel.month, &BirthInput::monthText, "请选择出生月!", true},
      {panel.day, &BirthInput::dayText, "请选择出生日!", true},
      {panel.hour, &BirthInput::hourText, "请选择出生小时!", true},
  };
  for (const Check& c : checks) {
    if (!c.applies) continue;
    std::string value = text::Trim(c.field);
    if (value.empty()) return {c.message};
    record.*c.target = std::move(value);
  }

  // A typed hour that is a whole number 0-23 selects that hour's item; a minute
  // must be a whole number 0-59: a reading never starts on an unusable hour.
  if (const auto item = HourItemOf(record.hourText)) {
    record.hourText = *item;
  } else {
    return {std::string(kCheckInputMessage)};
  }
  std::int64_t minute = 0;
  if (!text::TryToInt(text::Trim(panel.minute), minute) || minute < 0 || minute > 59 ||
      text::Trim(panel.minute).empty()) {
    return {std::string(kCheckInputMessage)};
  }

  Date solar;
  if (panel.calendarIndex == 0) {
    // As entered, not zero-filled: "1980-1-1".
    const std::string text = record.yearText + "-" + record.monthText + "-" + record.dayText;
    solar = ParseDate(text);
    if (solar < kFirstDay || solar > kLastDay) return {std::string(kCheckInputMessage)};
    record.solarDateText = text;
  } else {
    // Each field is read as a number and held to its range before any
    // arithmetic: a year of four digits, a month 1-12, a day 1-31. The leap flag
    // is always cleared: a leap month cannot be entered.
    const std::int64_t y = text::ToInt(record.yearText), m = text::ToInt(record.monthText),
                       d = text::ToInt(record.dayText);
    if (y < 1000 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) {
      return {std::string(kCheckInputMessage)};
    }
    const LunarDate entered{static_cast<std::int32_t>(y), static_cast<std::int32_t>(m),
                            static_cast<std::int32_t>(d), false};
    solar = LunarToSolar(entered);
    if (solar == kNoSolarDate) return {std::string(kCheckInputMessage)};
    record.solarDateText = FormatDate(solar);
    record.yearText = record.solarDateText.substr(0, 4);
    record.monthText = record.solarDateText.substr(5, 2);
    record.dayText = record.solarDateText.substr(8, 2);
  }

  const LunarDate lunar = SolarToLunar(ParseDate(record.solarDateText));
  const int n = lunar.year - 1864;
  const std::string yearName = GanZhiYearName(n);
  record.lunarDateText =
      yearName + LunarMonthName(lunar.month, lunar.leap) + LunarDayName(lunar.day);
  record.zodiac = std::string(text::CharAt(text::Trim(yearName), 4));
  record.constellation = ConstellationOfDate(solar);
  if (bazi) {
    record.lunarYearText = std::to_string(lunar.year);
    record.lunarMonthText = std::to_string(lunar.month);
    record.lunarDayText = std::to_string(lunar.day);
    record.hourNumberText = HourNumberOf(record.hourText);
  }
  return {};
}

}  // namespace vessa
