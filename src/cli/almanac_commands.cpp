// The almanac on the command line: the entry of a day as the window shows it, the
// entries of a span of days, and the search for days good for an activity. All of
// them read the table huangdao of MorBirth.dll, as the window does.
#include <cctype>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/json.h"
#include "core/almanac/day_facts.h"
#include "core/almanac/huangdao_lookup.h"
#include "core/data/content_store.h"
#include "core/text/date_text.h"

namespace vessa::cli {

namespace {

using almanac::kFirstAlmanacDay;
using almanac::kLastAlmanacDay;

// The prompt the window shows for a date that does not exist.
constexpr std::string_view kNoSuchDate = "请选择有效的日期!";

// Digits, "-", digits, "-", digits: the form of a date, whether or not the day exists.
bool HasDateForm(std::string_view text) {
  int groups = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == start || i - start > 4) return false;
    ++groups;
    if (i == text.size()) break;
    if (text[i] != '-' || groups == 3) return false;
    ++i;
  }
  return groups == 3 && text.back() != '-';
}

// A date argument of the almanac commands: a malformed text is a usage error; a
// date that does not exist, or lies outside the almanac's years, is an input
// message (exit 1) with the reason in ctx.error.
std::optional<Date> AlmanacDate(Context& ctx, const std::string& text) {
  if (!HasDateForm(text)) throw UsageError("'" + text + "' is not a date of the form YYYY-MM-DD");
  const std::optional<Date> date = TryParseDate(text);
  if (!date.has_value()) {
    ctx.error = std::string(kNoSuchDate) + " " + text;
    return std::nullopt;
  }
  if (*date < kFirstAlmanacDay || *date > kLastAlmanacDay) {
    ctx.error = "黄历的日期须在" + FormatDate(kFirstAlmanacDay) + "至" +
                FormatDate(kLastAlmanacDay) + "之间：" + text;
    return std::nullopt;
  }
  return date;
}

// A query object on MorBirth.dll beside the program, opened for this one command.
data::Query MorBirth(Context& ctx) {
  return data::Query(Store(ctx).MorBirthConnection());
}

std::string MissingRow(std::string_view date) {
  return "MorBirth.dll: the almanac has no row for " + std::string(date);
}

int PrintDay(Context& ctx, Date date, bool json) {
  const std::string gn = FormatDate(date);
  const std::optional<almanac::Entry> entry = almanac::LookupHuangdao(MorBirth(ctx), gn);
  if (!entry.has_value()) {
    ctx.error = MissingRow(gn);
    return kMissingPieces;
  }
  if (json) {
    JsonObject object;
    object.Text("gn", gn);
    for (std::size_t c = 1; c < almanac::kHuangdaoColumns.size(); ++c) {
      const std::string_view column = almanac::kHuangdaoColumns[c];
      object.Text(column, almanac::ColumnOf(*entry, column));
    }
    ctx.out.Line(object.str());
    return kDone;
  }
  ctx.out.Line(almanac::DayLine(gn, *entry));
  for (const std::string& line : almanac::EntryLines(*entry)) ctx.out.Line(line);
  return kDone;
}

int PrintDays(Context& ctx, Date from, Date to) {
  const std::vector<almanac::HuangdaoRow> rows = almanac::HuangdaoRows(MorBirth(ctx), from, to);
  std::string& out = ctx.out.Buffer();
  out.reserve(rows.size() * 720);
  for (const almanac::HuangdaoRow& row : rows) {
    out += row.gn;
    for (const almanac::LabelledColumn& c : almanac::kEntryLines) {
      out += '\t';
      out += almanac::ColumnOf(row.entry, c.column);
    }
    out += '\n';
  }
  const auto expected = static_cast<std::size_t>((to - from).count() + 1);
  if (rows.size() != expected) {
    ctx.error = "MorBirth.dll: the almanac lacks " + std::to_string(expected - rows.size()) +
                " of the days from " + FormatDate(from) + " to " + FormatDate(to);
    return kMissingPieces;
  }
  return kDone;
}

}  // namespace

int RunAlmanac(Context& ctx) {
  bool json = false;
  std::vector<std::string> dates;
  for (const std::string& a : ctx.args) {
    if (a == "--json") {
      json = true;
    } else if (!a.empty() && a.front() == '-' && !HasDateForm(a)) {
      throw UsageError("unknown option " + a);
    } else {
      dates.push_back(a);
    }
  }
  if (dates.empty() || dates.size() > 2) throw UsageError("expected DATE or FROM TO");
  if (json && dates.size() == 2) throw UsageError("--json takes one DATE");
  const std::optional<Date> from = AlmanacDate(ctx, dates[0]);
  if (!from.has_value()) return kInputMessage;
  if (dates.size() == 1) return PrintDay(ctx, *from, json);
  const std::optional<Date> to = AlmanacDate(ctx, dates[1]);
  if (!to.has_value()) return kInputMessage;
  if (*to < *from) throw UsageError("TO lies before FROM");
  return PrintDays(ctx, *from, *to);
}

int RunGoodDay(Context& ctx) {
  if (ctx.args.size() != 3) throw UsageError("expected ACTIVITY FROM TO");
  const std::string& activity = ctx.args[0];
  if (!almanac::IsActivity(activity)) {
    throw UsageError("'" + activity + "' is not one of the activities (see goodday --help)");
  }
  const std::optional<Date> from = AlmanacDate(ctx, ctx.args[1]);
  if (!from.has_value()) return kInputMessage;
  const std::optional<Date> to = AlmanacDate(ctx, ctx.args[2]);
  if (!to.has_value()) return kInputMessage;
  if (*to < *from) throw UsageError("TO lies before FROM");
  for (const almanac::GoodDay& day : almanac::GoodDays(MorBirth(ctx), activity, *from, *to)) {
    ctx.out.Line(day.gn + "\t" + day.nn);
  }
  return kDone;
}

std::string GoodDayHelp() {
  std::string text = "ACTIVITY is one of the activities that 宜 and 忌 name:\n";
  std::string line;
  for (std::string_view name : almanac::ActivityNames()) {
    if (!line.empty() && line.size() + name.size() > 60) {
      text += "  " + line + "\n";
      line.clear();
    }
    if (!line.empty()) line += ' ';
    line += name;
  }
  if (!line.empty()) text += "  " + line + "\n";
  return text;
}

}  // namespace vessa::cli
