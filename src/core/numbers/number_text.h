#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the number and nickname windows share: the texts their edits hold, how a
// number text is read, and the captioned results they show.
namespace vessa {

// How many GBK bytes each edit of the test windows holds.
inline constexpr std::size_t kPhoneEditBytes = 11;
inline constexpr std::size_t kNumberEditBytes = 18;  // the QQ, any-number and pairing edits
inline constexpr std::size_t kNicknameEditBytes = 18;

// The edits show letters upper-case, so their text is what the user sees:
// ASCII letters upper-cased, everything else as it is.
std::string UpperCaseLetters(std::string_view text);

// True when text is one or more of the digits 0-9 and nothing else.
bool IsDigits(std::string_view text);

// The conversion error of a number text that is not a whole number (only a
// paste gets one past the edits' key filters): a ConversionError whose message
// the error box shows.
[[noreturn]] void ThrowNotANumber(std::string_view text);

// The remainder of a decimal number of any length by divisor, digit by digit,
// so no length overflows. Throws the conversion error unless text is digits.
int RemainderOfDigits(std::string_view text, int divisor);

// One captioned result of a test window: the caption as the window shows it
// before the value, and the key under which the command line's JSON gives it.
struct ResultField {
  std::string_view key;
  std::string_view caption;
  std::string value;
};

// What a test makes of its input: a prompt for input it refuses (nothing else
// changes), or the results to show.
struct TestResult {
  std::string message;
  // The edit that gets the focus with the message (0 the first, 1 the second).
  int focus = 0;
  std::vector<ResultField> fields;
  bool ok() const { return message.empty(); }
};

}  // namespace vessa
