#pragma once

#include <string>

#include "core/bazi/bazi_chart.h"
#include "core/input/birth_input.h"

// The birth moment a chart is computed from, as the input step leaves it: the
// solar date of BirthInput, the clock hour of its hour item, and the panel's
// minute and sex, which the record does not copy.
namespace vessa {

struct BirthMoment {
  Date solar;
  int year = 0, month = 0, day = 0;  // of the solar date
  int hour = 0;                      // [0, 23]
  int minute = 0;                    // as typed
  std::string minuteText;            // the minute field, trimmed
  std::string sex;                   // the sex field, trimmed
};

// Throws ConversionError when the record's texts are not numbers.
BirthMoment BirthMomentOf(const Panel& panel, const BirthInput& birth);

// ComputeChart of the moment; "" or the date-check message.
std::string ComputeChart(const data::ContentStore& store, BaziChart& chart,
                         const BirthMoment& moment);

}  // namespace vessa
