#pragma once

#include "cli/cli.h"
#include "core/reports/bazi_report.h"
#include "core/reports/report_buffer.h"

namespace vessa::cli {

int RunLunar(Context& ctx);
int RunSolar(Context& ctx);
int RunTerms(Context& ctx);
int RunInput(Context& ctx);
int RunChart(Context& ctx);
int RunBazi(Context& ctx);
int RunBirthInfoReading(Context& ctx);
int RunBoneWeightReading(Context& ctx);
int RunBloodTypeReading(Context& ctx);
int RunName(Context& ctx);
int RunThreeTalent(Context& ctx);
int RunNaming(Context& ctx);

// The year of the system clock, for ages.
int CurrentYear();
// Prints the lines of a reading.
void PrintLines(Context& ctx, const ReportBuffer& out);
// Prints a reading's lines; maps its outcome to the exit status.
int PrintReading(Context& ctx, const ReportBuffer& out, const ReadingResult& result);

}  // namespace vessa::cli
