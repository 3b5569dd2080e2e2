#pragma once

#include <string_view>

#include "core/bazi/bazi_chart.h"
#include "core/text/text.h"

namespace vessa::test {

// A chart holding just the given pillars ("甲子" …), for the attribute and luck rows.
inline BaziChart ChartOf(std::string_view year, std::string_view month, std::string_view day,
                         std::string_view hour, bool luckReverse = false, int luckStart = 1) {
  auto stem = [](std::string_view pair) {
    for (int i = 0; i < 10; ++i) {
      if (text::CharAt(pair, 1) == kStemNames[static_cast<std::size_t>(i)])
        return Stem::FromIndex(i);
    }
    return Stem::FromIndex(0);
  };
  auto branch = [](std::string_view pair) {
    for (int i = 0; i < 12; ++i) {
      if (text::CharAt(pair, 2) == kBranchNames[static_cast<std::size_t>(i)])
        return Branch::FromIndex(i);
    }
    return Branch::FromIndex(0);
  };
  BaziChart c;
  c.yearStem = stem(year).Cycle();
  c.yearBranch = branch(year).Cycle();
  c.monthStem = stem(month).Cycle();
  c.monthBranch = branch(month).Cycle();
  c.dayStem = stem(day).Cycle();
  c.dayBranch = branch(day).Cycle();
  c.hourStem = stem(hour).Cycle();
  c.hourBranch = branch(hour).Cycle();
  c.yearStemName = stem(year).Name();
  c.yearBranchName = branch(year).Name();
  c.monthStemName = stem(month).Name();
  c.monthBranchName = branch(month).Name();
  c.dayStemName = stem(day).Name();
  c.dayBranchName = branch(day).Name();
  c.hourStemName = stem(hour).Name();
  c.hourBranchName = branch(hour).Name();
  c.luckReverse = luckReverse;
  c.luckStart = luckStart;
  c.luckStartText = std::to_string(luckStart);
  c.fetalOrigin = std::string(Stem::FromCycle(c.monthStem + 1).Name()) +
                  std::string(Branch::FromCycle(c.monthBranch + 3).Name()) + " ";
  return c;
}

}  // namespace vessa::test
