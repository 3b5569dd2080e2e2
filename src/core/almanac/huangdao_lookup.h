#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/almanac/almanac_rules.h"
#include "core/data/content_store.h"
#include "core/text/date_text.h"

// The almanac as the program reads it back: the table huangdao of MorBirth.dll,
// one row a day, and the lines the window and the command line make of a row.
namespace vessa::almanac {

// The columns of huangdao, the date gn first.
inline constexpr std::array<std::string_view, 11> kHuangdaoColumns = {
    "gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};

// The nine columns of the result pane, in the window's order, with their labels.
struct LabelledColumn {
  std::string_view column;
  std::string_view label;
};
inline constexpr std::array<LabelledColumn, 9> kEntryLines = {{
    {"suici", "岁次:"},
    {"tszf", "每日胎神占方:"},
    {"wuhang", "五行:"},
    {"cong", "冲:"},
    {"pzbj", "彭祖百忌:"},
    {"jsyq", "吉神宜趋:"},
    {"yi", "宜:"},
    {"xsyq", "凶神宜忌:"},
    {"ji", "忌:"},
}};

// The text of a column of an entry by its name; "" for any other name.
std::string_view ColumnOf(const Entry& e, std::string_view column);

// The statement the window issues for a date as the boxes joined it.
std::string HuangdaoStatement(std::string_view dateText);

// The row of a day: "Select top 1 * from huangdao where gn = #" + dateText + "#",
// every column read by name and trimmed; nullopt when the table has no such day.
// A missing file or a failed statement throws ReportedError (the report policy).
std::optional<Entry> LookupHuangdao(const data::Query& query, std::string_view dateText);

struct HuangdaoRow {
  std::string gn;  // yyyy-mm-dd
  Entry entry;
};
// The rows from `from` to `to`, both included, in date order; the days the table
// lacks are simply not there.
std::vector<HuangdaoRow> HuangdaoRows(const data::Query& query, Date from, Date to);

// The result pane's 17 lines: each of the nine labels with its value, an empty
// line between two of them.
std::vector<std::string> EntryLines(const Entry& e);
// The day line: the date as the boxes joined it, two blanks, nn.
std::string DayLine(std::string_view dateText, const Entry& e);

// Whether a 宜 or 忌 text names the activity as one of its words.
bool ListHolds(std::string_view list, std::string_view activity);
// Whether the name is one of the activities 宜 and 忌 use.
bool IsActivity(std::string_view name);

// The days from `from` to `to` whose 宜 holds the activity and whose 忌 does not
// (a 忌 of "诸事不宜" forbids every activity).
struct GoodDay {
  std::string gn;
  std::string nn;
};
std::vector<GoodDay> GoodDays(const data::Query& query, std::string_view activity, Date from,
                              Date to);

}  // namespace vessa::almanac
