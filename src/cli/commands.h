#pragma once

#include "cli/cli.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"

namespace vessa::cli {

int RunLunar(Context& ctx);
int RunSolar(Context& ctx);
int RunTerms(Context& ctx);
int RunInput(Context& ctx);
int RunChart(Context& ctx);
int RunNaming(Context& ctx);
int RunAlmanac(Context& ctx);
int RunGoodDay(Context& ctx);
// The activity list that goodday --help publishes.
std::string GoodDayHelp();
// Any reading of the pane: the panel options, the reading, its outcome as the
// exit status.
int RunPaneReading(Context& ctx, const Reading& reading);

// The year of the system clock, for ages.
int CurrentYear();
// Prints the lines of a reading.
void PrintLines(Context& ctx, const ReportBuffer& out);

}  // namespace vessa::cli
