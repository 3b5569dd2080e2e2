#include "core/bazi/chart_names.h"

#include "core/calendar/sexagenary.h"

namespace vessa {

const std::array<std::string_view, 10> TenGodNames = {"正印", "比肩", "劫财", "食神", "伤官",
                                                      "偏财", "正财", "七杀", "正官", "偏印"};
// Main qi first, then the middle and residual qi (子平 tradition).
const std::array<std::string_view, 12> HiddenStemTable = {"癸",     "己癸辛", "甲丙戊", "乙",
                                                          "戊乙癸", "丙戊庚", "丁己",   "己丁乙",
                                                          "庚壬戊", "辛",     "戊辛丁", "壬甲"};

const std::array<std::string_view, 1001>& ChartNameTable() {
  static const std::array<std::string_view, 1001> table = [] {
    std::array<std::string_view, 1001> t{};
    for (int n = 0; n < 10; ++n) {
      t[static_cast<std::size_t>(n)] = TenGodNames[static_cast<std::size_t>(n)];
      t[static_cast<std::size_t>(20 + n)] = Stem::FromCycle(n).Name();
    }
    for (int n = 0; n < 12; ++n) t[static_cast<std::size_t>(30 + n)] = Branch::FromCycle(n).Name();
    return t;
  }();
  return table;
}

}  // namespace vessa
