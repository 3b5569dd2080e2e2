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
        {"month", "Y M [--json]",
         "the perpetual calendar's grid of a month of 1901-2100: each day over its lunar day, "
         "festival or term",
         RunMonth},
        {"input", "[PANEL] [--kind bazi|name|constellation] --json",
         "the birth data that the input step makes of the panel, as JSON", RunInput},
        {"chart", "[PANEL] --json",
         "the birth data and the four-pillar chart of the panel, as JSON", RunChart},
    };
    // Every reading of the pane that has a command.
    for (const Reading& reading : Readings()) {
      if (reading.cliName.empty()) continue;
      if (reading.ask == ReadingAsk::ThreeCharacters) {
        c.push_back({reading.cliName, "CHARS [--json]", reading.summary,
                     [&reading](Context& ctx) { return RunZhuge(ctx, reading); }});
        continue;
      }
      c.push_back({reading.cliName, "[PANEL]", reading.summary,
                   [&reading](Context& ctx) { return RunPaneReading(ctx, reading); }});
    }
    c.push_back({"naming", "SURNAME [--one] [--pick N [--all]] [--test GIVEN]",
                 "the naming assistant: stroke proposals, the characters of proposal N fit for a "
                 "name (60 at most; --all: the whole stroke-table row), the test of a given name",
                 RunNaming});
    c.push_back({"article", "KEY", "an article of the library (a1 … a8, b1 … b13)", RunArticle});
    c.push_back({"articles", "", "the keys and titles of the articles", RunArticles});
    c.push_back({"topic", "N [PANEL]",
                 "constellation topic N of the panel's person: 0 情商解析, 1 星座实力, 2 星座名人, "
                 "3 身体保健, 4 五大建议, 6 星座缺陷",
                 RunTopic});
    AddNumberCommands(c);
    c.push_back({"hexagram", "[--lines DDDDDD | --auto [--seed N]] [--json]",
                 "a coin hexagram (金钱卦): six lines from the bottom, 1 yang (back) 0 yin "
                 "(front), or an automatic cast (the default)",
                 RunHexagram});
    c.push_back({"fingerprint", "CODE",
                 "the fingerprint reading (指纹算命) of up to five letters o (whorl) or x (loop), "
                 "from the thumb",
                 RunFingerprint});
    c.push_back({"omen", "KIND [HOUR]",
                 "a folk-omen page (KIND 0-6: 打喷嚏 面热 心惊 犬吠 眼跳 耳热 耳鸣), or the "
                 "reading of the clock hour HOUR (0-23)",
                 RunOmen});
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
