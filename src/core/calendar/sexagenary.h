#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The sexagenary cycle: heavenly stems, earthly branches and their pairs, the one
// home of their names and arithmetic. Charts count stems and branches by cycle
// number (甲 = 1 … 壬 = 9, 癸 = 0; 子 = 1 … 戌 = 11, 亥 = 0); name lists use
// zero-based indices (甲 = 0 … 癸 = 9; 子 = 0 … 亥 = 11). The types keep the two
// numberings apart: construct from either, read either.
namespace vessa {

// a mod n in [0, n), for any sign of a.
constexpr int FloorMod(int a, int n) { return (a % n + n) % n; }

// The five elements in the order of generation: 木 生 火 生 土 生 金 生 水 生 木.
enum class Element { Wood = 0, Fire = 1, Earth = 2, Metal = 3, Water = 4 };
std::string_view ElementName(Element e);  // 木 火 土 金 水

// Zero-based name lists.
inline constexpr std::array<std::string_view, 10> kStemNames = {"甲", "乙", "丙", "丁", "戊",
                                                                "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// The animal of each branch, parallel to kBranchNames.
inline constexpr std::array<std::string_view, 12> kZodiacNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

class Stem {
 public:
  constexpr Stem() = default;  // cycle number 0, 癸
  // n taken modulo 10.
  static constexpr Stem FromCycle(int n) { return Stem(FloorMod(n, 10)); }
  static constexpr Stem FromIndex(int i) { return FromCycle(i + 1); }
  // The stem named by one character; nullopt for anything else.
  static std::optional<Stem> Parse(std::string_view name);

  constexpr int Cycle() const { return cycle_; }             // [0, 9], 癸 = 0
  constexpr int Index() const { return (cycle_ + 9) % 10; }  // [0, 9], 甲 = 0
  std::string_view Name() const { return kStemNames[static_cast<std::size_t>(Index())]; }
  // 乙 丁 己 辛 癸
  constexpr bool IsYin() const { return cycle_ % 2 == 0; }
  // 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
  constexpr Element GetElement() const { return static_cast<Element>(Index() / 2); }
  // The stem n places on (n may be negative).
  constexpr Stem Next(int n = 1) const { return FromCycle(cycle_ + n); }
  friend constexpr bool operator==(Stem, Stem) = default;

 private:
  explicit constexpr Stem(int cycle) : cycle_(cycle) {}
  int cycle_ = 0;
};

class Branch {
 public:
  constexpr Branch() = default;  // cycle number 0, 亥
  // n taken modulo 12.
  static constexpr Branch FromCycle(int n) { return Branch(FloorMod(n, 12)); }
  static constexpr Branch FromIndex(int i) { return FromCycle(i + 1); }
  static std::optional<Branch> Parse(std::string_view name);

  constexpr int Cycle() const { return cycle_; }              // [0, 11], 亥 = 0
  constexpr int Index() const { return (cycle_ + 11) % 12; }  // [0, 11], 子 = 0
  std::string_view Name() const { return kBranchNames[static_cast<std::size_t>(Index())]; }
  std::string_view Zodiac() const { return kZodiacNames[static_cast<std::size_t>(Index())]; }
  // 寅卯 木, 巳午 火, 申酉 金, 亥子 水, 辰戌丑未 土.
  constexpr Element GetElement() const {
    constexpr Element kByIndex[] = {Element::Water, Element::Earth, Element::Wood,
                                    Element::Wood,  Element::Earth, Element::Fire,
                                    Element::Fire,  Element::Earth, Element::Metal,
                                    Element::Metal, Element::Earth, Element::Water};
    return kByIndex[Index()];
  }
  constexpr Branch Next(int n = 1) const { return FromCycle(cycle_ + n); }
  friend constexpr bool operator==(Branch, Branch) = default;

 private:
  explicit constexpr Branch(int cycle) : cycle_(cycle) {}
  int cycle_ = 0;
};

// A stem and a branch: a pillar of a chart, or any pair of the sexagenary cycle.
struct Pillar {
  Stem stem;
  Branch branch;

  // Position i in the cycle of sixty, taken modulo 60: 0 甲子, 1 乙丑 … 59 癸亥.
  static constexpr Pillar FromIndex(int i) {
    return {Stem::FromIndex(FloorMod(i, 60) % 10), Branch::FromIndex(FloorMod(i, 60) % 12)};
  }
  // The pair named by two characters such as 「甲子」; nullopt for anything else.
  static std::optional<Pillar> Parse(std::string_view name);

  // [0, 59] for the sixty pairs of the cycle (stem and branch of equal parity).
  constexpr int Index() const {
    return FloorMod(6 * stem.Index() - 5 * branch.Index(), 60);
  }
  // The pair n places on in the cycle: stem and branch both move n.
  constexpr Pillar Next(int n = 1) const { return {stem.Next(n), branch.Next(n)}; }
  std::string Name() const { return std::string(stem.Name()) + std::string(branch.Name()); }
  friend constexpr bool operator==(const Pillar&, const Pillar&) = default;
};

}  // namespace vessa
