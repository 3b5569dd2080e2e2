#include "core/divination/fingerprint.h"

#include "core/data/scramble.h"
#include "core/data/sql_text.h"
#include "core/text/text.h"

namespace vessa {

bool IsFingerprintCode(std::string_view code) {
  if (code.size() > kFingerprintLength) return false;
  for (char c : code) {
    if (c != 'o' && c != 'x') return false;
  }
  return true;
}

std::string FingerprintText(const data::ContentStore& store, std::string_view code) {
  const std::string stored = store.Text(
      data::DatabaseFile::MorFile, "Select content from zhiwen where zhiwen =" + data::Quoted(code),
      std::size_t{0}, data::FailurePolicy::Cancel);
  if (stored.empty()) return {};
  return data::UnscrambleText(stored, data::kScrambleKey, data::kScramblePasses,
                              store.BeepFunction());
}

std::string FingerprintResult(const data::ContentStore& store, std::string_view code) {
  return "测算结果:" + FingerprintText(store, text::Trim(code));
}

std::vector<std::string_view> FingerprintIntroduction() {
  return {
      "据多年研究报告，人的性格是与生具来的。指纹在胎儿时期便已长成，一生不会改变，民间因此有看指纹"
      "知性情的说法。指纹大致分两种：一种纹线绕成一圈圈同心圆或螺旋，中心像个小漩涡，叫做“斗”，也叫"
      "“箩”；另一种纹线从指头一侧流入，弯成一道弧后又从同一侧流出，开口朝向一边，形状像簸箕，就叫“"
      "簸箕”。请在光线明亮处逐个仔细辨认。",
      "测算方法：男左手，女右手。",
      "从拇指开始，斗（或叫箩）用O(不是零0），簸箕用X代表。输入5个指纹代码，然后",
      "按 测算 按钮，结果将显示在。",
  };
}

}  // namespace vessa
