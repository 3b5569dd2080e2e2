// The nickname window's edit text (GBK bytes, or whatever a paste leaves) through
// NicknameLetters and NicknameTest. Beyond not crashing: the letters are ASCII
// letters, digits and "?" only, never more than the bytes they come from, and a
// limit cuts them without changing them; the test's lines are valid UTF-8 and
// the personality is one of the 26 traits or none, never the failure line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/numbers/nickname.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

bool IsLetterDigitOrQuestionMark(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '?';
}

bool IsTrait(std::string_view value) {
  if (value.empty()) return true;
  for (char c = 'a'; c <= 'z'; ++c) {
    if (value == text::Trim(TraitByLetter(c))) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const std::string letters = NicknameLetters(input, std::string::npos);
  FUZZ_CHECK(letters.size() <= input.size());
  for (char c : letters) FUZZ_CHECK(IsLetterDigitOrQuestionMark(c));
  const std::size_t limit = size % 24;
  FUZZ_CHECK(NicknameLetters(input, limit) == letters.substr(0, limit));
  FUZZ_CHECK(NicknameLetters(input) == letters.substr(0, 255));

  const TestResult result = NicknameTest(input);
  if (text::Trim(input).empty()) {
    FUZZ_CHECK(result.message == kNicknameEmptyMessage && result.fields.empty());
    return 0;
  }
  FUZZ_CHECK(result.ok() && result.fields.size() == 2);
  FUZZ_CHECK(text::IsValidUtf8(result.fields[0].value));
  FUZZ_CHECK(result.fields[1].caption == "你的性格：");
  FUZZ_CHECK(IsTrait(result.fields[1].value));
  return 0;
}
