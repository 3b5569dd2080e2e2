#include "core/calendar/nayin.h"

#include <array>

namespace vessa {

std::string_view NayinName(Pillar pair) {
  static constexpr std::array<std::string_view, 30> kNayin = {
      "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
      "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
      "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
      "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
  return kNayin[static_cast<std::size_t>(pair.Index() / 2)];
}

}  // namespace vessa
