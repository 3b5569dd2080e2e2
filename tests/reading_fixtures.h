#pragma once

#include <string_view>

#include "core/reports/reading.h"

namespace vessa::test {

// Runs one reading of the registry as the window does: its input step once, then
// its writer, into the given state.
inline ReadingOutcome RunById(std::string_view id, const ReadingEnv& env, const Panel& panel,
                              BirthInput& birth, BaziChart& chart, ReportBuffer& out) {
  ReadingTarget target{birth, chart, out};
  return RunReading(*FindReading(id), env, panel, target);
}

inline std::string_view BirthInfoId(int mode) {
  return mode == 0 ? "birthinfo" : mode == 1 ? "boneweight" : "bloodtype";
}

}  // namespace vessa::test
