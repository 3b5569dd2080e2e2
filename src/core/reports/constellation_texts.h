#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/data/content_store.h"

// The texts of the constellation readings: six topics stored in MorFile.dll, one
// table each keyed by the constellation name, and the compiled intelligence texts.
namespace vessa {

enum class ConstellationTopic { EqAnalysis, Strength, Celebrities, Health, FiveAdvice, Defects };

struct ConstellationTopicInfo {
  ConstellationTopic topic;
  std::string_view table;    // in MorFile.dll
  std::string_view heading;  // in the full reading
  std::string_view caption;  // of the command that shows it alone
  int number;                // of the command: 0-4 and 6
};

// The topics in the order of the full reading.
extern const std::array<ConstellationTopicInfo, 6> kConstellationTopics;
const ConstellationTopicInfo& InfoOf(ConstellationTopic topic);

// The topic's stored text for the constellation name, trimmed, with every "<p>"
// and "</p>" removed; "" when the table has no row. A failed lookup throws
// SilentAbort.
std::string ConstellationTopicText(const data::ContentStore& store, std::string_view name,
                                   ConstellationTopic topic);

// The intelligence text of the constellation name, opening with its score;
// 摩羯座 shows the text of 巨蟹座. Any other name gives "请听下回分解!".
std::string ConstellationIqText(std::string_view name);

}  // namespace vessa
