#pragma once

#include <string_view>

#include "core/data/content_store.h"
#include "core/reports/report_buffer.h"

namespace vessa {

// The Zhuge divination in the result pane: the pane is cleared, then the three
// characters as the dialog joined them, the sign's title and its text, each after
// four blanks. A failing lookup throws SilentAbort; what was written stays.
void WriteZhugeReading(const data::ContentStore& store, std::string_view joined, ReportBuffer& out);

}  // namespace vessa
