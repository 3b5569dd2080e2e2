#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/calendar_tables.h"
#include "core/calendar/lunar_calendar.h"
#include "core/calendar/month_grid.h"
#include "core/calendar/solar_terms.h"
#include "core/input/birth_input.h"
#include "core/text/date_text.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa::cli {

namespace {

Date DateArgument(const std::string& text) {
  auto d = TryParseDate(text);
  if (!d) throw UsageError("'" + text + "' is not a date of the form YYYY-MM-DD");
  return *d;
}

// A colour as the web writes it: "#RRGGBB".
std::string ColorText(CalendarColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

// The text followed by blanks up to `width` columns, a Chinese character two.
std::string PadTo(const std::string& s, std::size_t width) {
  const std::size_t used = gbk::ByteLength(s);
  return used >= width ? s + " " : s + text::Blanks(width - used);
}

constexpr std::size_t kMonthColumn = 8;  // "星期三" and two blanks

}  // namespace

int RunLunar(Context& ctx) {
  if (ctx.args.empty() || ctx.args.size() > 2) throw UsageError("expected FROM [TO]");
  Date from = DateArgument(ctx.args[0]);
  Date to = ctx.args.size() == 2 ? DateArgument(ctx.args[1]) : from;
  if (to < from) throw UsageError("TO lies before FROM");
  // A day the lunar table does not hold has no lunar date: a message, never a
  // row of zeros.
  for (const Date d : {from, to}) {
    if (SolarToLunar(d).IsZero()) {
      ctx.error = FormatDate(d) + "不在农历表的范围内（1900-01-31至2100-12-31）。";
      return kInputMessage;
    }
  }
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
  // A date the lunar table does not hold (a zero, a 30th of a short month, a
  // leap month the year lacks) is the input step's date message, never a date.
  const Date solar = LunarToSolar(l);
  if (solar == kNoSolarDate) {
    ctx.error = std::string(kCheckInputMessage);
    return kInputMessage;
  }
  ctx.out.Line(FormatDate(solar));
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

int RunMonth(Context& ctx) {
  std::vector<std::string> numbers;
  bool json = false;
  for (const auto& a : ctx.args) {
    if (a == "--json") {
      json = true;
    } else {
      numbers.push_back(a);
    }
  }
  if (numbers.size() != 2) throw UsageError("expected Y M");
  const int y = ParseInt(numbers[0], "the year", 1, 9999);
  const int m = ParseInt(numbers[1], "the month", 1, 12);
  if (y < kCalendarFirstYear || y > kCalendarLastYear) {
    char month[16];
    std::snprintf(month, sizeof month, "%04d-%02d", y, m);
    ctx.error = std::string(month) + "不在万年历的范围内（" + std::to_string(kCalendarFirstYear) +
                "-01至" + std::to_string(kCalendarLastYear) + "-12）。";
    return kInputMessage;
  }
  const MonthGrid grid = BuildMonthGrid(MakeDate(y, static_cast<unsigned>(m), 1));

  if (json) {
    std::string cells = "[";
    for (int c = 1; c <= kMonthGridCells; ++c) {
      const MonthCell& cell = grid.Cell(c);
      if (c > 1) cells += ",";
      cells += JsonObject()
                   .Number("cell", c)
                   .Number("day", cell.day)
                   .Text("lunarText", cell.lunarText)
                   .Text("color", ColorText(cell.lunarColor))
                   .Bool("visible", cell.visible)
                   .str();
    }
    cells += "]";
    ctx.out.Line(JsonObject()
                     .Number("year", grid.year)
                     .Number("month", grid.month)
                     .Text("zodiac", grid.zodiac)
                     .Raw("cells", cells)
                     .str());
    return kDone;
  }

  ctx.out.Line(std::to_string(grid.year) + "年" + std::to_string(grid.month) + "月 " + grid.zodiac);
  std::string header;
  for (const char* name : {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"}) {
    header += PadTo(name, kMonthColumn);
  }
  ctx.out.Line(text::TrimRight(header));
  for (int row = 0; row * 7 < kMonthGridCells; ++row) {
    std::string days, texts;
    bool any = false;
    for (int c = row * 7 + 1; c <= row * 7 + 7 && c <= kMonthGridCells; ++c) {
      const MonthCell& cell = grid.Cell(c);
      any = any || cell.visible;
      days += PadTo(cell.visible ? cell.dayText : "", kMonthColumn);
      texts += PadTo(cell.visible ? cell.lunarText : "", kMonthColumn);
    }
    if (!any) continue;
    ctx.out.Line(text::TrimRight(days));
    ctx.out.Line(text::TrimRight(texts));
  }
  return kDone;
}

}  // namespace vessa::cli
