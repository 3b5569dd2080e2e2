#pragma once

#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/input/birth_input.h"

namespace vessa::cli {

// Takes the panel options out of args, filling panel (which starts at the input
// panel's defaults):
//   --surname TEXT --given TEXT --sex 男|女 --blood A型|B型|O型|AB型
//   --date Y-M-D [--lunar] --hour 0..23 --minute 0..59
// Returns the arguments that are not panel options. Throws UsageError.
std::vector<std::string> TakePanelOptions(const std::vector<std::string>& args, Panel& panel);

inline constexpr std::string_view kPanelUsage =
    "[--surname TEXT] [--given TEXT] [--sex 男|女] [--blood A型|B型|O型|AB型] [--date Y-M-D] "
    "[--lunar] "
    "[--hour 0..23] [--minute 0..59]";

// A name as the window's name edits hold it: GBK characters, at most two
// Chinese characters (4 GBK bytes). Throws UsageError naming the option.
const std::string& CheckNameText(const std::string& text, std::string_view option);

// Runs the input step; on a message sets ctx.error and returns false.
bool RunInputStep(Context& ctx, const Panel& panel, BirthInputKind kind, BirthInput& record);

// The record as a JSON object, every field under its own name.
std::string BirthInputJson(const BirthInput& record);

}  // namespace vessa::cli
