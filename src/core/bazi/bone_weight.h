#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"

// Readings looked up from a few values of the birth: the bone weight with its verse
// and explanation, the seasonal useful god and the climate useful god.
namespace vessa {

enum class BoneWeightMode { Weight = 0, Verse = 1, Explanation = 2 };

// The weight code of a sum of weights: 4.5 -> "45", 5 -> "50", 2.1 -> "21".
std::string BoneWeightCode(double sum);

// One bone-weight line for the lunar year, month, day and clock hour (decimal
// texts). Looks up the four weights (a missing row counts 0) and the verse of
// their sum; "" when the sum has no verse. A failing lookup throws SilentAbort.
std::string BoneWeightLine(const data::ContentStore& store, std::string_view lunarYear,
                           std::string_view lunarMonth, std::string_view lunarDay,
                           std::string_view hourNumber, BoneWeightMode mode);

// label + element of the day stem + "生于" + season + "季，" + the seasonal advice + "。"
std::string SeasonLine(const data::ContentStore& store, std::string_view label,
                       std::string_view season, std::string_view dayStem);

// "穷通宝鉴调候用神：" + day stem + its element + "生于" + month branch + "月，" + the advice.
std::string ClimateLine(const data::ContentStore& store, std::string_view dayStem,
                        std::string_view monthBranch);

}  // namespace vessa
