#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"

// The useful-god (用神) lines of the readings: the seasonal useful god of the day
// stem's element and the climate useful god after 穷通宝鉴.
namespace vessa {

// The season ("春", "夏", "秋", "冬") of a lunar month name such as "十一月"; ""
// for a leap month, which the detailed reading leaves without a season line.
std::string_view SeasonOfLunarMonthName(std::string_view monthName);
// The season of a solar month: 1-3 春, 4-6 夏, 7-9 秋, 10-12 冬.
std::string_view SeasonOfSolarMonth(int month);

// label + element of the day stem + "生于" + season + "季，" + the seasonal advice + "。"
std::string SeasonLine(const data::ContentStore& store, std::string_view label,
                       std::string_view season, std::string_view dayStem);

// "穷通宝鉴调候用神：" + day stem + its element + "生于" + month branch + "月，" + the advice.
std::string ClimateLine(const data::ContentStore& store, std::string_view dayStem,
                        std::string_view monthBranch);

}  // namespace vessa
