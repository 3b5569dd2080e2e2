#include "core/bazi/spirit_stars.h"

#include <fstream>
#include <sstream>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa {

namespace {

bool Has(std::string_view text, std::string_view piece) {
  return text.find(piece) != std::string_view::npos;
}

// Splits like a text list loading a file: CR, LF and CR LF end a line; a final
// line break does not open an empty line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t b = 0;
  while (b < text.size()) {
    std::size_t e = text.find_first_of("\r\n", b);
    if (e == std::string::npos) {
      lines.push_back(text.substr(b));
      break;
    }
    lines.push_back(text.substr(b, e - b));
    b = e + (text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace

StarRule ParseStarRule(std::string_view line) {
  StarRule rule;
  const std::string nameField(text::Mid(line, 1, kStarNameWidth));
  rule.name = text::Trim(nameField);
  const std::string list = text::Trim(text::ReplaceAll(line, nameField, ""));
  std::size_t b = 0;
  for (std::size_t count = 0; b <= list.size() && count < kStarItemsPerLine; ++count) {
    std::size_t comma = list.find(',', b);
    std::string item = text::Trim(std::string_view(list).substr(
        b, comma == std::string::npos ? std::string::npos : comma - b));
    if (!item.empty()) {
      std::size_t colon = item.find(':');
      StarRule::Item parsed;
      if (colon == std::string::npos) {
        parsed.value = text::Trim(gbk::Copy(item, 1, kStarValueBytes));
      } else {
        parsed.key = item.substr(0, colon);
        parsed.value =
            text::Trim(gbk::Copy(std::string_view(item).substr(colon + 1), 1, kStarValueBytes));
      }
      rule.items.push_back(std::move(parsed));
    }
    if (comma == std::string::npos) break;
    b = comma + 1;
  }
  return rule;
}

std::vector<std::string> ReadRuleFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw SilentAbort("cannot read the rule file " + file.string());
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) throw SilentAbort("cannot read the rule file " + file.string());
  return SplitLines(gbk::ToUtf8(ss.str()));
}

std::string StarsOf(const std::filesystem::path& folder, std::string_view file, Pillar target,
                    const BaziChart& c) {
  const std::vector<std::string> lines = ReadRuleFile(folder / "shensha" / file);
  if (lines.empty()) return {};

  const std::string targetStem(StemOf(c, target).Name());
  const std::string targetBranch(BranchOf(c, target).Name());
  const std::string targetPillar = targetStem + targetBranch;
  const std::string dayPillar = c.dayStemName + c.dayBranchName;
  const std::string hourPillar = c.hourStemName + c.hourBranchName;

  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t lineNo = i + 1;
    if (file == "nianzhi.txt") {
      if (lineNo > 14) break;
      if (lineNo == 3 && c.luckReverse) continue;
      if (lineNo == 4 && !c.luckReverse) continue;
    }
    if (file == "rizhi.txt" && lineNo > 7) break;

    const StarRule rule = ParseStarRule(lines[i]);
    for (const auto& item : rule.items) {
      bool match = false;
      if (file == "niangan.txt") {
        match = Has(item.key, c.yearStemName) && Has(item.value, targetBranch);
      } else if (file == "nianzhi.txt") {
        match = Has(item.key, c.yearBranchName) && Has(item.value, targetBranch);
      } else if (file == "yuezhi.txt") {
        match = Has(item.key, c.monthBranchName) &&
                (Has(item.value, targetStem) || Has(item.value, targetBranch));
      } else if (file == "rigan.txt") {
        match = Has(item.key, c.dayStemName) && Has(item.value, targetBranch);
      } else if (file == "rizhi.txt") {
        match = Has(item.key, c.dayBranchName) && Has(item.value, targetBranch);
      } else if (file == "rizhu.txt") {
        match = lineNo <= 5 ? Has(item.key, targetPillar) &&
                                  (item.value.empty() || Has(item.value, dayPillar))
                            : Has(item.key, targetBranch) && Has(item.value, dayPillar);
      } else if (file == "rizhus.txt") {
        match = (item.key.empty() || Has(item.key, dayPillar)) && Has(item.value, hourPillar);
      }
      if (match) result += " " + rule.name;
    }
  }

  if (file == "nianzhi.txt" || file == "rizhi.txt") {
    // 披麻, 吊客 and 丧门 stand ten, two and three branches on from the year (or day) branch.
    const int b = file == "nianzhi.txt" ? Branch::FromCycle(c.yearBranch).Index()
                                        : Branch::FromCycle(c.dayBranch).Index();
    const int t = BranchOf(c, target).Index();
    if (t == (b + 10) % 12) result += " 披麻";
    if (t == (b + 2) % 12) result += " 吊客";
    if (t == (b + 3) % 12) result += " 丧门";
  }
  return text::Trim(result);
}

std::string PillarStarLine(const std::filesystem::path& folder, const BaziChart& chart,
                           Pillar pillar) {
  static constexpr std::string_view kLabels[] = {"年柱：", "月柱：", "日柱：", "时柱："};
  static constexpr std::string_view kFiles[] = {"niangan.txt", "nianzhi.txt", "yuezhi.txt",
                                                "rigan.txt",   "rizhi.txt",   "rizhu.txt",
                                                "rizhus.txt"};
  // The hour line leaves out the day-and-hour file.
  const std::size_t files = pillar == Pillar::Hour ? 6 : 7;
  std::string joined;
  for (std::size_t f = 0; f < files; ++f) {
    if (f > 0) joined += " ";
    joined += StarsOf(folder, kFiles[f], pillar, chart);
  }
  return std::string(kLabels[static_cast<int>(pillar)]) + text::Trim(joined);
}

}  // namespace vessa
