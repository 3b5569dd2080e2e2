#include "core/bazi/chart_rules.h"

#include <array>

namespace vessa {

std::string_view TenGodName(Stem day, Stem other) {
  static constexpr std::array<std::array<std::string_view, 2>, 5> kNames = {{
      {"比肩", "劫财"},  // same element
      {"食神", "伤官"},  // the day stem produces it
      {"偏财", "正财"},  // the day stem controls it
      {"七杀", "正官"},  // it controls the day stem
      {"偏印", "正印"},  // it produces the day stem
  }};
  // Elements in the order of generation, so the relation is their distance.
  const int relation = FloorMod(static_cast<int>(other.GetElement()) -
                                    static_cast<int>(day.GetElement()),
                                5);
  const int differs = other.IsYin() != day.IsYin() ? 1 : 0;
  return kNames[static_cast<std::size_t>(relation)][static_cast<std::size_t>(differs)];
}

std::string_view NayinName(Pillar pair) {
  static constexpr std::array<std::string_view, 30> kNayin = {
      "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
      "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
      "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
      "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
  return kNayin[static_cast<std::size_t>(pair.Index() / 2)];
}

}  // namespace vessa
