#pragma once

#include <array>
#include <string>
#include <string_view>

// Heavenly stems and earthly branches. Charts hold them as cycle numbers
// (甲 = 1 … 壬 = 9, 癸 = 0; 子 = 1 … 戌 = 11, 亥 = 0); name lists and the hidden-stem
// table use zero-based indices (甲 = 0 … 癸 = 9; 子 = 0 … 亥 = 11). The two types
// below keep the numberings apart: construct from one, read either.
namespace vessa {

class Stem {
 public:
  // n taken modulo 10 into [0, 9].
  static constexpr Stem FromCycle(int n) { return Stem((n % 10 + 10) % 10); }
  static constexpr Stem FromIndex(int i) { return FromCycle(i + 1); }
  constexpr int Cycle() const { return cycle_; }             // [0, 9], 癸 = 0
  constexpr int Index() const { return (cycle_ + 9) % 10; }  // [0, 9], 甲 = 0
  std::string_view Name() const;
  // 乙 丁 己 辛 癸
  constexpr bool IsYin() const { return cycle_ % 2 == 0; }
  constexpr Stem Plus(int k) const { return FromCycle(cycle_ + k); }
  friend constexpr bool operator==(Stem, Stem) = default;

 private:
  explicit constexpr Stem(int cycle) : cycle_(cycle) {}
  int cycle_;
};

class Branch {
 public:
  // n taken modulo 12 into [0, 11].
  static constexpr Branch FromCycle(int n) { return Branch((n % 12 + 12) % 12); }
  static constexpr Branch FromIndex(int i) { return FromCycle(i + 1); }
  constexpr int Cycle() const { return cycle_; }              // [0, 11], 亥 = 0
  constexpr int Index() const { return (cycle_ + 11) % 12; }  // [0, 11], 子 = 0
  std::string_view Name() const;
  constexpr Branch Plus(int k) const { return FromCycle(cycle_ + k); }
  friend constexpr bool operator==(Branch, Branch) = default;

 private:
  explicit constexpr Branch(int cycle) : cycle_(cycle) {}
  int cycle_;
};

// Zero-based name lists.
extern const std::array<std::string_view, 10> kStemNames;    // 甲 … 癸
extern const std::array<std::string_view, 12> kBranchNames;  // 子 … 亥

// Ten-god names by cycle number: 0 正印, 1 比肩, 2 劫财, 3 食神, 4 伤官, 5 偏财,
// 6 正财, 7 七杀, 8 正官, 9 偏印.
extern const std::array<std::string_view, 10> TenGodNames;

// The hidden stems of each branch, by zero-based branch index, main stem first.
extern const std::array<std::string_view, 12> HiddenStemTable;

// One list of 1001 texts: 0-9 the ten-god names, 20 + n the stem of cycle number
// n, 30 + n the branch of cycle number n; every other position is empty.
const std::array<std::string_view, 1001>& ChartNameTable();

}  // namespace vessa
