#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/content_store.h"
#include "core/names/five_grids.h"

// The naming assistant: stroke counts for a new given name that fit a surname,
// the characters of those counts, and the test of a chosen name.
namespace vessa {

// Both the person and the earth candidates come from this list, in this order.
inline constexpr int kCandidateNumbers[] = {1,  3,  5,  6,  7,  11, 13, 15, 16,
                                            21, 23, 24, 29, 31, 32, 33, 35, 37};
inline constexpr std::string_view kProposalLuckyNumbers =
    ",1,3,5,6,7,11,13,15,16,21,23,24,29,31,32,33,35,37,41,45,47,48,52,57,61,63,65,67,68,81,";

struct TalentPair {
  int person;  // p, 人格
  int earth;   // q, 地格
  friend bool operator==(const TalentPair&, const TalentPair&) = default;
};

// The stroke counts of the first (and, for two characters, the second) character.
struct NameProposal {
  int first;
  int second;  // 0 for a one-character name
  friend bool operator==(const NameProposal&, const NameProposal&) = default;
};

// The person/earth pairs whose elements continue a grade-1 three-talent key that
// begins with the element of heaven. The key query fails under "report".
std::vector<TalentPair> BestTalentPairs(const data::ContentStore& store, int heaven);

// Proposals for a surname; none for a surname shorter than two GBK bytes.
std::vector<NameProposal> NameProposals(const data::ContentStore& store, std::string_view surname,
                                        bool twoCharacters);

// The list texts: "第一字:6画 第二字:10画" when the window opens, "名1字:6画 名2字:10画"
// after a mode switch.
std::string ProposalText(const NameProposal& p, bool twoCharacters, bool afterSwitch);

// Every character that has the stroke count ("" when none); fails under "cancel".
std::string CharactersWithStrokes(const data::ContentStore& store, int strokes);
// Those of them fit for a given name (name_characters.h), at most `limit` (0: all).
std::string NameCharactersWithStrokes(const data::ContentStore& store, int strokes,
                                      std::size_t limit = 0);

// What the list shows when a surname gets no proposal at all.
inline constexpr std::string_view kNoProposals = "没有符合三才五格的笔画组合";

inline constexpr std::string_view kNoReading = "无结果,请听下回分解";

// The stored three-talent reading of a key, unscrambled; nullopt without a row.
// query is the query object to run it on; a failing lookup throws SilentAbort.
std::optional<std::string> StoredThreeTalentReading(const data::Query& query,
                                                    const data::ContentStore& store,
                                                    std::string_view key);
// The same, kNoReading without a row.
std::string ThreeTalentText(const data::Query& query, const data::ContentStore& store,
                            std::string_view key);

// Testing a given name with a surname runs in two steps, so that a front end can
// show the first lines before the grid readings are looked up: a failing lookup
// of the second step then leaves those lines in place.
struct NameTestStart {
  std::string name;  // surname and given name, trimmed
  FiveGrids grids;
  std::vector<std::string> lines;  // the name and its three talents
};
// The stroke and three-talent lookups; nullopt when either name is empty. query
// runs the three-talent reading.
std::optional<NameTestStart> BeginNameTest(const data::Query& query, const data::ContentStore& store,
                                           std::string_view surname, std::string_view givenName);
// The five grids and their readings (the namefx lookups).
std::vector<std::string> NameTestReadings(const data::ContentStore& store,
                                          const NameTestStart& start);
// Both steps' lines; none when either name is empty.
std::vector<std::string> NameTestLines(const data::Query& query, const data::ContentStore& store,
                                       std::string_view surname, std::string_view givenName);

}  // namespace vessa
