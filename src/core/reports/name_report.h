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
void NameReport(const ReadingEnv& env, const BirthInput& birth, ReportBuffer& out);

}  // namespace vessa
