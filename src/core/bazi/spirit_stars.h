#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/bazi/bazi_chart.h"
#include "core/data/failure_log.h"

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

// Reads a rule file as GBK lines. A missing or unreadable file throws SilentAbort
// (the reading stops). A file that is empty, not GBK text, or not a regular file
// gives no lines, and the log (when given) is told what went missing.
std::vector<std::string> ReadRuleFile(const std::filesystem::path& file,
                                      data::FailureLog* log = nullptr);

// A rule file's bytes as the reader takes them: GBK decoded to UTF-8 and split at
// CR, LF and CR LF, a final line break opening no empty line. gbk is false when
// the bytes are not the GBK text the reader expects (their lines are still given).
struct RuleFileText {
  std::vector<std::string> lines;
  bool gbk = true;
};
RuleFileText DecodeRuleFile(std::string_view bytes);

// The chart characters one rule is matched against, for one target pillar.
struct StarTarget {
  std::string_view stem, branch;  // of the target pillar
  std::string pillar;             // the target pillar, stem then branch
  std::string dayPillar, hourPillar;
};

// One rule file: its name, which of its lines are read for a chart, when an item
// matches, and which of the three computed stars follow its rules.
struct StarFile {
  std::string_view name;
  std::string_view stars;  // what goes missing when the file fails: "年干神煞"
  std::size_t lineLimit;   // the lines after it are never read; 0 for no limit
  bool (*readsLine)(std::size_t lineNo, const BaziChart& chart);  // lineNo counts from 1
  bool (*matches)(const StarRule::Item& item, std::size_t lineNo, const StarTarget& target,
                  const BaziChart& chart);
  // The branch whose 披麻, 吊客 and 丧门 follow the rules, or null for none.
  const Pillar* (*computedFrom)(const BaziChart& chart);
};

// The seven rule files in the order of a pillar line.
const std::array<StarFile, 7>& StarFiles();
// The rule file of that name; null for any other name.
const StarFile* FindStarFile(std::string_view name);

// The stars one rule file ("niangan.txt" …) gives one target pillar, separated by
// one blank ("" when none). folder is the program's folder. Throws SilentAbort
// when the file cannot be read, std::invalid_argument for an unknown file name.
// The log, when given, is told of a file that fails and of lines the rules skip.
std::string StarsOf(const std::filesystem::path& folder, std::string_view file,
                    PillarSlot target, const BaziChart& chart, data::FailureLog* log = nullptr);

// "年柱：" … "时柱：" + the stars of every rule file for that pillar.
std::string PillarStarLine(const std::filesystem::path& folder, const BaziChart& chart,
                           PillarSlot pillar, data::FailureLog* log = nullptr);

}  // namespace vessa
