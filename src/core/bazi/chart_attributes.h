#pragma once

#include <array>
#include <string>

#include "core/bazi/bazi_chart.h"

// The attribute lines of a chart: ten gods, pillars, hidden stems, elements, nayin.
namespace vessa {

// "十神：" + year, month ten gods, "日元", hour ten god, columns three blanks apart.
std::string TenGodLine(const data::ContentStore& store, const BaziChart& chart);
// "八字：" + the four pairs, three blanks apart.
std::string PillarLine(const BaziChart& chart);
// Three lines "遁藏：…": the first, second and third hidden stem of each pillar's
// branch with its ten god; a missing stem keeps its column with seven blanks.
std::array<std::string, 3> HiddenStemLines(const data::ContentStore& store, const BaziChart& chart);

// The seventeen-character element text (eight elements, pairs three blanks apart)
// and its line "五行：" + that text.
struct ElementLineResult {
  std::string line;
  std::string elementText;
};
ElementLineResult ElementLine(const data::ContentStore& store, const BaziChart& chart);
// "纳音：" + the nayin of the four pillars, one blank apart.
std::string NayinLine(const data::ContentStore& store, const BaziChart& chart);

// "金:占1个 0.125, 木:占2个 0.25, …": counts of the characters at positions 1, 2,
// 6, 7, 11, 12, 16 and 17 of the element text.
std::string ElementCountText(const std::string& elementText);

}  // namespace vessa
