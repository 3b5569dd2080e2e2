#pragma once

#include <array>
#include <string>
#include <string_view>

// The 81-number reading of the QQ and any-number tests, compiled into the
// program (its own table, not the name report's 81 table of MorFile.dll).
namespace vessa {

// Row r (0-80) is the reading of the numbers whose remainder by 81 is r: the
// traditional motto of number r + 1, the verdict and the personality part,
// joined by "|":
//   motto|verdict|主人性格类型：[label]，其具体表现为：description
const std::array<std::string, 81>& Number81Table();

// The text for a number without a row (a negative number); it holds no "|".
inline constexpr std::string_view kNumber81Fallback = "对不起,此号不在分解之类。";

// The reading of a decimal number given as text: the row of its remainder by 81
// (81, 162 and 0 give row 0), or the fallback for a negative number. Any number
// of digits is read exactly. A text that is not an optionally signed whole
// number throws the conversion error (ThrowNotANumber).
std::string Number81Reading(std::string_view number);

// A reading split at its first "|" and the next: the motto, the verdict and the
// personality part. The fallback has no "|", so it comes back whole as the
// personality part with an empty motto and verdict.
struct Number81Parts {
  std::string motto, verdict, personality;
};
Number81Parts SplitNumber81Reading(std::string_view reading);

}  // namespace vessa
