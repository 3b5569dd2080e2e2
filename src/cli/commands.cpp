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
  static const std::vector<Command> commands = {
      {"lunar", "FROM [TO]", "lunar date of every day from FROM to TO (YYYY-MM-DD)", RunLunar},
      {"solar", "Y M D [--leap]", "solar date of a lunar date", RunSolar},
      {"terms", "YEAR", "the 24 solar terms of a year, 小寒 first", RunTerms},
      {"input", "[PANEL] [--kind bazi|name|constellation] --json",
       "the birth data that the input step makes of the panel, as JSON", RunInput},
      {"chart", "[PANEL] --json", "the birth data and the four-pillar chart of the panel, as JSON",
       RunChart},
      {"bazi", "[PANEL]", "the detailed Bazi reading (八字详批)", RunBazi},
      {"birthinfo", "[PANEL]", "the birth information reading (生辰信息)", RunBirthInfoReading},
      {"boneweight", "[PANEL]", "the bone weight reading (称骨算命)", RunBoneWeightReading},
      {"bloodtype", "[PANEL]", "the blood-type reading (血型论命)", RunBloodTypeReading},
      {"name", "[PANEL]", "the name reading (姓名详批)", RunName},
      {"threetalent", "[PANEL]", "the three-talent reading of the name (三才吉凶)", RunThreeTalent},
      {"naming", "SURNAME [--one] [--pick N] [--test GIVEN]",
       "the naming assistant: stroke proposals, the characters of proposal N, the test of a given "
       "name",
       RunNaming},
  };
  return commands;
}

}  // namespace vessa::cli
