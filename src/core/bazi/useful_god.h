#pragma once

#include <string>
#include <string_view>

#include "core/calendar/sexagenary.h"
#include "core/data/content_store.h"

// The useful-god (用神) lines of the readings: the seasonal useful god of the day
// stem's element and the climate useful god after 穷通宝鉴.
namespace vessa {

// The season ("春", "夏", "秋", "冬") of a month by its branch: 寅卯辰 春, 巳午未
// 夏, 申酉戌 秋, 亥子丑 冬. Every month pillar has one, leap months included.
std::string_view SeasonOfMonthBranch(Branch monthBranch);

// label + element of the day stem + "生于" + season + "季，" + the seasonal advice + "。"
std::string SeasonLine(const data::ContentStore& store, std::string_view label,
                       std::string_view season, std::string_view dayStem);

// "穷通宝鉴调候用神：" + day stem + its element + "生于" + month branch + "月，" + the advice.
std::string ClimateLine(const data::ContentStore& store, std::string_view dayStem,
                        std::string_view monthBranch);

}  // namespace vessa
