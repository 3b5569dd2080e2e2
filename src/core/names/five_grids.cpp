#include "core/names/five_grids.h"

#include <unordered_map>

#include "core/names/luck_class.h"

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/data/sql_text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

namespace {

// Every character of the stroke table with the count of the first row that holds
// it, in the order the engine delivers the rows, as "hanzi like" finds them.
using StrokeMap = std::unordered_map<std::string, std::string>;

StrokeMap ReadStrokeMap(const data::ContentStore::Runner& run) {
  StrokeMap map;
  for (const data::Row& row : run("select num, hanzi from bihua")) {
    for (std::string_view c : text::Chars(row.Text(std::size_t{1}))) {
      map.emplace(std::string(c), row.Text(std::size_t{0}));
    }
  }
  return map;
}

// One character outside ASCII: the map answers exactly what the LIKE lookup would.
// ASCII letters match without regard to case there, and longer texts match as
// substrings, so those ask the table itself.
bool MapAnswers(std::string_view character) {
  const auto chars = text::Chars(character);
  return chars.size() == 1 && static_cast<unsigned char>(character.front()) >= 0x80;
}

int StrokeCountOf(const std::string& num) {
  std::int64_t n = 0;
  if (!text::TryToInt(num, n)) throw SilentAbort("a stroke count that is not a number");
  return static_cast<int>(n);
}

}  // namespace

int StrokeCount(const data::ContentStore& store, std::string_view character) {
  if (MapAnswers(character)) {
    const auto map = store.Derived<StrokeMap>(DatabaseFile::MorFile, "strokes",
                                              FailurePolicy::Cancel, ReadStrokeMap);
    const auto it = map->find(std::string(character));
    return it == map->end() ? 0 : StrokeCountOf(it->second);
  }
  auto row = store.First(DatabaseFile::MorFile,
                         "Select num from bihua where hanzi like " + data::QuotedLike(character),
                         FailurePolicy::Cancel);
  return row ? StrokeCountOf(row->Text(std::size_t{0})) : 0;
}

namespace {

// The strokes of a part: a single part counts its own; a longer one its first
// character (bytes 1-2) plus the rest (bytes 3-6).
int PartStrokes(const data::ContentStore& store, std::string_view part) {
  if (gbk::ByteLength(part) <= 2) return StrokeCount(store, part);
  return StrokeCount(store, gbk::Copy(part, 1, 2)) + StrokeCount(store, gbk::Copy(part, 3, 4));
}

int FirstStrokes(const data::ContentStore& store, std::string_view part) {
  return StrokeCount(store, gbk::ByteLength(part) <= 2 ? std::string(part) : gbk::Copy(part, 1, 2));
}

int Heaven(const data::ContentStore& store, std::string_view surname) {
  if (gbk::ByteLength(surname) <= 2) return StrokeCount(store, surname) + 1;
  return StrokeCount(store, gbk::Copy(surname, 1, 2)) +
         StrokeCount(store, gbk::Copy(surname, 3, 2));
}

int Person(const data::ContentStore& store, std::string_view surname, std::string_view given) {
  const int last = gbk::ByteLength(surname) <= 2 ? StrokeCount(store, surname)
                                                 : StrokeCount(store, gbk::Copy(surname, 3, 2));
  return last + FirstStrokes(store, given);
}

int Earth(const data::ContentStore& store, std::string_view given) {
  if (gbk::ByteLength(given) <= 2) return StrokeCount(store, given) + 1;
  return StrokeCount(store, gbk::Copy(given, 1, 2)) + StrokeCount(store, gbk::Copy(given, 3, 2));
}

int Total(const data::ContentStore& store, std::string_view surname, std::string_view given) {
  return PartStrokes(store, surname) + PartStrokes(store, given);
}

int Outer(const data::ContentStore& store, std::string_view surname, std::string_view given) {
  if (gbk::ByteLength(surname) == 2 && gbk::ByteLength(given) == 2) return 2;
  return Total(store, surname, given) - Person(store, surname, given) + 1;
}

}  // namespace

int GridNumber(const data::ContentStore& store, std::string_view surname,
               std::string_view givenName, int grid) {
  switch (grid) {
    case 0:
      return Heaven(store, surname);
    case 1:
      return Earth(store, givenName);
    case 2:
      return Person(store, surname, givenName);
    case 3:
      return Total(store, surname, givenName);
    case 4:
      return Outer(store, surname, givenName);
    default:
      return 0;
  }
}

FiveGrids GridsOf(const data::ContentStore& store, std::string_view surname,
                  std::string_view givenName) {
  return {GridNumber(store, surname, givenName, NameGrid::Heaven),
          GridNumber(store, surname, givenName, NameGrid::Earth),
          GridNumber(store, surname, givenName, NameGrid::Person),
          GridNumber(store, surname, givenName, NameGrid::Total),
          GridNumber(store, surname, givenName, NameGrid::Outer)};
}

std::string NumberElement(int n) {
  switch (n % 10) {  // the sign of the dividend is kept
    case 1:
    case 2:
      return "木";
    case 3:
    case 4:
      return "火";
    case 5:
    case 6:
      return "土";
    case 7:
    case 8:
      return "金";
    case 9:
    case 0:
      return "水";
    default:
      return {};
  }
}

std::string ThreeTalentKey(int heaven, int person, int earth) {
  return NumberElement(heaven) + NumberElement(person) + NumberElement(earth);
}

std::string LuckClass(int n) { return std::string(LuckClassName(LuckClassOf(n))); }

double GridScore(int n, int grid) {
  struct Row {
    double lucky, half, unlucky;
  };
  static constexpr Row kOuterRow = {10, 8.5, 7};
  static constexpr Row kPersonRow = {30, 25.5, 21};
  static constexpr Row kTotalRow = {20, 17, 14};
  const Row& row = grid == 2 ? kPersonRow : grid == 3 ? kTotalRow : kOuterRow;
  switch (LuckClassOf(n)) {
    case LuckClassKind::Lucky:
      return row.lucky;
    case LuckClassKind::HalfLucky:
      return row.half;
    case LuckClassKind::Unlucky:
      return row.unlucky;
    case LuckClassKind::None:
      break;
  }
  return 0;
}

double GradeScore(int grade) {
  static constexpr double kScores[] = {20, 18, 16, 15, 14, 13, 12};
  return grade >= 1 && grade <= 7 ? kScores[grade - 1] : -1;
}

double ThreeTalentScore(const data::ContentStore& store, std::string_view key) {
  auto row = store.First(DatabaseFile::MorFile,
                         "Select djc from sancai where title = " + data::Quoted(key) + " ",
                         FailurePolicy::Cancel);
  std::int64_t grade = 0;
  if (!row || !text::TryToInt(row->Text(std::size_t{0}), grade)) return -1;
  return GradeScore(static_cast<int>(grade));
}

}  // namespace vessa
