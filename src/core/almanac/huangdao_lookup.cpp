#include "core/almanac/huangdao_lookup.h"

#include <algorithm>

#include "core/data/sql_text.h"
#include "core/text/text.h"

namespace vessa::almanac {

namespace {

constexpr std::string_view kAllForbidden = "诸事不宜";

Entry EntryOfRow(const data::Row& row) {
  Entry e;
  e.nn = row.Text("nn");
  e.suici = row.Text("suici");
  e.tszf = row.Text("tszf");
  e.wuhang = row.Text("wuhang");
  e.cong = row.Text("cong");
  e.pzbj = row.Text("pzbj");
  e.jsyq = row.Text("jsyq");
  e.yi = row.Text("yi");
  e.xsyq = row.Text("xsyq");
  e.ji = row.Text("ji");
  return e;
}

std::string RangeCondition(Date from, Date to) {
  return data::WithDate("gn >= #", from, "#") + data::WithDate(" and gn <= #", to, "#");
}

}  // namespace

std::string_view ColumnOf(const Entry& e, std::string_view column) {
  if (column == "nn") return e.nn;
  if (column == "suici") return e.suici;
  if (column == "tszf") return e.tszf;
  if (column == "wuhang") return e.wuhang;
  if (column == "cong") return e.cong;
  if (column == "pzbj") return e.pzbj;
  if (column == "jsyq") return e.jsyq;
  if (column == "yi") return e.yi;
  if (column == "xsyq") return e.xsyq;
  if (column == "ji") return e.ji;
  return {};
}

std::string HuangdaoStatement(std::string_view dateText) {
  return "Select top 1 * from huangdao where gn = #" + std::string(dateText) + "#";
}

std::optional<Entry> LookupHuangdao(const data::Query& query, std::string_view dateText) {
  const std::optional<data::Row> row =
      query.First(HuangdaoStatement(dateText), data::FailurePolicy::Report);
  if (!row.has_value()) return std::nullopt;
  return EntryOfRow(*row);
}

std::vector<HuangdaoRow> HuangdaoRows(const data::Query& query, Date from, Date to) {
  const std::vector<data::Row> rows =
      query.Open("Select * from huangdao where " + RangeCondition(from, to) + " order by gn",
                 data::FailurePolicy::Report, true);
  std::vector<HuangdaoRow> out;
  out.reserve(rows.size());
  for (const data::Row& row : rows) out.push_back({row.Text("gn"), EntryOfRow(row)});
  return out;
}

std::vector<std::string> EntryLines(const Entry& e) {
  std::vector<std::string> lines;
  for (const LabelledColumn& c : kEntryLines) {
    if (!lines.empty()) lines.emplace_back();
    lines.push_back(std::string(c.label) + std::string(ColumnOf(e, c.column)));
  }
  return lines;
}

std::string DayLine(std::string_view dateText, const Entry& e) {
  return std::string(dateText) + "  " + e.nn;
}

bool ListHolds(std::string_view list, std::string_view activity) {
  if (activity.empty()) return false;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(' ', start), list.size());
    if (list.substr(start, end - start) == activity) return true;
    start = end + 1;
  }
  return false;
}

bool IsActivity(std::string_view name) {
  const auto& names = ActivityNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<GoodDay> GoodDays(const data::Query& query, std::string_view activity, Date from,
                              Date to) {
  std::vector<GoodDay> days;
  if (!IsActivity(activity)) return days;
  // LIKE narrows the rows; the word test below decides (开市 must not match 开市吉).
  const std::vector<data::Row> rows =
      query.Open("Select gn, nn, yi, ji from huangdao where " + RangeCondition(from, to) +
                     " and yi like " + data::QuotedLike(activity) + " order by gn",
                 data::FailurePolicy::Report, true);
  for (const data::Row& row : rows) {
    const std::string& ji = row.Text("ji");
    if (ListHolds(row.Text("yi"), activity) && ji != kAllForbidden && !ListHolds(ji, activity)) {
      days.push_back({row.Text("gn"), row.Text("nn")});
    }
  }
  return days;
}

}  // namespace vessa::almanac
