#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/bazi/bazi_chart.h"

// Spirit stars from the seven rule files of the folder "shensha" beside the
// program. Each call reads its file again, so edited rules apply at once.
namespace vessa {

// One parsed line of a rule file.
struct StarRule {
  std::string name;  // the first five characters of the line, trimmed
  struct Item {
    std::string key;    // before the first ":"; empty when there is no ":"
    std::string value;  // after it, cut to ten GBK bytes and trimmed
  };
  std::vector<Item> items;  // at most 21, empty items dropped
};

inline constexpr std::size_t kStarNameWidth = 5;  // characters
inline constexpr std::size_t kStarItemsPerLine = 21;
inline constexpr std::size_t kStarValueBytes = 10;  // GBK bytes

// Parses one line of a rule file as the reader sees it.
StarRule ParseStarRule(std::string_view line);

// Reads a rule file as GBK lines; throws SilentAbort when it cannot be read.
std::vector<std::string> ReadRuleFile(const std::filesystem::path& file);

// The stars one rule file ("niangan.txt" …) gives one target pillar, separated by
// one blank ("" when none). folder is the program's folder.
std::string StarsOf(const std::filesystem::path& folder, std::string_view file, Pillar target,
                    const BaziChart& chart);

// "年柱：" … "时柱：" + the stars of every rule file for that pillar.
std::string PillarStarLine(const std::filesystem::path& folder, const BaziChart& chart,
                           Pillar pillar);

}  // namespace vessa
