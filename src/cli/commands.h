#pragma once

#include "cli/cli.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"

namespace vessa::cli {

int RunLunar(Context& ctx);
int RunSolar(Context& ctx);
int RunTerms(Context& ctx);
int RunMonth(Context& ctx);
int RunInput(Context& ctx);
int RunChart(Context& ctx);
int RunNaming(Context& ctx);
int RunArticle(Context& ctx);
int RunArticles(Context& ctx);
int RunTopic(Context& ctx);
// phone, qq, number, qqpair, nickname.
void AddNumberCommands(std::vector<Command>& commands);
int RunAlmanac(Context& ctx);
int RunGoodDay(Context& ctx);
// The activity list that goodday --help publishes.
std::string GoodDayHelp();
// Any reading of the pane: the panel options, the reading, its outcome as the
// exit status.
// `answers` are what the reading asks beyond the panel (ReadingEnv::answers).
int RunPaneReading(Context& ctx, const Reading& reading, std::vector<std::string> answers = {});
// A reading that asks for three characters: CHARS [--json].
int RunZhuge(Context& ctx, const Reading& reading);
int RunHexagram(Context& ctx);
int RunFingerprint(Context& ctx);
int RunOmen(Context& ctx);

// The year of the system clock, for ages.
int CurrentYear();
// Prints the lines of a reading.
void PrintLines(Context& ctx, const ReportBuffer& out);

}  // namespace vessa::cli
