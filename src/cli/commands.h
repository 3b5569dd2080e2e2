#pragma once

#include "cli/cli.h"

namespace vessa::cli {

int RunLunar(Context& ctx);
int RunSolar(Context& ctx);
int RunTerms(Context& ctx);
int RunInput(Context& ctx);
int RunChart(Context& ctx);

}  // namespace vessa::cli
