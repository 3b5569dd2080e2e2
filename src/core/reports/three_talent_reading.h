#pragma once

#include "core/input/birth_input.h"
#include "core/data/content_store.h"
#include "core/reports/report_buffer.h"

namespace vessa {

// Writes the stored three-talent reading of the current names (those the last
// request that read the input panel stored). Does nothing and returns false when
// either name is empty. query is the main window's long-lived query object. A
// failing lookup throws SilentAbort before the pane is touched.
bool ThreeTalentReading(const data::Query& query, const data::ContentStore& store,
                        const BirthInput& current, ReportBuffer& out);

}  // namespace vessa
