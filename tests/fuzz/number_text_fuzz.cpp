// The number texts of the test windows and the command line: text::TryToInt and
// ToInt (a typed hour, minute or lunar field, an option value), ToFloat (a bone
// weight read from the data), RemainderOfDigits, Number81Reading and NumberTest
// (the QQ and any-number tests, any length), PhoneRemainder and QQPairSum.
// Beyond not crashing: integers are read exactly as std::from_chars reads them,
// overflow refused; a remainder is the number's true remainder, for 19 digits
// against a 64-bit reading and for any length against the remainders of its two
// halves; the only exception is the conversion error, and only for a text that
// is not a number of the form each reader takes.
//
// The whole input is the text; for the pairing, its first line is one number and
// the rest the other.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/number81.h"
#include "core/numbers/phone_test.h"
#include "core/numbers/qq_tests.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

// The text as std::from_chars reads a whole int64, after the blanks and the
// plus sign the program's reader also takes.
std::optional<std::int64_t> Int64Of(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && s.front() == '-') return std::nullopt;
  }
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

bool Digits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::uint64_t Uint64Of(std::string_view digits) {  // at most 19 digits
  std::uint64_t v = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), v);
  return v;
}

int Pow10Mod(std::size_t n, int divisor) {
  int r = 1 % divisor;
  for (std::size_t i = 0; i < n; ++i) r = r * 10 % divisor;
  return r;
}

template <typename F>
bool Throws(F&& f) {
  try {
    f();
  } catch (const ConversionError&) {
    return true;
  }
  return false;
}

void CheckRemainders(std::string_view s) {
  for (int divisor : {80, 81}) {
    if (!Digits(s)) {
      FUZZ_CHECK(Throws([&] { RemainderOfDigits(s, divisor); }));
      continue;
    }
    const int r = RemainderOfDigits(s, divisor);
    FUZZ_CHECK(r >= 0 && r < divisor);
    if (s.size() <= 19)
      FUZZ_CHECK(static_cast<std::uint64_t>(r) == Uint64Of(s) % static_cast<unsigned>(divisor));
    if (s.size() >= 2) {
      const std::size_t half = s.size() / 2;
      const int high = RemainderOfDigits(s.substr(0, half), divisor);
      const int low = RemainderOfDigits(s.substr(half), divisor);
      FUZZ_CHECK(r == (high * Pow10Mod(s.size() - half, divisor) + low) % divisor);
    }
  }
}

void CheckNumber81(std::string_view s) {
  std::string_view digits = s;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (!Digits(digits)) {
    FUZZ_CHECK(Throws([&] { Number81Reading(s); }));
    return;
  }
  const std::string reading = Number81Reading(s);
  if (negative && digits.find_first_not_of('0') != std::string_view::npos) {
    FUZZ_CHECK(reading == kNumber81Fallback);
  } else {
    FUZZ_CHECK(reading == Number81Table()[static_cast<std::size_t>(RemainderOfDigits(digits, 81))]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  std::int64_t value = 0;
  const auto expected = Int64Of(input);
  FUZZ_CHECK(text::TryToInt(input, value) == expected.has_value());
  if (expected) {
    FUZZ_CHECK(value == *expected && text::ToInt(input) == *expected);
  } else {
    FUZZ_CHECK(Throws([&] { text::ToInt(input); }));
  }

  double real = 0;
  if (!Throws([&] { real = text::ToFloat(input); })) FUZZ_CHECK(std::isfinite(real));

  CheckRemainders(input);
  CheckNumber81(input);
  const std::string trimmed = text::Trim(input);
  if (!trimmed.empty()) {
    try {
      const TestResult result = NumberTest(NumberTestKind::Any, input);
      FUZZ_CHECK(result.ok() && result.fields.size() == 4 && result.fields[0].value == trimmed);
    } catch (const ConversionError&) {
      FUZZ_CHECK(Throws([&] { Number81Reading(trimmed); }));
    }
  }

  if (Digits(input) && input.size() >= 8) {
    const std::string_view tail = input.substr(7);
    const std::string remainder = PhoneRemainder(input);
    if (tail.size() <= 19) FUZZ_CHECK(remainder == std::to_string(Uint64Of(tail) % 80));
  } else {
    FUZZ_CHECK(Throws([&] { PhoneRemainder(input); }));
  }

  const auto pair = fuzz::Fields(input, 2);
  if (pair.size() == 2) {
    if (Digits(pair[0]) && Digits(pair[1])) {
      const int sum = QQPairSum(pair[0], pair[1]);
      FUZZ_CHECK(sum >= 0 && sum <= 100);
    } else {
      FUZZ_CHECK(Throws([&] { QQPairSum(pair[0], pair[1]); }));
    }
  }
  return 0;
}
