#include "core/bazi/chart_attributes.h"

#include "core/bazi/chart_lookups.h"
#include "core/bazi/chart_names.h"
#include "core/text/text.h"

namespace vessa {

namespace {
constexpr const char* kGap = "   ";
}  // namespace

std::string TenGodLine(const data::ContentStore& store, const BaziChart& c) {
  const std::string_view day = c.DayPillar().stem.Name();
  return "十神：" + TenGodOf(store, day, c.YearPillar().stem.Name()) + kGap +
         TenGodOf(store, day, c.MonthPillar().stem.Name()) + kGap + "日元" + kGap +
         TenGodOf(store, day, c.HourPillar().stem.Name());
}

std::string PillarLine(const BaziChart& c) {
  return "八字：" + c.YearPillar().Name() + kGap + c.MonthPillar().Name() + kGap +
         c.DayPillar().Name() + kGap + c.HourPillar().Name();
}

std::array<std::string, 3> HiddenStemLines(const data::ContentStore& store, const BaziChart& c) {
  std::array<std::string, 3> lines = {"遁藏：", text::Blanks(6), text::Blanks(6)};
  const std::string_view day = c.DayPillar().stem.Name();
  for (std::size_t p = 0; p < 4; ++p) {
    const std::string_view hidden =
        HiddenStemTable[static_cast<std::size_t>(c.pillars[p].branch.Index())];
    const std::string first(text::CharAt(hidden, 1));
    if (p > 0) lines[0] += " ";
    lines[0] += first + TenGodOf(store, day, first);
    for (std::size_t k = 1; k <= 2; ++k) {
      const std::string stem = text::Trim(text::CharAt(hidden, k + 1));
      lines[k] += stem.empty() ? text::Blanks(7) : stem + TenGodOf(store, day, stem) + " ";
    }
  }
  return lines;
}

ElementLineResult ElementLine(const data::ContentStore& store, const BaziChart& c) {
  std::string t;
  for (std::size_t p = 0; p < 4; ++p) {
    if (p > 0) t += kGap;
    t += ElementOf(store, c.pillars[p].stem.Name());
    t += ElementOf(store, c.pillars[p].branch.Name());
  }
  return {"五行：" + t, t};
}

std::string NayinLine(const data::ContentStore& store, const BaziChart& c) {
  std::string line = "纳音：";
  for (std::size_t p = 0; p < 4; ++p) {
    if (p > 0) line += " ";
    line += NayinOf(store, c.pillars[p].Name());
  }
  return line;
}

std::string ElementCountText(const std::string& elementText) {
  static constexpr std::size_t kPositions[] = {1, 2, 6, 7, 11, 12, 16, 17};
  static constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};
  int counts[5] = {};
  for (std::size_t pos : kPositions) {
    const std::string_view piece = text::CharAt(elementText, pos);
    for (std::size_t e = 0; e < 5; ++e) {
      if (piece == kElements[e]) ++counts[e];
    }
  }
  std::string out;
  for (std::size_t e = 0; e < 5; ++e) {
    out += std::string(kElements[e]) + ":占" + std::to_string(counts[e]) + "个 " +
           text::FloatToText(counts[e] / 8.0) + (e < 4 ? ", " : ".");
  }
  return out;
}

}  // namespace vessa
