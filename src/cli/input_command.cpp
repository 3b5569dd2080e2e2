#include "cli/commands.h"
#include "cli/panel_options.h"

namespace vessa::cli {

int RunInput(Context& ctx) {
  Panel panel;
  std::vector<std::string> rest = TakePanelOptions(ctx.args, panel);
  BirthInputKind kind = BirthInputKind::Bazi;
  bool json = false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == "--json") {
      json = true;
    } else if (rest[i] == "--kind" && i + 1 < rest.size()) {
      const std::string& k = rest[++i];
      if (k == "bazi") {
        kind = BirthInputKind::Bazi;
      } else if (k == "name") {
        kind = BirthInputKind::Name;
      } else if (k == "constellation") {
        kind = BirthInputKind::Constellation;
      } else {
        throw UsageError("--kind is bazi, name or constellation");
      }
    } else {
      throw UsageError("unexpected argument " + rest[i]);
    }
  }
  if (!json) throw UsageError("input prints JSON: add --json");
  BirthInput record;
  if (!RunInputStep(ctx, panel, kind, record)) return kInputMessage;
  ctx.out.Line(BirthInputJson(record));
  return kDone;
}

}  // namespace vessa::cli
