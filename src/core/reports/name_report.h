#pragma once

#include "core/input/birth_input.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"

namespace vessa {

inline constexpr std::string_view kNameSeparator =
    "-----------------------------------------------------------------";
inline constexpr std::string_view kNameClosing =
    "--以上测算紧着参考------------------------------------------------";

// The name reading: the person line, the scores of the five grids and the three
// talents, the 81-number texts of each grid, the three-talent reading, the hints
// and the summary. Clears out first. A failing stroke, grade or number lookup
// throws SilentAbort and a failing sancai2009 lookup ReportedError; the lines
// written before stay in out.
// The word of an overall name score: 90 and above 大吉, 80-89 吉, 70-79 半吉,
// 60-69 凶, below 60 大凶.
std::string_view ScoreBand(double score);

void NameReport(const ReadingEnv& env, const BirthInput& birth, ReportBuffer& out);

}  // namespace vessa
