#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"
#include "core/numbers/number_text.h"

// The mobile phone number test (window "手机号码测算"): the last four digits of
// an eleven-digit number, reduced by 80, pick a row of the table shouji in
// dream.dll.
namespace vessa {

inline constexpr std::string_view kPhoneEmptyMessage = "请输入11位手机号码！";

// The remainder by 80 of the digits from the eighth on ("13812345678" reads
// 5678 and gives "78"), in decimal. A number of fewer than eight digits has no
// such tail and, like any text that is not digits, throws the conversion error.
std::string PhoneRemainder(std::string_view number);

// The test of the edit's text: the prompt for an empty edit, else the number
// and the row's title, verdict and reading (empty texts when no row has the
// remainder). A failed lookup ends the command silently (SilentAbort).
TestResult PhoneTest(const data::ContentStore& store, std::string_view editText);

}  // namespace vessa
