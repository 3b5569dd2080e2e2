#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Civil dates and date-times of the program, and their texts. Date-times are
// naive wall-clock values (the calendar's instants are Beijing time, UTC+8); the
// program never converts them between zones.
namespace vessa {

using Date = std::chrono::sys_days;
using DateTime = std::chrono::sys_time<std::chrono::milliseconds>;

// The program's short date format "yyyy-MM-dd".
std::string FormatDate(Date d);
// "yyyy-MM-dd HH:mm:ss.zzz"
std::string FormatDateTime(DateTime t);
// "yyyy-MM-dd HH:mm:ss", the form the databases store.
std::string FormatDateTimeSeconds(DateTime t);

// Parses a date typed in the program's short format: year, month and day as
// decimal numbers joined by "-" ("1980-1-1" and "1980-01-01" alike). Blanks
// around the text are ignored. A text that is not a real date yields nullopt.
std::optional<Date> TryParseDate(std::string_view text);
// As TryParseDate, but throws ConversionError("'<text>' is not a valid date").
Date ParseDate(std::string_view text);
// "yyyy-MM-dd HH:mm[:ss[.zzz]]" or a bare date; nullopt when not a real date-time.
std::optional<DateTime> TryParseDateTime(std::string_view text);

Date MakeDate(int year, unsigned month, unsigned day);
DateTime MakeDateTime(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                      int second = 0, int millisecond = 0);
inline Date DateOf(DateTime t) { return std::chrono::floor<std::chrono::days>(t); }
inline bool HasTimeOfDay(DateTime t) { return DateOf(t) != t; }

}  // namespace vessa
