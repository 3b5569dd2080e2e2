#pragma once

#include <string>

#include "core/bazi/bazi_chart.h"
#include "core/input/birth_input.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"

// The detailed Bazi reading and its shorter relatives (birth information, bone
// weight, blood type).
namespace vessa {

inline constexpr std::string_view kBaziSeparator =
    "<-----------------------批八字内容分隔线----------------------------->";

// Clears out and writes the whole detailed reading of the birth that the input
// step filled. chart is the current chart, overwritten by the reading. The whole
// reading runs under one guard: any failure ends it where it is and comes out as
// SilentAbort carrying the reason; the lines written stay.
void WriteBaziReport(const ReadingEnv& env, const Panel& panel, const BirthInput& birth,
                     BaziChart& chart, ReportBuffer& out);

enum class BirthInfoMode { BirthInfo = 0, BoneWeight = 1, BloodType = 9 };

// The shorter relatives: the chart block, then a tail chosen by the mode.
void WriteBirthInfoReport(const ReadingEnv& env, BirthInfoMode mode, const Panel& panel,
                          const BirthInput& birth, BaziChart& chart, ReportBuffer& out);

}  // namespace vessa
