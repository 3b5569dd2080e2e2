#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"

// The bone weight (称骨) of a birth with its verse and explanation.
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

}  // namespace vessa
