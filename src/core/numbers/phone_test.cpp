#include "core/numbers/phone_test.h"

#include "core/data/sql_text.h"
#include "core/text/errors.h"
#include "core/text/text.h"

namespace vessa {

std::string PhoneRemainder(std::string_view number) {
  if (!IsDigits(number)) ThrowNotANumber(number);
  if (number.size() < 8) {
    throw ConversionError("“" + std::string(number) +
                          "”不足8位，读不出号码的尾数，请输入11位手机号码。");
  }
  return std::to_string(RemainderOfDigits(number.substr(7), 80));
}

TestResult PhoneTest(const data::ContentStore& store, std::string_view editText) {
  const std::string number = text::Trim(editText);
  if (number.empty()) return {std::string(kPhoneEmptyMessage), 0, {}};
  const std::string remainder = PhoneRemainder(number);
  const auto row =
      store.First(data::DatabaseFile::Dream,
                  "select title,jx,content from shouji where num = " + data::Quoted(remainder),
                  data::FailurePolicy::Cancel);
  TestResult result;
  result.fields = {{"number", "手机号码是：", number},
                   {"title", "状态：", row ? row->Text(std::size_t{0}) : ""},
                   {"verdict", "吉凶：", row ? row->Text(std::size_t{1}) : ""},
                   {"reading", "具体表现：", row ? row->Text(std::size_t{2}) : ""}};
  return result;
}

}  // namespace vessa
