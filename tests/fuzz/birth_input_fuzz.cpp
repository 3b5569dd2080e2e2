// The input step on a panel of any texts: ReadBirthInput, as the window and the
// command line run it. Beyond not crashing: the only exception is the documented
// conversion error, and only for a solar date that is no date or lunar fields
// that are no integers; a message is one of the step's own; a filled record
// holds a date of the calendar's range and an item of the hour list, a solar
// entry keeps the date typed, and a lunar entry turns back into the lunar date
// typed.
//
// Input lines: the calendar ("0" solar, "1" lunar, else nothing selected) and
// the kind ("b" Bazi, "n" name, "c" constellation); then surname, given name,
// sex, blood type, year, month, day, hour and minute. Missing lines keep the
// panel's defaults.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calendar/lunar_calendar.h"
#include "core/input/birth_input.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

bool IsStepMessage(std::string_view message) {
  static constexpr std::array<std::string_view, 8> kMessages = {
      "姓不能为空!",   "名不能为空!",   "血型不能为空!",   "请选择出生年!",
      "请选择出生月!", "请选择出生日!", "请选择出生小时!", kCheckInputMessage,
  };
  return std::find(kMessages.begin(), kMessages.end(), message) != kMessages.end();
}

bool IsInt(std::string_view typed, std::int64_t& value) {
  return text::TryToInt(text::Trim(typed), value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = fuzz::Fields(std::string_view(reinterpret_cast<const char*>(data), size), 10);
  Panel panel;
  const std::string_view control = fields[0];
  const char calendar = control.size() > 0 ? control[0] : '0';
  const char kindCode = control.size() > 1 ? control[1] : 'b';
  panel.calendarIndex = calendar == '0' ? 0 : calendar == '1' ? 1 : -1;
  const BirthInputKind kind = kindCode == 'n'   ? BirthInputKind::Name
                              : kindCode == 'c' ? BirthInputKind::Constellation
                                                : BirthInputKind::Bazi;
  std::string* const texts[] = {&panel.surname,   &panel.givenName, &panel.sex,
                                &panel.bloodType, &panel.year,      &panel.month,
                                &panel.day,       &panel.hour,      &panel.minute};
  for (std::size_t i = 1; i < fields.size(); ++i) *texts[i - 1] = std::string(fields[i]);

  BirthInput record;
  InputCheck check;
  try {
    check = ReadBirthInput(panel, kind, record);
  } catch (const ConversionError&) {
    std::int64_t y = 0, m = 0, d = 0;
    if (panel.calendarIndex == 0) {
      const std::string typed =
          text::Trim(panel.year) + "-" + text::Trim(panel.month) + "-" + text::Trim(panel.day);
      FUZZ_CHECK(!TryParseDate(typed).has_value());
    } else {
      FUZZ_CHECK(!IsInt(panel.year, y) || !IsInt(panel.month, m) || !IsInt(panel.day, d));
    }
    return 0;
  }
  if (!check.ok()) {
    FUZZ_CHECK(IsStepMessage(check.message));
    return 0;
  }

  const auto solar = TryParseDate(record.solarDateText);
  FUZZ_CHECK(solar.has_value());
  FUZZ_CHECK(MakeDate(1900, 1, 31) <= *solar && *solar <= MakeDate(2100, 12, 31));
  FUZZ_CHECK(std::find(kHourItems.begin(), kHourItems.end(), record.hourText) != kHourItems.end());
  FUZZ_CHECK(record.constellation == ConstellationOfDate(*solar) && !record.constellation.empty());
  FUZZ_CHECK(!record.zodiac.empty() && !record.lunarDateText.empty());

  std::int64_t y = 0, m = 0, d = 0;
  FUZZ_CHECK(IsInt(panel.year, y) && IsInt(panel.month, m) && IsInt(panel.day, d));
  if (panel.calendarIndex == 0) {
    const std::chrono::year_month_day ymd{*solar};
    FUZZ_CHECK(static_cast<int>(ymd.year()) == y && static_cast<unsigned>(ymd.month()) == m &&
               static_cast<unsigned>(ymd.day()) == d);
  } else {
    const LunarDate typed{static_cast<std::int32_t>(y), static_cast<std::int32_t>(m),
                          static_cast<std::int32_t>(d), false};
    FUZZ_CHECK(SolarToLunar(*solar) == typed);
  }
  if (kind == BirthInputKind::Bazi) {
    std::int64_t hour = -1;
    FUZZ_CHECK(text::TryToInt(record.hourNumberText, hour) && hour >= 0 && hour <= 23);
    FUZZ_CHECK(kHourItems[static_cast<std::size_t>(hour)] == record.hourText);
  }
  return 0;
}
