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
  const int relation =
      FloorMod(static_cast<int>(other.GetElement()) - static_cast<int>(day.GetElement()), 5);
  const int differs = other.IsYin() != day.IsYin() ? 1 : 0;
  return kNames[static_cast<std::size_t>(relation)][static_cast<std::size_t>(differs)];
}

}  // namespace vessa
