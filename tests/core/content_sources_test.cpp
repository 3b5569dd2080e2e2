// The content sources as the build stores them.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "core/data/content_store.h"
#include "core/data/scramble.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/text/tsv.h"
#include "core/data/content_store.h"
#include "core/data/scramble.h"
#include "core/names/luck_class.h"
#include "test_support.h"

namespace vessa {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Sources() {
  std::vector<fs::path> files;
  for (const char* folder : {"db", "src/core"}) {
    for (const auto& entry : fs::recursive_directory_iterator(test::SourceDir() / folder)) {
      if (entry.path().extension() == ".tsv") files.push_back(entry.path());
    }
  }
  return files;
}

TEST(ContentSources, EveryTextIsGbk) {
  const auto files = Sources();
  ASSERT_GE(files.size(), 10u);
  for (const auto& file : files) {
    const tsv::Table table = tsv::ReadFile(file.string());
    for (const auto& row : table.rows) {
      for (const auto& value : row) {
        ASSERT_TRUE(gbk::IsEncodable(value)) << file << ": " << value;
        ASSERT_TRUE(text::IsValidUtf8(value)) << file;
      }
    }
  }
}

// Texts that should differ never repeat within a column.
TEST(ContentSources, NoTextRepeatsWithinItsColumn) {
  const std::set<std::string> keyLike = {"num",    "weight", "title",   "djc",  "jx",    "level",
                                         "reason", "tg",     "dz",      "wh",   "sj",    "key",
                                         "verdict", "type",  "topic",   "line"};
  for (const auto& file : Sources()) {
    // Tables of facts, not texts: stroke rows and the cells of the folk table.
    if (file.filename() == "bihua.tsv" || file.filename() == "qinggong.tsv") continue;
    const tsv::Table table = tsv::ReadFile(file.string());
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      if (keyLike.count(table.columns[c])) continue;
      std::set<std::string> seen;
      for (const auto& row : table.rows) {
        EXPECT_TRUE(seen.insert(row[c]).second)
            << file.filename() << " " << table.columns[c] << ": " << row[c];
      }
    }
  }
}

// The four scrambled columns come back from the built files as they were written.
TEST(ContentSources, ScrambledColumnsRoundTrip) {
  data::ContentStore store(test::BinDir());
  int beeps = 0;
  const auto beep = [&] { ++beeps; };
  struct Column {
    const char* table;
    const char* key;
  } columns[] = {{"sancai", "title"}, {"namefx", "num"}, {"zhiwen", "zhiwen"}, {"zhuge", "id"}};
  int checked = 0;
  for (const auto& c : columns) {
    const fs::path source = test::SourceDir() / "db" / "MorFile" / (std::string(c.table) + ".tsv");
    if (!fs::exists(source)) continue;
    const tsv::Table table = tsv::ReadFile(source.string());
    const int key = table.Column(c.key), content = table.Column("content");
    for (const auto& row : table.rows) {
      auto stored = store.First(data::DatabaseFile::MorFile,
                                std::string("select content from ") + c.table + " where " + c.key +
                                    " = '" + row[key] + "'",
                                data::FailurePolicy::Report);
      ASSERT_TRUE(stored) << c.table << " " << row[key];
      EXPECT_NE(stored->Text(std::size_t{0}), row[content]);  // not stored in the clear
      EXPECT_EQ(data::UnscrambleText(stored->Text(std::size_t{0}), data::kScrambleKey,
                                     data::kScramblePasses, beep),
                row[content]);
      ++checked;
    }
  }
  EXPECT_GE(checked, 125 + 120);
  EXPECT_EQ(beeps, 0);
}

}  // namespace
}  // namespace vessa

namespace vessa {
namespace {

// Columns that hold keys, codes or fixed words rather than texts of ours.
bool IsKeyColumn(const std::string& column) {
  static const std::set<std::string> kKeys = {"num", "weight", "djc", "jx",     "tg",      "dz",
                                              "wh",  "sj",     "key", "char",   "level",   "number",
                                              "id",  "Cid",    "ID",  "GuaCode", "zhiwen", "bihua",
                                              "hanzi", "reason", "gn", "YearA", "JQ", "SJ", "type",
                                              "label", "topic", "line", "year", "month2", "day2",
                                              "time", "hz", "jiazi", "ShiShen", "layin"};
  return kKeys.count(column) > 0;
}

// Where the form of a text is given to us and must stay: the day-of-month birthday
// texts (ASCII punctuation), the quoted birthday rows with their stray blanks,
// and the omen pages laid out as clock spans and paired hours.
bool FormIsGiven(const fs::path& file, const std::string& key) {
  const std::string name = file.filename().string();
  if (name == "birthday_texts.tsv") {
    const std::int64_t k = text::ToInt(key);
    return (k >= 1 && k <= 31) || k == 101 || k == 1231;
  }
  return name == "omens.tsv";
}

// The ASCII marks that have full-width forms in Chinese prose, and blanks. A full
// stop between digits is a decimal point; "<p>" marks paragraphs.
std::string VoiceFaults(std::string_view value) {
  std::string faults;
  const std::string text = text::ReplaceAll(text::ReplaceAll(value, "<p>", ""), "</p>", "");
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool decimal = c == '.' && i > 0 && i + 1 < text.size() &&
                         std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                         std::isdigit(static_cast<unsigned char>(text[i + 1]));
    if ((std::string_view(",.;:?!()\"'").find(c) != std::string_view::npos && !decimal) ||
        c == ' ') {
      faults += c == ' ' ? std::string("blank") : std::string(1, c);
      faults += " at " + std::to_string(i) + "; ";
    }
  }
  return faults;
}

TEST(ContentSources, OurTextsUseChinesePunctuationAndNoStrayBlanks) {
  for (const auto& file : Sources()) {
    const tsv::Table table = tsv::ReadFile(file.string());
    for (const auto& row : table.rows) {
      if (FormIsGiven(file, row[0])) continue;
      for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (IsKeyColumn(table.columns[c])) continue;
        std::string_view value = row[c];
        // The intelligence texts open with fixed words that carry their own blanks.
        // (双鱼座's has one more blank after its "。").
        if (file.filename() == "constellation_iq.tsv") {
          value = value.substr(value.find("。") + 3);
          if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        }
        EXPECT_EQ(VoiceFaults(value), "")
            << file.filename() << " " << table.columns[c] << " " << row[0] << ": " << row[c];
      }
    }
  }
}

// The readings of the 81 numbers each speak of their own number, not one template
// with the number swapped.
TEST(ContentSources, NumberReadingsAreNotOneTemplate) {
  const tsv::Table table =
      tsv::ReadFile((test::SourceDir() / "db" / "MorFile" / "81.tsv").string());
  const int as = table.Column("as"), content = table.Column("content");
  int withQiRen = 0;
  std::map<std::string, int> openings;  // the first four characters of every sentence
  for (const auto& row : table.rows) {
    const std::string reading = row[static_cast<std::size_t>(as)] + row[static_cast<std::size_t>(content)];
    if (text::Contains(reading, "其人")) ++withQiRen;
    std::string sentence;
    for (std::string_view c : text::Chars(reading)) {
      if (c == "。" || c == "！" || c == "？" || c == "；") {
        if (text::CharCount(sentence) >= 4) ++openings[std::string(text::Mid(sentence, 1, 4))];
        sentence.clear();
      } else {
        sentence += c;
      }
    }
  }
  EXPECT_LE(withQiRen, 10);
  for (const auto& [opening, count] : openings) EXPECT_LE(count, 5) << opening;
}

// Each number keeps the verdict of the luck lists, and its verse reads as the
// tradition has it (14: 惟靠坚毅).
TEST(ContentSources, NumberReadingsKeepTheLuckListsVerdicts) {
  const tsv::Table table =
      tsv::ReadFile((test::SourceDir() / "db" / "MorFile" / "81.tsv").string());
  ASSERT_EQ(table.rows.size(), 81u);
  for (const auto& row : table.rows) {
    const int n = static_cast<int>(text::ToInt(row[0]));
    EXPECT_EQ(row[static_cast<std::size_t>(table.Column("jx"))],
              "（" + std::string(LuckClassName(LuckClassOf(n))) + "）")
        << n;
  }
  EXPECT_EQ(table.rows[13][static_cast<std::size_t>(table.Column("yy"))],
            "忍得苦难，必有后福，是成是败，惟靠坚毅");
}

}  // namespace
}  // namespace vessa
