#include <type_traits>

#include "cli/commands.h"
#include "cli/json.h"
#include "cli/panel_options.h"
#include "core/bazi/bazi_chart.h"
#include "core/bazi/birth_moment.h"
#include "core/text/text.h"

namespace vessa::cli {

namespace {

// A JSON array of the four pillars' values.
template <typename T>
std::string Array(const std::array<T, 4>& v) {
  std::string s = "[";
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (i) s += ",";
    if constexpr (std::is_same_v<T, std::string>) {
      s += JsonString(v[i]);
    } else {
      s += std::to_string(v[i]);
    }
  }
  return s + "]";
}

std::string ChartJson(const BaziChart& c) {
  return JsonObject()
      .Number("year", c.year)
      .Number("month", c.month)
      .Number("day", c.day)
      .Number("hour", c.hour)
      .Number("termShift", c.termShift)
      .Number("yearStem", c.YearPillar().stem.Cycle())
      .Number("yearBranch", c.YearPillar().branch.Cycle())
      .Number("monthStem", c.MonthPillar().stem.Cycle())
      .Number("monthBranch", c.MonthPillar().branch.Cycle())
      .Number("dayStem", c.DayPillar().stem.Cycle())
      .Number("dayBranch", c.DayPillar().branch.Cycle())
      .Number("hourStem", c.HourPillar().stem.Cycle())
      .Number("hourBranch", c.HourPillar().branch.Cycle())
      .Text("yearStemName", c.YearPillar().stem.Name())
      .Text("yearBranchName", c.YearPillar().branch.Name())
      .Text("monthStemName", c.MonthPillar().stem.Name())
      .Text("monthBranchName", c.MonthPillar().branch.Name())
      .Text("dayStemName", c.DayPillar().stem.Name())
      .Text("dayBranchName", c.DayPillar().branch.Name())
      .Text("hourStemName", c.HourPillar().stem.Name())
      .Text("hourBranchName", c.HourPillar().branch.Name())
      .Raw("hiddenIndex", Array(c.hiddenIndex))
      .Raw("hiddenStems", Array(c.hiddenStems))
      .Text("fetalOrigin", c.fetalOrigin)
      .Bool("luckReverse", c.luckReverse)
      .Number("luckStart", c.luckStart)
      .Text("luckStartText", c.luckStartText)
      .Raw("luckStartExact", JsonObject()
                                 .Number("years", c.luckStartExact.years)
                                 .Number("months", c.luckStartExact.months)
                                 .Number("days", c.luckStartExact.days)
                                 .str())
      .Text("luckStartDate", FormatDate(c.luckStartDate))
      .Text("luckPillars", c.luckPillars)
      .Text("luckNayinLine", c.luckNayinLine)
      .Text("luckTenGodLine", c.luckTenGodLine)
      .Text("birthdayText", c.birthdayText)
      .str();
}

}  // namespace

int RunChart(Context& ctx) {
  Panel panel;
  std::vector<std::string> rest = TakePanelOptions(ctx.args, panel);
  if (rest.size() != 1 || rest[0] != "--json") throw UsageError("chart prints JSON: add --json");
  BirthInput record;
  if (!RunInputStep(ctx, panel, BirthInputKind::Bazi, record)) return kInputMessage;
  BaziChart chart;
  data::ContentStore& store = Store(ctx);
  const std::string message = ComputeChart(store, chart, BirthMomentOf(panel, record));
  if (!message.empty()) {
    ctx.error = message;
    return kInputMessage;
  }
  ctx.out.Line(
      JsonObject().Raw("input", BirthInputJson(record)).Raw("chart", ChartJson(chart)).str());
  return kDone;
}

}  // namespace vessa::cli
