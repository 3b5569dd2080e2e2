#include "core/divination/omens.h"

#include <map>

#include "core/divination/embedded_texts.h"
#include "core/text/text.h"
#include "core/text/tsv.h"

namespace vessa {
namespace {

constexpr std::string_view kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                            "午", "未", "申", "酉", "戌", "亥"};

// The entries of each page, in page order.
const std::array<std::vector<std::string>, kOmenTopicCount>& Entries() {
  static const auto pages = [] {
    std::array<std::vector<std::string>, kOmenTopicCount> p;
    std::map<std::pair<int, int>, std::string> ordered;
    const tsv::Table source = tsv::Parse(kOmenPagesTsv, "omens.tsv");
    const int topic = source.Column("topic"), line = source.Column("line"),
              body = source.Column("text");
    for (const auto& row : source.rows) {
      ordered[{static_cast<int>(text::ToInt(row[static_cast<std::size_t>(topic)])),
               static_cast<int>(text::ToInt(row[static_cast<std::size_t>(line)]))}] =
          row[static_cast<std::size_t>(body)];
    }
    for (auto& [key, entry] : ordered) {
      if (key.first >= 0 && key.first < kOmenTopicCount)
        p[static_cast<std::size_t>(key.first)].push_back(std::move(entry));
    }
    return p;
  }();
  return pages;
}

// The double hour of a clock hour: 子 (0) for 23 and 0, 丑 (1) for 1 and 2, ...
int BranchOfHour(int hour) { return ((hour + 1) / 2) % 12; }

// The entry of page 6 that holds a branch: 子丑, 寅未, 卯申, 辰酉, 巳戌, 午亥.
int Page6Entry(int branch) {
  static constexpr int kEntry[12] = {0, 0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5};
  return kEntry[branch];
}

// The part of an entry that belongs to one double hour: from its "X时" to the
// next double hour's, trimmed.
std::string HalfOf(const std::string& entry, int branch) {
  const std::string mark = std::string(kBranches[branch]) + "时";
  const std::size_t start = entry.find(mark);
  if (start == std::string::npos) return {};
  std::size_t end = std::string::npos;
  for (std::string_view other : kBranches) {
    const std::size_t at = entry.find(std::string(other) + "时", start + mark.size());
    if (at != std::string::npos && at < end) end = at;
  }
  return text::Trim(entry.substr(start, end == std::string::npos ? end : end - start));
}

}  // namespace

const std::array<OmenTopic, kOmenTopicCount>& OmenTopics() {
  static constexpr std::array<OmenTopic, kOmenTopicCount> kTopics = {{
      {"打喷嚏占卜", "打喷嚏占卜吉凶"},
      {"面热测占卜", "面热测吉凶"},
      {"心惊测占卜", "心惊测吉凶"},
      {"犬吠测占卜", "犬吠测吉凶"},
      {"眼跳测占卜", "眼跳测吉凶"},
      {"耳热测占卜", "耳热测吉凶"},
      {"耳鸣测占卜", "耳鸣测吉凶"},
  }};
  return kTopics;
}

std::vector<std::string> OmenPage(int index) {
  std::vector<std::string> lines;
  if (index < 0 || index >= kOmenTopicCount) return lines;
  for (const std::string& entry : Entries()[static_cast<std::size_t>(index)]) {
    if (!lines.empty()) lines.emplace_back();
    lines.push_back(entry);
  }
  return lines;
}

std::string OmenReadingAt(int index, int hour) {
  if (index < 0 || index >= kOmenTopicCount || hour < 0 || hour > 23) return {};
  const auto& entries = Entries()[static_cast<std::size_t>(index)];
  if (index == 0) {
    // Spans of two hours from 1 o'clock: 1-3 is the first, 23-1 the last.
    const auto span = static_cast<std::size_t>(((hour + 23) % 24) / 2);
    return span < entries.size() ? entries[span] : std::string();
  }
  const int branch = BranchOfHour(hour);
  const auto entry = static_cast<std::size_t>(index == 6 ? Page6Entry(branch) : branch % 6);
  return entry < entries.size() ? HalfOf(entries[entry], branch) : std::string();
}

const std::array<std::string_view, 4>& OmenNote() {
  static constexpr std::array<std::string_view, 4> kNote = {
      "说明：",
      "子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
      "辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
      "申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
  };
  return kNote;
}

}  // namespace vessa
