#include "cli/commands.h"
#include "cli/cli.h"
#include "cli/panel_options.h"
#include "core/text/text.h"

namespace vessa::cli {

int ParseInt(std::string_view text, std::string_view what, int min, int max) {
  std::int64_t v = 0;
  if (!text::TryToInt(text, v) || v < min || v > max || text.empty() || text.front() == ' ') {
    throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(min) +
                     " to " + std::to_string(max) + ", not '" + std::string(text) + "'");
  }
  return static_cast<int>(v);
}

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = [] {
    std::vector<Command> c = {
        {"lunar", "FROM [TO]", "lunar date of every day from FROM to TO (YYYY-MM-DD)", RunLunar},
        {"solar", "Y M D [--leap]", "solar date of a lunar date", RunSolar},
        {"terms", "YEAR", "the 24 solar terms of a year, 小寒 first", RunTerms},
        {"input", "[PANEL] [--kind bazi|name|constellation] --json",
         "the birth data that the input step makes of the panel, as JSON", RunInput},
        {"chart", "[PANEL] --json",
         "the birth data and the four-pillar chart of the panel, as JSON", RunChart},
    };
    // Every reading of the pane that has a command.
    for (const Reading& reading : Readings()) {
      if (reading.cliName.empty()) continue;
      c.push_back({reading.cliName, "[PANEL]", reading.summary,
                   [&reading](Context& ctx) { return RunPaneReading(ctx, reading); }});
    }
    c.push_back(
        {"naming", "SURNAME [--one] [--pick N] [--test GIVEN]",
         "the naming assistant: stroke proposals, the characters of proposal N, the test of "
         "a given name",
         RunNaming});
    c.push_back(
        {"almanac", "DATE [--json] | FROM TO",
         "the almanac entry of a day (YYYY-MM-DD, 1901-2100): the day line and its 17 lines, "
         "or one line per day from FROM to TO: the date and the nine columns, tab-separated",
         RunAlmanac});
    c.push_back(
        {"goodday", "ACTIVITY FROM TO",
         "the days from FROM to TO good for ACTIVITY and not bad for it: the date, a tab, the "
         "lunar date",
         RunGoodDay, GoodDayHelp});
    return c;
  }();
  return commands;
}

}  // namespace vessa::cli
