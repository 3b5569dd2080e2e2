#pragma once

#include <string>
#include <vector>

#include "core/bazi/bazi_chart.h"

// The rows of the luck cycles: fetal origin, luck start, the ages and years of the
// ten luck pillars, the annual and minor luck, and the month pillars of each year.
// L is the lunar birth year, Y the solar birth year as entered, S the luck start.
namespace vessa {

// The two characters of the sexagenary name of a year (甲子 for 1984).
std::string YearGanZhi(int year);
// The age reached in year: "05岁", "12岁".
std::string AgeText(int year, int lunarBirthYear);
// The minor luck pair n years after the lunar birth year: the hour pillar moved n
// pairs in the direction of the luck.
std::string MinorLuckPillar(const BaziChart& chart, int n);

// "胎元：" + the fetal origin + "(" + its nayin + ")".
std::string FetalOriginLine(const data::ContentStore& store, const BaziChart& chart);
// "起运：" + luck start + "岁".
std::string LuckStartLine(const BaziChart& chart);
// The age line and the "始于：" year line under "大运：".
std::vector<std::string> LuckAgeRows(const BaziChart& chart, int solarBirthYear);
// Ten lines "流年：…".
std::vector<std::string> AnnualLuckRows(const BaziChart& chart, int lunarBirthYear);
// Twenty lines "小运：…", a pillar line and an age line for each row.
std::vector<std::string> MinorLuckRows(const BaziChart& chart, int lunarBirthYear);

// "流年流月  ：正月 … 腊月", and the S + 90 rows of month pillars from year L on.
std::string YearMonthHeader();
std::vector<std::string> YearMonthRows(int luckStart, int lunarBirthYear);

}  // namespace vessa
