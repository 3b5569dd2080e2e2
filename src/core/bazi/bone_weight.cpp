#include "core/bazi/bone_weight.h"

#include "core/text/text.h"
#include "core/data/sql_text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

std::string BoneWeightCode(double sum) {
  const std::string t = text::FloatToText(sum);
  if (t.size() == 1) return t + "0";
  return t.substr(0, 1) + (t.size() > 2 ? t.substr(2, 1) : "");
}

std::string BoneWeightLine(const data::ContentStore& store, std::string_view lunarYear,
                           std::string_view lunarMonth, std::string_view lunarDay,
                           std::string_view hourNumber, BoneWeightMode mode) {
  struct Part {
    const char* head;
    std::string_view key;
  };
  const Part parts[] = {{"Select weight from chenggu1 where year =", lunarYear},
                        {"Select weight from chenggu2 where month2 =", lunarMonth},
                        {"Select weight from chenggu3 where day2 =", lunarDay},
                        {"Select weight from chenggu4 where time =", hourNumber}};
  double sum = 0;
  for (const Part& p : parts) {
    auto row =
        store.First(DatabaseFile::Dream, p.head + data::Quoted(p.key), FailurePolicy::Cancel);
    if (row) sum += text::ToFloat(row->Text(std::size_t{0}));
  }
  const std::string code = BoneWeightCode(sum);
  auto verse =
      store.First(DatabaseFile::Dream,
                  "Select content,content2 from chenggu where weight =" + data::Quoted(code),
                  FailurePolicy::Cancel);
  if (!verse) return {};
  switch (mode) {
    case BoneWeightMode::Weight: {
      std::string line = "你的骨重为：" + code.substr(0, 1) + "两";
      if (code.size() > 1 && code[1] != '0') line += code.substr(1, 1) + "钱";
      return line;
    }
    case BoneWeightMode::Verse:
      return "骨重诗评：" + verse->Text(std::size_t{0});
    case BoneWeightMode::Explanation:
      return "骨重解评：" + verse->Text(std::size_t{1});
  }
  return {};
}

}  // namespace vessa
