#include <ctime>

#include "cli/commands.h"
#include "cli/panel_options.h"
#include "core/reports/reading.h"

namespace vessa::cli {

int CurrentYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

void PrintLines(Context& ctx, const ReportBuffer& out) {
  for (const auto& line : out.Lines()) ctx.out.Line(line);
}

int RunPaneReading(Context& ctx, const Reading& reading, std::vector<std::string> answers) {
  Panel panel;
  if (auto rest = TakePanelOptions(ctx.args, panel); !rest.empty())
    throw UsageError("unexpected argument " + rest.front());
  data::ContentStore& store = Store(ctx);
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  ReadingTarget target{birth, chart, out};
  const ReadingOutcome outcome =
      RunReading(reading, reading.cliInput, {store, CurrentYear(), nullptr, std::move(answers)},
                 panel, target);
  // What the reading wrote stays on stdout whatever stopped it.
  if (outcome.paneChanged) PrintLines(ctx, out);
  switch (outcome.kind) {
    case OutcomeKind::Done:
      return kDone;
    case OutcomeKind::DoneWithMissing:
      for (const std::string& line : outcome.missing)
        ctx.error += (ctx.error.empty() ? "" : "\n") + line;
      return kMissingPieces;
    case OutcomeKind::InputMessage:
      ctx.error = outcome.message;
      return kInputMessage;
    case OutcomeKind::Stopped:
      ctx.error = "the reading stopped: " + outcome.message;
      return kStopped;
    case OutcomeKind::ErrorBox:
      ctx.error = outcome.message;
      return kErrorBox;
  }
  return kDone;
}

}  // namespace vessa::cli
