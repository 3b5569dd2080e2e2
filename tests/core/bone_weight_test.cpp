#include <gtest/gtest.h>

#include <set>

#include "core/bazi/bone_weight.h"
#include "core/bazi/useful_god.h"
#include "core/data/sql_text.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "test_support.h"

namespace vessa {
namespace {

// dream.dll with chosen weights for year "1", month "1", day "1", hour "0".
void WeightFixture(const std::filesystem::path& folder, const char* y, const char* m, const char* d,
                   const char* h) {
  test::MakeDatabase(folder / "dream.dll",
                     std::string("CREATE TABLE chenggu1 (year TEXT, weight REAL);"
                                 "CREATE TABLE chenggu2 (month2 TEXT, weight REAL);"
                                 "CREATE TABLE chenggu3 (day2 TEXT, weight REAL);"
                                 "CREATE TABLE chenggu4 (time TEXT, weight REAL);"
                                 "CREATE TABLE chenggu (weight TEXT, content TEXT, content2 TEXT);"
                                 "INSERT INTO chenggu VALUES ('40', ' 四两之诗 ', '四两之解'), "
                                 "('51', '五两一钱之诗', '五两一钱之解');") +
                         "INSERT INTO chenggu1 VALUES ('1', " + y + ");" +
                         "INSERT INTO chenggu2 VALUES ('1', " + m + ");" +
                         "INSERT INTO chenggu3 VALUES ('1', " + d + ");" +
                         "INSERT INTO chenggu4 VALUES ('0', " + h + ");");
}

TEST(BoneWeight, Codes) {
  EXPECT_EQ(BoneWeightCode(0.7 + 0.9 + 1.6 + 0.8), "40");
  EXPECT_EQ(BoneWeightCode(4.5), "45");
  EXPECT_EQ(BoneWeightCode(5.0), "50");
  EXPECT_EQ(BoneWeightCode(2.1), "21");
  EXPECT_EQ(BoneWeightCode(1.2 + 1.5 + 1.6 + 0.8), "51");
  EXPECT_EQ(BoneWeightCode(0), "00");
}

TEST(BoneWeight, LinesOfEachMode) {
  test::TempDir dir;
  WeightFixture(dir.path(), "0.7", "0.9", "1.6", "0.8");
  data::ContentStore store(dir.path());
  EXPECT_EQ(BoneWeightLine(store, "1", "1", "1", "0", BoneWeightMode::Weight), "你的骨重为：4两");
  EXPECT_EQ(BoneWeightLine(store, "1", "1", "1", "0", BoneWeightMode::Verse), "骨重诗评：四两之诗");
  EXPECT_EQ(BoneWeightLine(store, "1", "1", "1", "0", BoneWeightMode::Explanation),
            "骨重解评：四两之解");
  test::TempDir other;
  WeightFixture(other.path(), "1.2", "1.5", "1.6", "0.8");
  EXPECT_EQ(
      BoneWeightLine(data::ContentStore(other.path()), "1", "1", "1", "0", BoneWeightMode::Weight),
      "你的骨重为：5两1钱");
}

TEST(BoneWeight, MissingRowsCountZeroAndAMissingVerseIsEmpty) {
  test::TempDir dir;
  WeightFixture(dir.path(), "0.7", "0.9", "1.6", "0.8");
  data::ContentStore store(dir.path());
  // No row for year "2": the sum 3.3 has no verse here.
  EXPECT_EQ(BoneWeightLine(store, "2", "1", "1", "0", BoneWeightMode::Weight), "");
  EXPECT_EQ(BoneWeightLine(store, "9", "9", "9", "9", BoneWeightMode::Verse), "");  // code "00"
}

TEST(BoneWeight, AMissingFileStopsTheReading) {
  test::TempDir empty;
  EXPECT_THROW(BoneWeightLine(data::ContentStore(empty.path()), "1980", "1", "1", "0",
                              BoneWeightMode::Weight),
               SilentAbort);
}

TEST(BoneWeight, ShippedWeightsReachAVerseForEveryBirth) {
  data::ContentStore store(test::BinDir());
  auto weights = [&](const char* table, const char* key) {
    std::set<std::string> values;
    for (const auto& row : store.All(data::DatabaseFile::Dream,
                                     std::string("select ") + key + ", weight from " + table,
                                     data::FailurePolicy::Report)) {
      values.insert(row.Text(1));
    }
    return values;
  };
  EXPECT_EQ(
      store.All(data::DatabaseFile::Dream, "select year from chenggu1", data::FailurePolicy::Report)
          .size(),
      201u);
  EXPECT_EQ(store
                .All(data::DatabaseFile::Dream, "select month2 from chenggu2",
                     data::FailurePolicy::Report)
                .size(),
            12u);
  EXPECT_EQ(
      store.All(data::DatabaseFile::Dream, "select day2 from chenggu3", data::FailurePolicy::Report)
          .size(),
      30u);
  EXPECT_EQ(
      store.All(data::DatabaseFile::Dream, "select time from chenggu4", data::FailurePolicy::Report)
          .size(),
      24u);
  std::set<std::string> codes;
  for (const auto& y : weights("chenggu1", "year")) {
    for (const auto& m : weights("chenggu2", "month2")) {
      for (const auto& d : weights("chenggu3", "day2")) {
        for (const auto& h : weights("chenggu4", "time")) {
          double sum = 0;
          for (const auto* w : {&y, &m, &d, &h}) sum += text::ToFloat(*w);
          codes.insert(BoneWeightCode(sum));
        }
      }
    }
  }
  EXPECT_EQ(*codes.begin(), "21");
  EXPECT_EQ(*codes.rbegin(), "71");
  for (const auto& code : codes) {
    auto row = store.First(data::DatabaseFile::Dream,
                           "Select content,content2 from chenggu where weight ='" + code + "'",
                           data::FailurePolicy::Report);
    ASSERT_TRUE(row) << code;
    EXPECT_FALSE(row->Text(std::size_t{0}).empty()) << code;
    EXPECT_FALSE(row->Text(std::size_t{1}).empty()) << code;
  }
  // Known traditional weights: 甲子 1.2, 己卯 1.9; 正月 0.6; 初一 0.5; 子时 1.6, 丑时 0.6.
  EXPECT_EQ(BoneWeightLine(store, "1984", "1", "1", "0", BoneWeightMode::Weight),
            "你的骨重为：3两9钱");
  EXPECT_EQ(BoneWeightLine(store, "1999", "1", "1", "23", BoneWeightMode::Weight),
            "你的骨重为：4两6钱");
  EXPECT_EQ(BoneWeightLine(store, "1999", "1", "1", "1", BoneWeightMode::Weight),
            "你的骨重为：3两6钱");
}

TEST(UsefulGods, SeasonAndClimateLines) {
  data::ContentStore store(test::BinDir());
  const std::string season = SeasonLine(store, "用神喜忌：日主天干", "春", "甲");
  EXPECT_EQ(season.rfind("用神喜忌：日主天干木生于春季，", 0), 0u) << season;
  EXPECT_GT(text::CharCount(season), 30u);
  EXPECT_EQ(season.substr(season.size() - 3), "。");
  const std::string climate = ClimateLine(store, "甲", "寅");
  EXPECT_EQ(climate.rfind("穷通宝鉴调候用神：甲木生于寅月，", 0), 0u) << climate;
  EXPECT_GT(text::CharCount(climate), 40u);
}

TEST(UsefulGods, ShippedTextsCoverEveryKey) {
  data::ContentStore store(test::BinDir());
  for (const char* stem : {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}) {
    for (const char* season : {"春", "夏", "秋", "冬"}) {
      EXPECT_GT(text::CharCount(SeasonLine(store, "四季用神：日主天干", season, stem)), 30u)
          << stem << season;
    }
    for (const char* branch :
         {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"}) {
      const std::string line = ClimateLine(store, stem, branch);
      const std::string head = "穷通宝鉴调候用神：" + std::string(stem);
      EXPECT_GT(text::CharCount(line), text::CharCount(head) + 40) << stem << branch;
    }
  }
}

TEST(UsefulGods, MissingRowsLeaveTheFixedWords) {
  test::TempDir dir;
  test::MakeDatabase(
      dir.path() / "Tgcode.dll",
      "CREATE TABLE hzwh (hz TEXT, wh TEXT); INSERT INTO hzwh VALUES ('甲乙寅卯', '木');"
      "CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT); CREATE TABLE qtbj (tg TEXT, dz TEXT, "
      "content TEXT);");
  data::ContentStore store(dir.path());
  EXPECT_EQ(SeasonLine(store, "用神喜忌：日主天干", "春", "甲"),
            "用神喜忌：日主天干木生于春季，。");
  EXPECT_EQ(ClimateLine(store, "甲", "寅"), "穷通宝鉴调候用神：甲木生于寅月，");
}

}  // namespace
}  // namespace vessa

namespace vessa {
namespace {

// The year weights as published with the 称骨歌 (in the order of the cycle from
// 甲子), against the shipped table: 癸亥 weighs 7 钱.
TEST(BoneWeight, YearWeightsAsPublished) {
  const double published[60] = {1.2, 0.9, 0.6, 0.7, 1.2, 0.5, 0.9, 0.8, 0.7, 0.8,  // 甲子
                                1.5, 0.9, 1.6, 0.8, 0.8, 1.9, 1.2, 0.6, 0.8, 0.7,  // 甲戌
                                0.5, 1.5, 0.6, 1.6, 1.5, 0.7, 0.9, 1.2, 1.0, 0.7,  // 甲申
                                1.5, 0.6, 0.5, 1.4, 1.4, 0.9, 0.7, 0.7, 0.9, 1.2,  // 甲午
                                0.8, 0.7, 1.3, 0.5, 1.4, 0.5, 0.9, 1.7, 0.5, 0.7,  // 甲辰
                                1.2, 0.8, 0.8, 0.6, 1.9, 0.6, 0.8, 1.6, 1.0, 0.7};  // 甲寅
  data::ContentStore store(test::BinDir());
  for (int y = 1984; y < 2044; ++y) {
    const std::string stored = store.Text(
        data::DatabaseFile::Dream, "Select weight from chenggu1 where year =" + data::Quoted(std::to_string(y)),
        0, data::FailurePolicy::Report);
    EXPECT_DOUBLE_EQ(text::ToFloat(stored), published[y - 1984]) << y;
  }
}

// Verses as the standard 称骨歌 gives them, the 3.7 verse among them.
TEST(BoneWeight, VersesOfTheStandardSong) {
  data::ContentStore store(test::BinDir());
  const std::pair<const char*, const char*> verses[] = {
      {"21", "短命非业谓大空，平生灾难事重重，凶祸频临陷逆境，终世困苦事不成。"},
      {"23", "此命推来骨格轻，求谋作事事难成，妻儿兄弟应难许，别处他乡作散人。"},
      {"29", "初年运限未曾亨，纵有功名在后成，须过四旬才可立，移居改姓始为良。"},
      {"37", "此命般般事不成，弟兄少力自孤行，虽然祖业须微有，来得明时去不明。"},
  };
  for (auto [code, verse] : verses) {
    EXPECT_EQ(store.Text(data::DatabaseFile::Dream,
                         "Select content,content2 from chenggu where weight =" + data::Quoted(code),
                         0, data::FailurePolicy::Report),
              verse)
        << code;
  }
}

}  // namespace
}  // namespace vessa
