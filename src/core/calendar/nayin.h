#pragma once

#include <string_view>

#include "core/calendar/sexagenary.h"

namespace vessa {

// The nayin (纳音) of a pair of the sexagenary cycle: one name for each two
// consecutive pairs, from 甲子乙丑 海中金 to 壬戌癸亥 大海水 (the 六十甲子纳音 table).
// The chart's lookup table and the almanac's five-element line both read it.
std::string_view NayinName(Pillar pair);

}  // namespace vessa
