#pragma once

#include <string>

#include "core/text/date_text.h"

// The table huangdao of MorBirth.dll as TSV text: a comment naming its
// generator, the header line of the eleven columns, then one row a day from
// `from` to `to` (both included, clamped to the days the almanac covers).
namespace vessa::tools {

std::string HuangdaoTable(Date from, Date to);

}  // namespace vessa::tools
