#pragma once

#include <string>

#include "core/input/birth_input.h"

namespace vessa::test {

// The input panel of a birth: the date as typed ("1980-1-1"), the clock hour of
// the hour list, the minute; the other fields at the panel's defaults.
inline Panel PanelFor(const std::string& surname, const std::string& given, const std::string& date, int hour = 0,
                      int minute = 0, const char* sex = "男", bool lunar = false) {
  Panel p;
  p.surname = surname;
  p.givenName = given;
  p.sex = sex;
  const std::size_t first = date.find('-'), second = date.find('-', first + 1);
  p.year = date.substr(0, first);
  p.month = date.substr(first + 1, second - first - 1);
  p.day = date.substr(second + 1);
  p.hour = std::string(kHourItems[static_cast<std::size_t>(hour)]);
  p.minute = std::to_string(minute);
  p.calendarIndex = lunar ? 1 : 0;
  return p;
}

}  // namespace vessa::test
