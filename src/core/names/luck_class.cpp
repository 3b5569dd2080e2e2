#include "core/names/luck_class.h"

namespace vessa {

namespace {
// Every number 1-81 stands in exactly one list.
constexpr bool EveryNumberClassed() {
  for (int n = 1; n <= 81; ++n) {
    if (kLuckTable[static_cast<std::size_t>(n)] == LuckClassKind::None) return false;
  }
  return kLuckTable[0] == LuckClassKind::None;
}
static_assert(EveryNumberClassed());
}  // namespace

std::string_view LuckClassName(LuckClassKind kind) {
  switch (kind) {
    case LuckClassKind::Lucky:
      return "吉";
    case LuckClassKind::HalfLucky:
      return "半吉";
    case LuckClassKind::Unlucky:
      return "凶";
    case LuckClassKind::None:
      break;
  }
  return {};
}

}  // namespace vessa
