#include "core/numbers/qq_tests.h"

#include "core/data/sql_text.h"
#include "core/numbers/number81.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa {

const NumberTestTexts& TextsOf(NumberTestKind kind) {
  static const NumberTestTexts kQQ{"QQ号码测试", "QQ号码：", "qq号码是：", "请输入你的QQ号码！"};
  static const NumberTestTexts kAny{"任意号码分析", "任意号码：", "输入号码是：",
                                    "请输入你的号码！"};
  return kind == NumberTestKind::QQ ? kQQ : kAny;
}

TestResult NumberTest(NumberTestKind kind, std::string_view editText) {
  const NumberTestTexts& texts = TextsOf(kind);
  const std::string number = text::Trim(editText);
  if (number.empty()) return {std::string(texts.emptyMessage), 0, {}};
  Number81Parts parts = SplitNumber81Reading(Number81Reading(number));
  TestResult result;
  result.fields = {{"number", texts.numberCaption, number},
                   {"motto", "状态：", std::move(parts.motto)},
                   {"verdict", "吉凶：", std::move(parts.verdict)},
                   {"personality", "具体表现：", std::move(parts.personality)}};
  return result;
}

namespace {

int DigitSum(std::string_view number) {
  if (!IsDigits(number)) ThrowNotANumber(number);
  int sum = 0;
  for (char c : number) sum += c - '0';
  return sum;
}

// The length check of one pairing edit: "" when the number may be paired.
std::string_view PairingMessage(std::string_view number, std::string_view emptyMessage) {
  if (number.empty()) return emptyMessage;
  const std::size_t length = gbk::ByteLength(number);
  if (length < 5 || length > 10) return kQQLengthMessage;
  return {};
}

}  // namespace

int QQPairSum(std::string_view own, std::string_view partner) {
  const int sum = DigitSum(own) + DigitSum(partner);
  return sum > 100 ? sum % 100 : sum;
}

std::string QQPairingText(const data::ContentStore& store, std::string_view own,
                          std::string_view partner) {
  const std::string pattern = "%," + std::to_string(QQPairSum(own, partner)) + ",%";
  const auto row =
      store.First(data::DatabaseFile::MorBirth,
                  data::Formatted("select top 1 * from QQpd where bihua like '%s'", {pattern}),
                  data::FailurePolicy::Report);
  return row ? row->Text("intro") : std::string();
}

TestResult QQPairing(const data::ContentStore& store, std::string_view ownEdit,
                     std::string_view partnerEdit) {
  const std::string own = text::Trim(ownEdit), partner = text::Trim(partnerEdit);
  if (auto m = PairingMessage(own, kOwnQQEmptyMessage); !m.empty()) return {std::string(m), 0, {}};
  if (auto m = PairingMessage(partner, kPartnerQQEmptyMessage); !m.empty()) {
    return {std::string(m), 1, {}};
  }
  TestResult result;
  // The window shows the text alone, under its group "测算结果".
  result.fields = {{"text", "测算结果：", QQPairingText(store, own, partner)}};
  return result;
}

}  // namespace vessa
