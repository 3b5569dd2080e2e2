#include "core/numbers/number_text.h"

#include "core/text/errors.h"

namespace vessa {

std::string UpperCaseLetters(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void ThrowNotANumber(std::string_view text) {
  throw ConversionError("“" + std::string(text) + "”不是有效的整数，号码只能由数字组成。");
}

int RemainderOfDigits(std::string_view text, int divisor) {
  if (!IsDigits(text)) ThrowNotANumber(text);
  int r = 0;
  for (char c : text) r = (r * 10 + (c - '0')) % divisor;  // [0, divisor)
  return r;
}

}  // namespace vessa
