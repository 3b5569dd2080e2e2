#include "core/names/naming_assistant.h"

#include "core/data/scramble.h"
#include "core/data/sql_text.h"
#include "core/names/five_grids.h"
#include "core/names/name_characters.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

namespace {

bool Passes(int n) {
  // Appended piece by piece: "," + std::string trips GCC 12's -Wrestrict at -O3.
  std::string number = ",";
  number += std::to_string(n);
  number += ',';
  return text::Contains(kProposalLuckyNumbers, number);
}

std::string Unscrambled(const data::ContentStore& store, const std::string& stored) {
  return text::Trim(data::UnscrambleText(text::Trim(stored), data::kScrambleKey,
                                         data::kScramblePasses, store.BeepFunction()));
}

}  // namespace

std::vector<TalentPair> BestTalentPairs(const data::ContentStore& store, int heaven) {
  std::vector<TalentPair> pairs;
  const auto rows = store.All(DatabaseFile::MorFile,
                              "Select title from sancai where djc = 1 and left(title,1) = " +
                                  data::Quoted(NumberElement(heaven)),
                              FailurePolicy::Report);
  for (const auto& row : rows) {
    const std::string wanted = gbk::Copy(text::Trim(row.Text(std::size_t{0})), 3, 4);
    for (int p : kCandidateNumbers) {
      for (int q : kCandidateNumbers) {
        if (NumberElement(p) + NumberElement(q) == wanted) pairs.push_back({p, q});
      }
    }
  }
  return pairs;
}

std::vector<NameProposal> NameProposals(const data::ContentStore& store, std::string_view surname,
                                        bool twoCharacters) {
  const std::size_t bytes = gbk::ByteLength(surname);
  if (bytes < 2) return {};
  int heaven, strokes, last;
  if (bytes == 2) {
    strokes = last = StrokeCount(store, surname);
    heaven = strokes + 1;
  } else {
    const int s1 = StrokeCount(store, gbk::Copy(surname, 1, 2));
    last = StrokeCount(store, gbk::Copy(surname, 3, 4));
    heaven = strokes = s1 + last;
  }
  std::vector<NameProposal> proposals;
  for (const TalentPair& pair : BestTalentPairs(store, heaven)) {
    const int p = pair.person, q = pair.earth;
    if (twoCharacters) {
      const int g1 = p - last, g2 = q - g1;
      // The total (N + q) and the outer grid (N + q - p + 1) must be lucky too.
      if (Passes(strokes + q) && Passes(strokes + q - p + 1) && g1 > 0 && g2 > 0)
        proposals.push_back({g1, g2});
    } else {
      const int g = p - last;
      if (g > 0 && q == g + 1 && Passes(strokes + g)) proposals.push_back({g, 0});
    }
  }
  return proposals;
}

std::string ProposalText(const NameProposal& p, bool twoCharacters, bool afterSwitch) {
  std::string text = (afterSwitch ? "名1字:" : "第一字:") + std::to_string(p.first) + "画";
  if (twoCharacters)
    text += (afterSwitch ? " 名2字:" : " 第二字:") + std::to_string(p.second) + "画";
  return text;
}

std::string CharactersWithStrokes(const data::ContentStore& store, int strokes) {
  const std::string count = std::to_string(strokes);
  return store.Text(DatabaseFile::MorFile,
                    data::Formatted("select hanzi from bihua where num = '%s'", {count}), 0,
                    FailurePolicy::Cancel);
}

std::string NameCharactersWithStrokes(const data::ContentStore& store, int strokes,
                                      std::size_t limit) {
  return NameCharactersOf(CharactersWithStrokes(store, strokes), limit);
}

std::optional<std::string> StoredThreeTalentReading(const data::Query& query,
                                                    const data::ContentStore& store,
                                                    std::string_view key) {
  auto row = query.First("Select content from sancai where title = " + data::Quoted(key) + " ",
                         FailurePolicy::Cancel);
  if (!row) return std::nullopt;
  return Unscrambled(store, row->Text(std::size_t{0}));
}

std::string ThreeTalentText(const data::Query& query, const data::ContentStore& store,
                            std::string_view key) {
  return StoredThreeTalentReading(query, store, key).value_or(std::string(kNoReading));
}

std::optional<NameTestStart> BeginNameTest(const data::Query& query, const data::ContentStore& store,
                                           std::string_view surname, std::string_view givenName) {
  const std::string s = text::Trim(surname), g = text::Trim(givenName);
  if (s.empty() || g.empty()) return std::nullopt;
  NameTestStart start{s + g, GridsOf(store, s, g), {}};
  const FiveGrids& grids = start.grids;
  const std::string K = ThreeTalentKey(grids.heaven, grids.person, grids.earth);
  const std::string talent = ThreeTalentText(query, store, K);
  start.lines = {start.name + ",您的三才为" + K, "", "", "    " + talent};
  return start;
}

std::vector<std::string> NameTestReadings(const data::ContentStore& store,
                                          const NameTestStart& start) {
  auto reading = [&](int n) {
    auto row =
        store.First(DatabaseFile::MorFile,
                    "Select content from namefx where num = " + data::Quoted(std::to_string(n)),
                    FailurePolicy::Cancel);
    return row ? Unscrambled(store, row->Text(std::size_t{0})) : std::string(kNoReading);
  };
  const FiveGrids& grids = start.grids;
  const std::string T = reading(grids.heaven), D = reading(grids.earth), R = reading(grids.person),
                    Z = reading(grids.total), W = reading(grids.outer);
  auto num = [](int n) { return std::to_string(n); };
  return {"",
          "天格: " + num(grids.heaven),
          "地格: " + num(grids.earth),
          "人格: " + num(grids.person),
          "总格: " + num(grids.total),
          "外格: " + num(grids.outer),
          "",
          "",
          Z,
          "",
          "补充:",
          "天格" + num(grids.heaven) + "分析:",
          "    " + T,
          "",
          "地格" + num(grids.earth) + "分析:",
          "    " + D,
          "",
          "人格" + num(grids.person) + "分析:",
          "    " + R,
          "",
          "外格" + num(grids.outer) + "分析:",
          "    " + W};
}

std::vector<std::string> NameTestLines(const data::Query& query, const data::ContentStore& store,
                                       std::string_view surname, std::string_view givenName) {
  std::optional<NameTestStart> start = BeginNameTest(query, store, surname, givenName);
  if (!start) return {};
  std::vector<std::string> lines = std::move(start->lines);
  for (std::string& line : NameTestReadings(store, *start)) lines.push_back(std::move(line));
  return lines;
}

}  // namespace vessa
