#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 text helpers. Positions and lengths here count characters (code points);
// GBK byte counting lives in gbk.h.
namespace vessa::text {

// Removes leading and trailing blanks and control characters (anything <= ' ').
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Splits UTF-8 text into its characters; a malformed byte is one character.
std::vector<std::string_view> Chars(std::string_view s);
std::size_t CharCount(std::string_view s);
// The character at 1-based position pos, or "" beyond the end.
std::string_view CharAt(std::string_view s, std::size_t pos);
// Up to count characters from 1-based position start (like Copy on a string of characters).
std::string_view Mid(std::string_view s, std::size_t start, std::size_t count);

bool Contains(std::string_view haystack, std::string_view needle);
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
// Replaces every occurrence of from by to.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
std::string Blanks(std::size_t n);

// Decimal integer text as the conversion routines accept it: optional leading
// blanks, an optional sign, digits. Throws ConversionError
// ("'%s' is not a valid integer value") otherwise.
std::int64_t ToInt(std::string_view s);
bool TryToInt(std::string_view s, std::int64_t& out);
// Decimal number text ("4.5", "0.7"); throws ConversionError ("'%s' is not a valid floating point
// value").
double ToFloat(std::string_view s);
// Shortest decimal text with up to 15 significant digits and a full stop: 4.5 -> "4.5", 5 -> "5".
std::string FloatToText(double v);

bool IsValidUtf8(std::string_view s);

// Backslash escapes of the program's text formats: "\\", "\n", "\t", "\r" in
// both; JSON also escapes '"' and writes other control characters as \u00XX.
enum class EscapeStyle { Tsv, Json };
std::string BackslashEscape(std::string_view s, EscapeStyle style);

}  // namespace vessa::text
