// The content sources as the build stores them.
#include <gtest/gtest.h>

#include <set>

#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/text/tsv.h"
#include "core/data/content_store.h"
#include "core/data/scramble.h"
#include "test_support.h"

namespace vessa {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Sources() {
  std::vector<fs::path> files;
  for (const char* folder : {"db/dream", "db/MorFile", "db/MorBirth", "db/Tgcode",
                             "src/core/numbers/data", "src/core/divination/data"}) {
    for (const auto& entry : fs::directory_iterator(test::SourceDir() / folder)) {
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
  const std::set<std::string> keyLike = {"num", "weight", "title", "djc", "jx",    "tg",
                                         "dz",  "wh",     "sj",    "key", "topic", "line"};
  for (const auto& file : Sources()) {
    if (file.filename() == "bihua.tsv") continue;
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
