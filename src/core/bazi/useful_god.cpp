#include "core/bazi/useful_god.h"

#include "core/bazi/chart_lookups.h"
#include "core/data/sql_text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

namespace {
constexpr std::string_view kSeasons[] = {"春", "夏", "秋", "冬"};
}  // namespace

std::string_view SeasonOfLunarMonthName(std::string_view name) {
  static constexpr std::string_view kMonths[] = {"一月", "二月", "三月", "四月",   "五月",  "六月",
                                                 "七月", "八月", "九月", "十月", "十一月", "十二月"};
  for (std::size_t m = 0; m < 12; ++m) {
    if (name == kMonths[m]) return kSeasons[m / 3];
  }
  return {};
}

std::string_view SeasonOfSolarMonth(int month) {
  return month >= 1 && month <= 12 ? kSeasons[(month - 1) / 3] : std::string_view{};
}

std::string SeasonLine(const data::ContentStore& store, std::string_view label,
                       std::string_view season, std::string_view dayStem) {
  const std::string element = ElementOf(store, dayStem);
  const std::string advice = store.Text(
      DatabaseFile::Tgcode,
      data::Inline("select  top 1 sjrs from sjrs where wh = '", element, "' and sj = '", season),
      "sjrs", FailurePolicy::Ignore);
  return std::string(label) + element + "生于" + std::string(season) + "季，" + advice + "。";
}

std::string ClimateLine(const data::ContentStore& store, std::string_view dayStem,
                        std::string_view monthBranch) {
  const std::string advice = store.Text(DatabaseFile::Tgcode,
                                        data::Inline("select  top 1 content from qtbj where tg = '",
                                                     dayStem, "' and dz = '", monthBranch),
                                        "content", FailurePolicy::Ignore);
  return "穷通宝鉴调候用神：" + std::string(dayStem) + ElementOf(store, dayStem) + "生于" +
         std::string(monthBranch) + "月，" + advice;
}

}  // namespace vessa
