#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"
#include "core/numbers/number_text.h"

// The QQ number test, the any-number test (both read the compiled 81-number
// table) and the QQ pairing (a text of QQpd in MorBirth.dll by digit sum).
namespace vessa {

enum class NumberTestKind { QQ, Any };

// The texts by which the two number tests differ.
struct NumberTestTexts {
  std::string_view caption;        // the window's caption
  std::string_view editLabel;      // before the edit
  std::string_view numberCaption;  // before the number among the results
  std::string_view emptyMessage;   // the prompt for an empty edit
};
const NumberTestTexts& TextsOf(NumberTestKind kind);

// The test of the edit's text: the prompt for an empty edit, else the number,
// the motto, the verdict and the personality part of its 81-number reading.
// A text that is not a whole number throws the conversion error.
TestResult NumberTest(NumberTestKind kind, std::string_view editText);

inline constexpr std::string_view kOwnQQEmptyMessage = "请输入自己的QQ号码！";
inline constexpr std::string_view kPartnerQQEmptyMessage = "请输入对方的QQ号码！";
inline constexpr std::string_view kQQLengthMessage = "请输入正确的QQ号码！";

// The sum of the digits of both numbers, reduced to 0-100: a sum above 100 is
// taken modulo 100 (180 -> 80, 101 -> 1), 100 itself stays. Throws the
// conversion error when a number holds anything but digits.
int QQPairSum(std::string_view own, std::string_view partner);

// The pairing text of QQpd whose sums (",12,13,") hold the pair's sum, or the
// empty text when no row does. The lookup is unguarded: a failure throws the
// engine's error for the error box.
std::string QQPairingText(const data::ContentStore& store, std::string_view own,
                          std::string_view partner);

// The pairing of the two edits' texts: each must hold 5 to 10 characters once
// trimmed (the own number is checked first; the message's focus names the edit),
// else the pairing text.
TestResult QQPairing(const data::ContentStore& store, std::string_view ownEdit,
                     std::string_view partnerEdit);

}  // namespace vessa
