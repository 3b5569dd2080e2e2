#include "core/articles/birth_sex_table.h"

#include <array>
#include <string>

#include "core/text/text.h"
#include "core/text/tsv.h"

namespace vessa {

// Embedded from src/core/articles/data/ by the build.
extern const std::string_view kQinggongTsv;
extern const std::string_view kBirthSexNoteTsv;

namespace {

struct Tables {
  std::array<std::array<std::string, 12>, kBirthSexLastAge - kBirthSexFirstAge + 1> cells;
  std::string title, note;
};

const Tables& Loaded() {
  static const Tables tables = [] {
    Tables t;
    for (const auto& row : tsv::Parse(kQinggongTsv, "qinggong.tsv").rows) {
      const auto age = static_cast<std::size_t>(text::ToInt(row[0]) - kBirthSexFirstAge);
      for (std::size_t m = 0; m < 12; ++m) t.cells.at(age)[m] = row[m + 1];
    }
    for (const auto& row : tsv::Parse(kBirthSexNoteTsv, "birth_sex_note.tsv").rows) {
      (row[0] == "title" ? t.title : t.note) = row[1];
    }
    return t;
  }();
  return tables;
}

}  // namespace

std::string_view BirthSexOf(int motherAge, int lunarMonth) {
  if (motherAge < kBirthSexFirstAge || motherAge > kBirthSexLastAge || lunarMonth < 1 ||
      lunarMonth > 12) {
    return {};
  }
  return Loaded().cells[static_cast<std::size_t>(motherAge - kBirthSexFirstAge)]
                       [static_cast<std::size_t>(lunarMonth - 1)];
}

std::string_view BirthSexNoteTitle() { return Loaded().title; }
std::string_view BirthSexNote() { return Loaded().note; }

}  // namespace vessa
