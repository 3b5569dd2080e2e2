#include "core/bazi/spirit_stars.h"

#include <fstream>
#include <sstream>
#include <algorithm>
#include <stdexcept>

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

namespace {

// "shensha/niangan.txt": how a line names a rule file.
std::string RuleFileName(const std::filesystem::path& file) {
  return "shensha/" + file.filename().string();
}

std::string_view StarsOfFile(const std::filesystem::path& file) {
  const StarFile* rules = FindStarFile(file.filename().string());
  return rules ? rules->stars : std::string_view("神煞");
}

}  // namespace

std::vector<std::string> ReadRuleFile(const std::filesystem::path& file, data::FailureLog* log) {
  const auto note = [&](std::string_view what) {
    if (log) log->Note("规则文件 " + RuleFileName(file) + " " + std::string(what) + "：" +
                       std::string(StarsOfFile(file)) + "缺失");
    return std::vector<std::string>{};
  };
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (ec || !std::filesystem::exists(status)) {
    throw SilentAbort("cannot read the rule file " + file.string());
  }
  // A folder, FIFO or device is no rule file; opening a FIFO would wait forever.
  if (!std::filesystem::is_regular_file(status)) return note("不是普通文件");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw SilentAbort("cannot read the rule file " + file.string());
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) throw SilentAbort("cannot read the rule file " + file.string());
  const std::string bytes = ss.str();
  if (bytes.empty()) return note("为空");
  RuleFileText decoded = DecodeRuleFile(bytes);
  if (!decoded.gbk) note("不是GBK文本");
  return std::move(decoded.lines);
}

RuleFileText DecodeRuleFile(std::string_view bytes) {
  // UTF-8 Chinese often passes as GBK byte for byte, so a file that is valid
  // UTF-8 with anything beyond ASCII counts as UTF-8. Its lines are still read as
  // GBK, as they always were: what they match stays, and the log says the rest is lost.
  const bool beyondAscii = std::any_of(
      bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  RuleFileText decoded;
  decoded.gbk = gbk::IsValidGbk(bytes) && !(beyondAscii && text::IsValidUtf8(bytes));
  decoded.lines = SplitLines(gbk::ToUtf8(bytes));
  return decoded;
}

namespace {

bool EveryLine(std::size_t, const BaziChart&) { return true; }
// nianzhi.txt: line 3 only when the luck runs forward, line 4 only in reverse (and
// nothing after line 14, the file's line limit).
bool YearBranchLines(std::size_t n, const BaziChart& c) {
  if (n == 3) return !c.luckReverse;
  if (n == 4) return c.luckReverse;
  return true;
}

bool YearStemRule(const StarRule::Item& item, std::size_t, const StarTarget& t,
                  const BaziChart& c) {
  return Has(item.key, c.YearPillar().stem.Name()) && Has(item.value, t.branch);
}
bool YearBranchRule(const StarRule::Item& item, std::size_t, const StarTarget& t,
                    const BaziChart& c) {
  return Has(item.key, c.YearPillar().branch.Name()) && Has(item.value, t.branch);
}
bool MonthBranchRule(const StarRule::Item& item, std::size_t, const StarTarget& t,
                     const BaziChart& c) {
  return Has(item.key, c.MonthPillar().branch.Name()) &&
         (Has(item.value, t.stem) || Has(item.value, t.branch));
}
bool DayStemRule(const StarRule::Item& item, std::size_t, const StarTarget& t,
                 const BaziChart& c) {
  return Has(item.key, c.DayPillar().stem.Name()) && Has(item.value, t.branch);
}
bool DayBranchRule(const StarRule::Item& item, std::size_t, const StarTarget& t,
                   const BaziChart& c) {
  return Has(item.key, c.DayPillar().branch.Name()) && Has(item.value, t.branch);
}
// Lines 1-5 name a target pillar (an empty value matches any day); from line 6 on
// the key names the target branch.
bool PillarRule(const StarRule::Item& item, std::size_t n, const StarTarget& t,
                const BaziChart&) {
  if (n <= 5) return Has(item.key, t.pillar) && (item.value.empty() || Has(item.value, t.dayPillar));
  return Has(item.key, t.branch) && Has(item.value, t.dayPillar);
}
// The day pillar against the hour pillar; the target plays no part.
bool DayHourRule(const StarRule::Item& item, std::size_t, const StarTarget& t,
                 const BaziChart&) {
  return (item.key.empty() || Has(item.key, t.dayPillar)) && Has(item.value, t.hourPillar);
}

const Pillar* NoComputedStars(const BaziChart&) { return nullptr; }

// A line the parser reads but whose rules it cannot use as written: no star name,
// no item at all, or items beyond the twenty-first. Items without ":" and empty
// values are accepted as the reader accepts them.
void NoteSkippedParts(data::FailureLog& log, std::string_view file, std::size_t lineNo,
                      std::string_view line, const StarRule& rule) {
  const std::string where = "规则文件 shensha/" + std::string(file) + " 第" + std::to_string(lineNo) + "行";
  if (rule.name.empty()) {
    log.Note(where + "没有神煞名，不会被读取");
  } else if (rule.items.empty()) {
    log.Note(where + "没有规则项，不会被读取");
  } else {
    const std::string list =
        text::Trim(text::ReplaceAll(line, std::string(text::Mid(line, 1, kStarNameWidth)), ""));
    std::size_t items = 0;
    for (std::size_t b = 0; b <= list.size();) {
      const std::size_t comma = std::min(list.find(',', b), list.size());
      if (!text::Trim(std::string_view(list).substr(b, comma - b)).empty()) ++items;
      b = comma + 1;
    }
    if (items > kStarItemsPerLine) {
      log.Note(where + "超过" + std::to_string(kStarItemsPerLine) + "项，多出的不会被读取");
    }
  }
}
const Pillar* FromYear(const BaziChart& c) { return &c.YearPillar(); }
const Pillar* FromDay(const BaziChart& c) { return &c.DayPillar(); }

}  // namespace

const std::array<StarFile, 7>& StarFiles() {
  static const std::array<StarFile, 7> files = {{
      {"niangan.txt", "年干神煞", 0, EveryLine, YearStemRule, NoComputedStars},
      {"nianzhi.txt", "年支神煞", 14, YearBranchLines, YearBranchRule, FromYear},
      {"yuezhi.txt", "月支神煞", 0, EveryLine, MonthBranchRule, NoComputedStars},
      {"rigan.txt", "日干神煞", 0, EveryLine, DayStemRule, NoComputedStars},
      {"rizhi.txt", "日支神煞", 7, EveryLine, DayBranchRule, FromDay},
      {"rizhu.txt", "日柱神煞", 0, EveryLine, PillarRule, NoComputedStars},
      {"rizhus.txt", "日时神煞", 0, EveryLine, DayHourRule, NoComputedStars},
  }};
  return files;
}

const StarFile* FindStarFile(std::string_view name) {
  for (const StarFile& f : StarFiles()) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

std::string StarsOf(const std::filesystem::path& folder, std::string_view file,
                    PillarSlot target, const BaziChart& c, data::FailureLog* log) {
  const StarFile* rules = FindStarFile(file);
  if (!rules) throw std::invalid_argument("no spirit-star rule file " + std::string(file));
  const std::vector<std::string> lines = ReadRuleFile(folder / "shensha" / file, log);
  if (lines.empty()) return {};

  const Pillar& p = c.At(target);
  const StarTarget t{p.stem.Name(), p.branch.Name(), p.Name(), c.DayPillar().Name(),
                     c.HourPillar().Name()};
  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t lineNo = i + 1;
    const bool blank = text::Trim(lines[i]).empty();
    if (rules->lineLimit > 0 && lineNo > rules->lineLimit) {
      if (!blank && log) {
        log->Note("规则文件 shensha/" + std::string(file) + " 第" + std::to_string(lineNo) +
                  "行超出前" + std::to_string(rules->lineLimit) + "行，不会被读取");
      }
      continue;
    }
    if (!rules->readsLine(lineNo, c)) continue;
    const StarRule rule = ParseStarRule(lines[i]);
    if (log && !blank) NoteSkippedParts(*log, file, lineNo, lines[i], rule);
    for (const auto& item : rule.items) {
      if (rules->matches(item, lineNo, t, c)) result += " " + rule.name;
    }
  }

  if (const Pillar* from = rules->computedFrom(c)) {
    // 披麻, 吊客 and 丧门 stand ten, two and three branches on from the year (or day) branch.
    const Branch b = from->branch;
    if (p.branch == b.Next(10)) result += " 披麻";
    if (p.branch == b.Next(2)) result += " 吊客";
    if (p.branch == b.Next(3)) result += " 丧门";
  }
  return text::Trim(result);
}

std::string PillarStarLine(const std::filesystem::path& folder, const BaziChart& chart,
                           PillarSlot pillar, data::FailureLog* log) {
  static constexpr std::string_view kLabels[] = {"年柱：", "月柱：", "日柱：", "时柱："};
  // The hour line leaves out the day-and-hour file.
  const std::size_t files = pillar == PillarSlot::Hour ? 6 : 7;
  std::string joined;
  for (std::size_t f = 0; f < files; ++f) {
    if (f > 0) joined += " ";
    joined += StarsOf(folder, StarFiles()[f].name, pillar, chart, log);
  }
  return std::string(kLabels[static_cast<int>(pillar)]) + text::Trim(joined);
}

}  // namespace vessa
