#pragma once

#include "core/input/birth_input.h"
#include "core/reports/constellation_texts.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"

namespace vessa {

// The constellation reading: the person line, then under a rule and its heading
// the text of each topic, and the closing line. Clears out first. A failed topic
// lookup throws SilentAbort; the lines written before stay.
void WriteConstellationReport(const ReadingEnv& env, const BirthInput& birth, ReportBuffer& out);

// One topic for the person of the last request: false, and out untouched, unless
// the surname, the given name and the constellation are all known.
bool WriteConstellationTopic(const ReadingEnv& env, const BirthInput& birth,
                             ConstellationTopic topic, ReportBuffer& out);

// "星座运程", the intelligence text for the person of the last request, under
// the same condition.
bool WriteConstellationOutlook(const BirthInput& birth, ReportBuffer& out);

}  // namespace vessa
