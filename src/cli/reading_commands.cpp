#include <ctime>

#include "cli/commands.h"
#include "cli/panel_options.h"
#include "core/reports/bazi_report.h"

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

int PrintReading(Context& ctx, const ReportBuffer& out, const ReadingResult& result) {
  if (!result.input.ok()) {
    ctx.error = result.input.message;
    return kInputMessage;
  }
  PrintLines(ctx, out);
  if (result.stopped) {
    ctx.error = "the reading stopped: " + result.stopReason;
    return kStopped;
  }
  return kDone;
}

namespace {

Panel PanelOnly(Context& ctx) {
  Panel panel;
  std::vector<std::string> rest = TakePanelOptions(ctx.args, panel);
  if (!rest.empty()) throw UsageError("unexpected argument " + rest.front());
  return panel;
}

int RunBirthInfo(Context& ctx, BirthInfoMode mode) {
  const Panel panel = PanelOnly(ctx);
  data::ContentStore store(ctx.exe_folder);
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  return PrintReading(ctx, out,
                      WriteBirthInfoReport({store, CurrentYear()}, mode, panel, birth, chart, out));
}

}  // namespace

int RunBazi(Context& ctx) {
  const Panel panel = PanelOnly(ctx);
  data::ContentStore store(ctx.exe_folder);
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  return PrintReading(ctx, out, WriteBaziReport({store, CurrentYear()}, panel, birth, chart, out));
}

int RunBirthInfoReading(Context& ctx) { return RunBirthInfo(ctx, BirthInfoMode::BirthInfo); }
int RunBoneWeightReading(Context& ctx) { return RunBirthInfo(ctx, BirthInfoMode::BoneWeight); }
int RunBloodTypeReading(Context& ctx) { return RunBirthInfo(ctx, BirthInfoMode::BloodType); }

}  // namespace vessa::cli
