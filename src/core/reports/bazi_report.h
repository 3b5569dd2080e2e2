#pragma once

#include <string>

#include "core/input/birth_input.h"
#include "core/bazi/bazi_chart.h"
#include "core/data/content_store.h"
#include "core/reports/report_buffer.h"

// The detailed Bazi reading and its shorter relatives (birth information, bone
// weight, blood type).
namespace vessa {

// What a reading needs from around it; the core reads no clock or global.
struct ReadingEnv {
  const data::ContentStore& store;  // the databases; the rule files lie in its folder
  int nowYear;                      // the year of the system clock
};

// How a reading went.
struct ReadingResult {
  InputCheck input;         // a message: nothing was written, the pane keeps its reading
  bool stopped = false;     // a failure ended the reading; the lines written stay
  std::string stopReason;   // why, for logs and the command line
  bool scrollToTop = true;  // whether the view goes back to the first line
};

inline constexpr std::string_view kBaziSeparator =
    "<-----------------------批八字内容分隔线----------------------------->";

// Runs the input step again, clears out and writes the whole detailed reading.
// A solar date that does not exist throws ConversionError before anything is
// written. chart is the current chart, overwritten by the reading.
ReadingResult WriteBaziReport(const ReadingEnv& env, const Panel& panel, BirthInput& birth,
                              BaziChart& chart, ReportBuffer& out);

enum class BirthInfoMode { BirthInfo = 0, BoneWeight = 1, BloodType = 9 };

ReadingResult WriteBirthInfoReport(const ReadingEnv& env, BirthInfoMode mode, const Panel& panel,
                                   BirthInput& birth, BaziChart& chart, ReportBuffer& out);

}  // namespace vessa
