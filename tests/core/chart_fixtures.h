#pragma once

#include <string_view>

#include "core/bazi/bazi_chart.h"

namespace vessa::test {

// A chart holding just the given pillars ("甲子" …), for the attribute and luck rows.
inline BaziChart ChartOf(std::string_view year, std::string_view month, std::string_view day,
                         std::string_view hour, bool luckReverse = false, int luckStart = 1) {
  auto pillar = [](std::string_view pair) { return Pillar::Parse(pair).value_or(Pillar{}); };
  BaziChart c;
  c.pillars = {pillar(year), pillar(month), pillar(day), pillar(hour)};
  c.luckReverse = luckReverse;
  c.luckStart = luckStart;
  c.luckStartText = std::to_string(luckStart);
  c.fetalOrigin =
      Pillar{c.MonthPillar().stem.Next(1), c.MonthPillar().branch.Next(3)}.Name() + " ";
  return c;
}

}  // namespace vessa::test
