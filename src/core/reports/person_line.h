#pragma once

#include <string>

#include "core/input/birth_input.h"

namespace vessa {

// The first line of the name and constellation readings: the names, the age in
// nowYear (a plain difference of years), the solar date as "yyyy年MM月dd日", the
// clock hour, the lunar date, the zodiac animal and the constellation.
std::string PersonLine(const BirthInput& birth, int nowYear);

}  // namespace vessa
