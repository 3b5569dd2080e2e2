#include "core/names/name_characters.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/text/text.h"
#include "core/text/tsv.h"

namespace vessa {

// Embedded from src/core/names/data/ by the build.
extern const std::string_view kCommonCharsTsv;
extern const std::string_view kUnfitForNamesTsv;

namespace {

struct Common {
  int level;
  int number;  // place in the table: the order the characters are offered in
};

const std::unordered_map<std::string, Common>& CommonCharacters() {
  static const auto map = [] {
    std::unordered_map<std::string, Common> m;
    const tsv::Table t = tsv::Parse(kCommonCharsTsv, "common_chars.tsv");
    for (const auto& row : t.rows) {
      m.emplace(row[0], Common{static_cast<int>(text::ToInt(row[1])),
                               static_cast<int>(text::ToInt(row[2]))});
    }
    return m;
  }();
  return map;
}

const std::unordered_map<std::string, std::string>& UnfitCharacters() {
  static const auto map = [] {
    std::unordered_map<std::string, std::string> m;
    const tsv::Table t = tsv::Parse(kUnfitForNamesTsv, "unfit_for_names.tsv");
    for (const auto& row : t.rows) m.emplace(row[0], row[1]);
    return m;
  }();
  return map;
}

}  // namespace

int CommonCharacterLevel(std::string_view character) {
  const auto it = CommonCharacters().find(std::string(character));
  return it == CommonCharacters().end() ? 0 : it->second.level;
}

bool IsUnfitForName(std::string_view character) {
  return UnfitCharacters().count(std::string(character)) > 0;
}

std::string_view UnfitReason(std::string_view character) {
  const auto it = UnfitCharacters().find(std::string(character));
  return it == UnfitCharacters().end() ? std::string_view{} : std::string_view(it->second);
}

std::string NameCharactersOf(std::string_view strokeRow, std::size_t limit) {
  std::vector<std::pair<int, std::string_view>> fit;  // table number, character
  for (std::string_view c : text::Chars(strokeRow)) {
    const auto it = CommonCharacters().find(std::string(c));
    if (it == CommonCharacters().end() || IsUnfitForName(c)) continue;
    fit.emplace_back(it->second.number, c);
  }
  // Level 1 holds numbers 1-3500 and level 2 the rest: the table's order puts
  // level 1 first.
  std::sort(fit.begin(), fit.end());
  fit.erase(std::unique(fit.begin(), fit.end()), fit.end());
  if (limit > 0 && fit.size() > limit) fit.resize(limit);
  std::string out;
  for (const auto& [number, c] : fit) out += c;
  return out;
}

}  // namespace vessa
