#pragma once

#include <string>
#include <string_view>

// The compiled birthday sketches and blood-type texts.
namespace vessa {

// The day-of-month text (key day) followed directly by the calendar-date text
// (key month * 100 + day). 01-31 has no date text, so 1-31 gives the day text alone.
std::string BirthdayText(int month, int day);

// The love-and-character text of "A型", "B型", "O型", "AB型" (lower-case letters
// accepted); "请听下回分解!" for anything else.
std::string BloodTypeLoveText(std::string_view bloodType);

// The raw tables, for checks: key -> text.
std::string_view BirthdayEntry(int key);

}  // namespace vessa
