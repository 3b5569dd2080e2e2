#pragma once

#include <string_view>

#include "core/calendar/sexagenary.h"

// The classical rules behind the chart lookup tables of Tgcode.dll. The readings
// look these values up in the file; the table generator writes the file from here.
namespace vessa {

// The ten god of `other` seen from the day stem (子平 rule): the element relation
// of the two stems (same, produced by the day stem, controlled by it, controlling
// it, producing it) and whether their polarities agree. 比肩 劫财 食神 伤官 偏财
// 正财 七杀 正官 偏印 正印.
std::string_view TenGodName(Stem day, Stem other);

}  // namespace vessa
