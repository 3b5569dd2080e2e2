#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "core/data/content_store.h"

// Coin hexagrams: a cast gives six lines, each the face of one coin; the table
// 64gua of Tgcode.dll holds every hexagram by its King Wen place and its code.
namespace vessa {

// A code is six characters, one per line from the bottom (初爻 first): "1" a yang
// line (the coin's back), "0" a yin line (its front). 乾 is "111111".
inline constexpr std::size_t kHexagramLines = 6;
inline constexpr int kHexagramCount = 64;

// Exactly six characters, each "0" or "1".
bool IsHexagramCode(std::string_view code);

// The two faces of a coin and the digit each stands for.
enum class CoinFace { Front = 0, Back = 1 };  // 正面 (yin), 反面 (yang)
// A stored code's character: "0" the front, any other the back.
CoinFace FaceOfCodeCharacter(char c);

// One row of 64gua, its texts trimmed.
struct HexagramRow {
  int id = 0;           // King Wen place - 1: 乾 0 ... 未济 63
  std::string code;     // GuaCode
  std::string title;    // GuaTite
  std::string reading;  // GuaValue; its lines are separated by "\n"
};

// "select ID,GuaCode,GuaTite,GuaValue from 64gua where ID = %d "; nullopt for no
// row. A failing lookup throws ReportedError.
std::optional<HexagramRow> HexagramById(const data::Query& query, int id);
// The same by GuaCode ("... where GuaCode = '%s' "); the code goes in raw, so
// only a code that passes IsHexagramCode is looked up (anything else finds no row).
std::optional<HexagramRow> HexagramByCode(const data::Query& query, std::string_view code);

// The random source of a cast. The window seeds one from the clock; tests and
// `hexagram --auto --seed N` seed it themselves, so a cast is reproducible. The
// draws below use the raw 32-bit output, so a seed gives the same cast on every
// standard library.
using CastRandom = std::mt19937;
// One automatic cast: an ID from 0 to 63, each equally likely.
int DrawHexagramId(CastRandom& random);
// One throw of a coin: the front or the back, equally likely.
CoinFace ThrowCoin(CastRandom& random);

}  // namespace vessa
