#pragma once

#include <array>
#include <string_view>

// The luck class of a grid number (1-81) and the score it earns in each grid.
namespace vessa {

enum class LuckClassKind { None, Lucky, HalfLucky, Unlucky };

// The luck lists as the name science states them, each number between commas.
inline constexpr std::string_view kLuckyNumbers =
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,";
inline constexpr std::string_view kHalfLuckyNumbers = ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
inline constexpr std::string_view kUnluckyNumbers =
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,76,77,"
    "78,79,80,";

namespace detail {
// Marks every number of a comma list in the table.
constexpr void MarkList(std::array<LuckClassKind, 82>& table, std::string_view list,
                        LuckClassKind kind) {
  int n = -1;
  for (char c : list) {
    if (c >= '0' && c <= '9') {
      n = (n < 0 ? 0 : n * 10) + (c - '0');
    } else {
      if (n >= 1 && n <= 81) table[static_cast<std::size_t>(n)] = kind;
      n = -1;
    }
  }
}
constexpr std::array<LuckClassKind, 82> BuildLuckTable() {
  std::array<LuckClassKind, 82> t{};
  MarkList(t, kLuckyNumbers, LuckClassKind::Lucky);
  MarkList(t, kHalfLuckyNumbers, LuckClassKind::HalfLucky);
  MarkList(t, kUnluckyNumbers, LuckClassKind::Unlucky);
  return t;
}
}  // namespace detail

// The class of every number 0-81 (0 stands in no list).
inline constexpr std::array<LuckClassKind, 82> kLuckTable = detail::BuildLuckTable();

// No number outside 1-81 stands in a list: a grid above 81 has no class.
constexpr LuckClassKind LuckClassOf(int n) {
  return n >= 1 && n <= 81 ? kLuckTable[static_cast<std::size_t>(n)] : LuckClassKind::None;
}
// "吉", "半吉", "凶", or "" for a number in no list.
std::string_view LuckClassName(LuckClassKind kind);

}  // namespace vessa
