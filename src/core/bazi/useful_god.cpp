#include "core/bazi/useful_god.h"

#include "core/bazi/chart_lookups.h"
#include "core/data/sql_text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

std::string_view SeasonOfMonthBranch(Branch monthBranch) {
  static constexpr std::string_view kSeasons[] = {"春", "夏", "秋", "冬"};
  // 寅 (index 2) opens spring; each season holds three branches.
  return kSeasons[static_cast<std::size_t>(FloorMod(monthBranch.Index() - 2, 12) / 3)];
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
