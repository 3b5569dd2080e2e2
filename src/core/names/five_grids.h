#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"

// Stroke counts, the five grids of a name and the three talents. Name parts are
// measured in GBK bytes: a part of at most two bytes is single; otherwise its
// first character is bytes 1-2 and the rest of it bytes 3-6.
namespace vessa {

enum class NameGrid { Heaven = 0, Earth = 1, Person = 2, Total = 3, Outer = 4 };  // 天 地 人 总 外

// The stroke count of a character from the table bihua; 0 when no row holds it.
// A failing lookup (or a count that is not a number) throws SilentAbort.
int StrokeCount(const data::ContentStore& store, std::string_view character);

// The number of one grid of a name; a grid code outside 0-4 yields 0.
int GridNumber(const data::ContentStore& store, std::string_view surname,
               std::string_view givenName, int grid);
inline int GridNumber(const data::ContentStore& store, std::string_view surname,
                      std::string_view givenName, NameGrid grid) {
  return GridNumber(store, surname, givenName, static_cast<int>(grid));
}

// 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 0 水 by the last digit; "" when negative.
std::string NumberElement(int n);
// The elements of the heaven, person and earth grids, joined: "木火土".
std::string ThreeTalentKey(int heaven, int person, int earth);

// "吉", "半吉", "凶", or "" for a number in no list (anything outside 1-81).
std::string LuckClass(int n);
// 10 / 8.5 / 7 for 天格, 地格, 外格; 30 / 25.5 / 21 for 人格; 20 / 17 / 14 for 总格; 0 unclassed.
double GridScore(int n, int grid);
inline double GridScore(int n, NameGrid grid) { return GridScore(n, static_cast<int>(grid)); }
// The score of a key's grade in sancai: 1 -> 20, 2 -> 18, 3 -> 16, 4 -> 15, 5 -> 14,
// 6 -> 13, 7 -> 12; -1 for any other grade or no row.
double ThreeTalentScore(const data::ContentStore& store, std::string_view key);
// Grade -> score, as above.
double GradeScore(int grade);

// The grids of one name, computed together.
struct FiveGrids {
  int heaven, earth, person, total, outer;
};
FiveGrids GridsOf(const data::ContentStore& store, std::string_view surname,
                  std::string_view givenName);

}  // namespace vessa
