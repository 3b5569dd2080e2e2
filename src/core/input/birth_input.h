#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/date_text.h"

// The input panel of the main window and the step every main reading starts with:
// check the panel, turn a lunar entry into its solar date, fill BirthInput.
namespace vessa {

// The 24 items of the hour list: the branch of the hour, a blank, the clock hour.
extern const std::array<std::string_view, 24> kHourItems;
inline constexpr std::string_view kSolarEntry = "生日公历";
inline constexpr std::string_view kLunarEntry = "生日农历";

// The input fields as typed or selected, with the panel's defaults.
struct Panel {
  std::string surname;            // NameA
  std::string givenName;          // NameB
  std::string sex = "男";         // Sex
  std::string bloodType = "A型";  // Xuxing
  int calendarIndex = 0;          // ComDate: 0 solar, 1 lunar, -1 nothing selected
  std::string year = "1980";      // SYear
  std::string month = "1";        // SMonth
  std::string day = "1";          // Sday
  std::string hour = "子 0";      // Shour
  std::string minute = "0";       // Fengzhong
};

enum class BirthInputKind { Bazi, Name, Constellation };

// The normalised birth data; every field is text and starts empty. Each reading
// overwrites the fields its kind sets.
struct BirthInput {
  std::string surname, givenName, bloodType;
  std::string yearText, monthText, dayText, hourText;
  std::string solarDateText, lunarDateText, zodiac, constellation;
  std::string lunarYearText, lunarMonthText, lunarDayText, hourNumberText;
};

// The message to show, or empty when the record was filled.
struct InputCheck {
  std::string message;
  bool ok() const { return message.empty(); }
};

inline constexpr std::string_view kCheckInputMessage = "请检查输入数据是否出错！";

// Checks the panel in order, storing each field as it passes (so fields before a
// failing check keep their new values), then converts and derives. A blank field,
// a date that the calendar cannot hold, an hour that names no hour item or a
// minute outside 0-59 returns its message. A solar date that
// does not exist, or lunar fields that are not integers, throw ConversionError
// (the error box's message).
InputCheck ReadBirthInput(const Panel& panel, BirthInputKind kind, BirthInput& record);

// The constellation of a calendar date ("摩羯座" …).
std::string ConstellationOfDate(Date date);

// The hour item of a typed hour: an item as it stands, or the item of a whole
// number 0-23 ("10" -> "巳 10"); nullopt for anything else.
std::optional<std::string> HourItemOf(std::string_view typed);

// The clock hour of an hour item: "子 0" -> "0", "子 23" -> "23".
std::string HourNumberOf(std::string_view hourItem);

}  // namespace vessa
