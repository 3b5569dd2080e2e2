#include <string>

#include "cli/commands.h"
#include "core/calendar/lunar_calendar.h"
#include "core/calendar/solar_terms.h"
#include "core/text/date_text.h"

namespace vessa::cli {

namespace {

Date DateArgument(const std::string& text) {
  auto d = TryParseDate(text);
  if (!d) throw UsageError("'" + text + "' is not a date of the form YYYY-MM-DD");
  return *d;
}

}  // namespace

int RunLunar(Context& ctx) {
  if (ctx.args.empty() || ctx.args.size() > 2) throw UsageError("expected FROM [TO]");
  Date from = DateArgument(ctx.args[0]);
  Date to = ctx.args.size() == 2 ? DateArgument(ctx.args[1]) : from;
  if (to < from) throw UsageError("TO lies before FROM");
  std::string& out = ctx.out.Buffer();
  out.reserve(static_cast<std::size_t>((to - from).count() + 1) * 48);
  for (Date d = from; d <= to; d += std::chrono::days{1}) {
    LunarDate l = SolarToLunar(d);
    out += FormatDate(d);
    out += '\t';
    out += std::to_string(l.year);
    out += '\t';
    out += std::to_string(l.month);
    out += '\t';
    out += std::to_string(l.day);
    out += l.leap ? "\t1\t" : "\t0\t";
    if (!l.IsZero()) out += LunarDateText(l);
    out += '\n';
  }
  return kDone;
}

int RunSolar(Context& ctx) {
  std::vector<std::string> numbers;
  bool leap = false;
  for (const auto& a : ctx.args) {
    if (a == "--leap") {
      leap = true;
    } else {
      numbers.push_back(a);
    }
  }
  if (numbers.size() != 3) throw UsageError("expected Y M D");
  LunarDate l{ParseInt(numbers[0], "the year", 0, 9999), ParseInt(numbers[1], "the month", 0, 99),
              ParseInt(numbers[2], "the day", 0, 99), leap};
  ctx.out.Line(FormatDate(LunarToSolar(l)));
  return kDone;
}

int RunTerms(Context& ctx) {
  if (ctx.args.size() != 1) throw UsageError("expected YEAR");
  const int year = ParseInt(ctx.args[0], "the year", kTermFirstYear, kTermLastYear);
  for (int n = 0; n < 24; ++n) {
    ctx.out.Line(std::string(SolarTermNames[static_cast<std::size_t>(n)]) + "\t" +
                 FormatDateTimeSeconds(*SolarTermInstant(year, n)));
  }
  return kDone;
}

}  // namespace vessa::cli
