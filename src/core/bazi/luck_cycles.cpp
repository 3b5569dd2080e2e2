#include "core/bazi/luck_cycles.h"

#include "core/bazi/chart_lookups.h"
#include "core/calendar/lunar_calendar.h"
#include "core/text/text.h"

namespace vessa {

namespace {
constexpr const char* kGap = "   ";
}  // namespace

std::string YearGanZhi(int year) {
  return std::string(text::Mid(GanZhiYearName(year - 1864), 1, 2));
}

std::string AgeText(int year, int lunarBirthYear) {
  const int a = year - lunarBirthYear;
  // Appended piece by piece: "literal" + std::string trips GCC 12's -Wrestrict at -O3.
  std::string text = a < 10 ? "0" : "";
  text += std::to_string(a);
  text += "岁";
  return text;
}

std::string MinorLuckPillar(const BaziChart& c, int n) {
  return c.HourPillar().Next(c.luckReverse ? -n : n).Name();
}

std::string FetalOriginLine(const data::ContentStore& store, const BaziChart& c) {
  const std::string pair(text::Mid(c.fetalOrigin, 1, 2));
  return "胎元：" + pair + "(" + NayinOf(store, pair) + ")";
}

std::string LuckStartLine(const BaziChart& c) { return "起运：" + c.luckStartText + "岁"; }

std::vector<std::string> LuckAgeRows(const BaziChart& c, int Y) {
  const int S = c.luckStart;
  std::string ages;
  if (S == 1) {
    ages = "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁";
  } else {
    ages = "      1-" + std::to_string(S - 1) + "岁";
    for (int m = 0; m <= 8; ++m) ages += kGap + std::to_string(S + 10 * m) + "岁";
  }
  std::string years = "始于：" + std::to_string(Y);
  for (int m = 0; m <= 8; ++m) years += kGap + std::to_string(Y + S + 10 * m);
  return {ages, years};
}

std::vector<std::string> AnnualLuckRows(const BaziChart& c, int L) {
  const int S = c.luckStart;
  std::vector<std::string> rows;
  for (int i = 0; i <= 9; ++i) {
    std::string row;
    if (i < S) {
      row = (i == 0 ? "流年：" : text::Blanks(6)) + YearGanZhi(L + i);
      for (int col = 1; col <= 9; ++col) row += kGap + YearGanZhi(L + S + 10 * (col - 1) + i);
    } else {
      row = text::Blanks(13) + YearGanZhi(L + S + i);
      for (int col = 2; col <= 9; ++col) row += kGap + YearGanZhi(L + S + 10 * (col - 1) + i);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> MinorLuckRows(const BaziChart& c, int L) {
  const int S = c.luckStart;
  std::vector<std::string> rows;
  for (int i = 0; i <= 9; ++i) {
    std::string pillars, ages;
    int firstColumn = 1;
    if (i < S) {
      pillars = (i == 0 ? "小运：" : text::Blanks(6)) + MinorLuckPillar(c, i);
      ages = text::Blanks(6) + AgeText(L + i, L);
    } else {
      pillars = text::Blanks(13) + MinorLuckPillar(c, S + i);
      ages = text::Blanks(13) + AgeText(L + S + i, L);
      firstColumn = 2;
    }
    for (int col = firstColumn; col <= 9; ++col) {
      const int n = S + 10 * (col - 1) + i;
      pillars += kGap + MinorLuckPillar(c, n);
      ages += kGap + AgeText(L + n, L);
    }
    rows.push_back(std::move(pillars));
    rows.push_back(std::move(ages));
  }
  return rows;
}

std::string YearMonthHeader() {
  return "流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 腊月";
}

std::vector<std::string> YearMonthRows(int S, int L) {
  static constexpr const char* kMonths[] = {"寅 ", "卯 ", "辰 ", "巳 ", "午 ", "未 ",
                                            "申 ", "酉 ", "戌 ", "亥 ", "子 ", "丑"};
  // 6 is 庚, the stem of the first month of 1901; each year moves it on by 12.
  const int m0 = (L - 1901) * 12 + 6;
  std::vector<std::string> rows;
  for (int i = 0; i <= S + 89; ++i) {
    std::string row = std::to_string(L + i) + "(" + YearGanZhi(L + i) + ")：";
    for (int k = 0; k < 12; ++k)
      row += std::string(Stem::FromIndex(m0 + 12 * i + k).Name()) + kMonths[k];
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace vessa
