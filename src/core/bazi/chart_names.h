#pragma once

#include <array>
#include <string_view>

// The constant name tables of the Bazi engine beyond the stems and branches
// themselves (core/calendar/sexagenary.h).
namespace vessa {

// Ten-god names by cycle number: 0 正印, 1 比肩, 2 劫财, 3 食神, 4 伤官, 5 偏财,
// 6 正财, 7 七杀, 8 正官, 9 偏印.
extern const std::array<std::string_view, 10> TenGodNames;

// The hidden stems of each branch, by zero-based branch index, main stem first.
extern const std::array<std::string_view, 12> HiddenStemTable;

// One list of 1001 texts: 0-9 the ten-god names, 20 + n the stem of cycle number
// n, 30 + n the branch of cycle number n; every other position is empty.
const std::array<std::string_view, 1001>& ChartNameTable();

}  // namespace vessa
