#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "core/data/scramble.h"
#include "core/names/five_grids.h"
#include "core/names/name_characters.h"
#include "core/names/luck_class.h"
#include "core/names/naming_assistant.h"
#include "core/names/number_texts.h"
#include "core/reports/three_talent_reading.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "test_support.h"

namespace vessa {
namespace {

std::string Scrambled(const std::string& text) {
  return data::ScrambleText(text, data::kScrambleKey, data::kScramblePasses);
}

// A name database with a handful of characters of known strokes.
class NameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeDatabase(
        dir_.path() / "MorFile.dll",
        "CREATE TABLE bihua (num TEXT, hanzi TEXT);"
        "INSERT INTO bihua VALUES ('1', '一'), ('4', '王欧'), ('5', '阳'), ('6', '明'), ('7', "
        "'月李'),"
        "('10', '芳玲'), ('11', '张');"
        "CREATE TABLE sancai (title TEXT, djc INTEGER, content TEXT);"
        "INSERT INTO sancai VALUES ('木火土', 4, '" +
            Scrambled("木火土之读") +
            "'),"
            "('金火土', 1, ''), ('金金金', 9, '');"
            "CREATE TABLE \"81\" (num INTEGER, yy TEXT, jx TEXT, \"as\" TEXT, content TEXT);"
            "INSERT INTO \"81\" VALUES (6, '六之诗', '（半吉）', '六之示', '六之读');"
            "CREATE TABLE namefx (num TEXT, content TEXT);"
            "INSERT INTO namefx VALUES ('2', '" +
            Scrambled("二之析") + "');");
  }
  test::TempDir dir_;
  data::ContentStore store_{dir_.path()};
};

TEST_F(NameFixture, GridsOfSingleAndCompoundNames) {
  struct Case {
    const char* surname;
    const char* given;
    FiveGrids grids;
  } cases[] = {
      {"王", "一", {5, 2, 5, 5, 2}},          // one and one: 外格 is 2
      {"欧阳", "明月", {9, 13, 11, 22, 12}},  // s1 + g2 + 1
      {"欧阳", "明", {9, 7, 11, 15, 5}},      // s1 + 1
      {"王", "明月", {5, 13, 10, 17, 8}},     // g2 + 1
      {"王", "a", {5, 1, 4, 4, 1}},           // one ASCII letter: single, no strokes, 地格 1
      {"x", "明", {1, 7, 6, 6, 1}},           // an unknown one-byte surname still gives 天格 1
  };
  for (const auto& c : cases) {
    const FiveGrids g = GridsOf(store_, c.surname, c.given);
    EXPECT_EQ(g.heaven, c.grids.heaven) << c.surname << c.given;
    EXPECT_EQ(g.earth, c.grids.earth) << c.surname << c.given;
    EXPECT_EQ(g.person, c.grids.person) << c.surname << c.given;
    EXPECT_EQ(g.total, c.grids.total) << c.surname << c.given;
    EXPECT_EQ(g.outer, c.grids.outer) << c.surname << c.given;
  }
  EXPECT_EQ(GridNumber(store_, "王", "一", 5), 0);
  EXPECT_EQ(GridNumber(store_, "王", "一", -1), 0);
}

TEST_F(NameFixture, UserTextNeverMatchesByAccident) {
  for (const char* odd : {"%", "_", "'", "''", "a", "1", "[", "明%", "%月"}) {
    EXPECT_EQ(StrokeCount(store_, odd), 0) << odd;
  }
  EXPECT_EQ(ThreeTalentScore(store_, "'; drop table sancai; --"), -1);
  EXPECT_EQ(ThreeTalentScore(store_, "木火土"), 15);  // still there
}

TEST_F(NameFixture, GradesAndNumberTexts) {
  EXPECT_EQ(ThreeTalentScore(store_, "木火土"), 15);  // grade 4
  EXPECT_EQ(ThreeTalentScore(store_, "火火火"), -1);  // no row
  EXPECT_EQ(ThreeTalentScore(store_, "金金金"), -1);  // grade outside 1-7
  EXPECT_EQ(ThreeTalentScore(store_, "金火土"), 20);
  EXPECT_EQ(NumberText(store_, 6, 0), "六之诗");
  EXPECT_EQ(NumberText(store_, 6, 1), "（半吉）");
  EXPECT_EQ(NumberText(store_, 6, 2), "六之示");
  EXPECT_EQ(NumberText(store_, 6, 3), "六之读");
  EXPECT_EQ(NumberText(store_, 6, 5), "");
  EXPECT_EQ(NumberText(store_, 200, 0), " ");
}

TEST(FiveGrids, ElementsClassesAndScores) {
  const std::pair<int, const char*> elements[] = {{1, "木"},  {2, "木"},  {3, "火"}, {14, "火"},
                                                  {25, "土"}, {6, "土"},  {7, "金"}, {18, "金"},
                                                  {19, "水"}, {20, "水"}, {0, "水"}, {-3, ""}};
  for (auto [n, e] : elements) EXPECT_EQ(NumberElement(n), e) << n;
  EXPECT_EQ(ThreeTalentKey(12, 23, 35), "木火土");
  EXPECT_EQ(LuckClass(81), "吉");
  EXPECT_EQ(LuckClass(82), "");
  EXPECT_EQ(LuckClass(0), "");
  EXPECT_EQ(LuckClass(6), "半吉");
  EXPECT_EQ(LuckClass(2), "凶");
  EXPECT_EQ(GridScore(82, NameGrid::Person), 0);
  EXPECT_EQ(GridScore(6, NameGrid::Total), 17);
  EXPECT_EQ(GridScore(6, NameGrid::Outer), 8.5);
  EXPECT_EQ(GridScore(6, NameGrid::Person), 25.5);
  EXPECT_EQ(GridScore(1, NameGrid::Heaven), 10);
  EXPECT_EQ(GridScore(2, NameGrid::Earth), 7);
  EXPECT_EQ(GridScore(2, NameGrid::Total), 14);
  const std::pair<int, double> grades[] = {{1, 20}, {2, 18}, {3, 16}, {4, 15}, {5, 14},
                                           {6, 13}, {7, 12}, {0, -1}, {8, -1}};
  for (auto [g, s] : grades) EXPECT_EQ(GradeScore(g), s) << g;
  // Every number 1-81 stands in exactly one list, nothing else in any.
  for (int n = -5; n <= 200; ++n) {
    int lists = 0;
    for (auto list : {kLuckyNumbers, kHalfLuckyNumbers, kUnluckyNumbers}) {
      std::string number = ",";  // appended: "," + std::string trips GCC 12's -Wrestrict
      number += std::to_string(n);
      number += ',';
      lists += text::Contains(list, number) ? 1 : 0;
    }
    EXPECT_EQ(lists, n >= 1 && n <= 81 ? 1 : 0) << n;
  }
}

TEST(FiveGrids, MissingDatabaseStopsTheAction) {
  test::TempDir empty;
  data::ContentStore store(empty.path());
  EXPECT_THROW(StrokeCount(store, "张"), SilentAbort);
  EXPECT_THROW(ThreeTalentScore(store, "木火土"), SilentAbort);
  EXPECT_THROW(NumberText(store, 1, 0), SilentAbort);
}

TEST_F(NameFixture, ProposalsForASevenStrokeSurname) {
  // 李 has 7 strokes: heaven 8 (金); the only grade-1 key of 金 here is 金火土.
  const auto pairs = BestTalentPairs(store_, 8);
  EXPECT_FALSE(pairs.empty());
  for (const auto& p : pairs) EXPECT_EQ(NumberElement(p.person) + NumberElement(p.earth), "火土");
  EXPECT_NE(std::find(pairs.begin(), pairs.end(), TalentPair{13, 16}), pairs.end());
  const auto two = NameProposals(store_, "李", true);
  ASSERT_NE(std::find(two.begin(), two.end(), NameProposal{6, 10}), two.end());
  EXPECT_EQ(ProposalText({6, 10}, true, false), "第一字:6画 第二字:10画");
  EXPECT_EQ(ProposalText({6, 10}, true, true), "名1字:6画 名2字:10画");
  EXPECT_EQ(ProposalText({6, 0}, false, false), "第一字:6画");
  EXPECT_EQ(ProposalText({6, 0}, false, true), "名1字:6画");
  for (const auto& p : two) {
    EXPECT_GT(p.first, 0);
    EXPECT_GT(p.second, 0);
  }
  // One character: a pair yields a proposal only when q = p - 6.
  const auto one = NameProposals(store_, "李", false);
  for (const auto& p : one) EXPECT_EQ(p.second, 0);
  std::vector<NameProposal> expected;
  for (const auto& pair : pairs) {
    if (pair.earth == pair.person - 6) expected.push_back({pair.person - 7, 0});
  }
  EXPECT_EQ(one, expected);
  EXPECT_TRUE(NameProposals(store_, "a", true).empty());
  EXPECT_TRUE(NameProposals(store_, "", false).empty());
}

TEST_F(NameFixture, NameTest) {
  EXPECT_TRUE(NameTestLines(data::Query(store_.MorFileConnection()), store_, "王", " ").empty());
  EXPECT_TRUE(NameTestLines(data::Query(store_.MorFileConnection()), store_, "", "一").empty());
  const auto lines = NameTestLines(data::Query(store_.MorFileConnection()), store_, "王",
                                   "一");  // 5 2 5 5 2: 土土木
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "王一,您的三才为土土木");
  EXPECT_EQ(lines[3], "    无结果,请听下回分解");
  EXPECT_EQ(lines[5], "天格: 5");
  EXPECT_EQ(lines[6], "地格: 2");
  EXPECT_EQ(lines[7], "人格: 5");
  EXPECT_EQ(lines[8], "总格: 5");
  EXPECT_EQ(lines[9], "外格: 2");
  EXPECT_EQ(lines[12], "无结果,请听下回分解");  // the total 5 has no reading
  EXPECT_EQ(lines[14], "补充:");
  EXPECT_EQ(lines[18], "地格2分析:");
  EXPECT_EQ(lines[19], "    二之析");
  EXPECT_EQ(lines[24], "外格2分析:");
  EXPECT_EQ(lines[25], "    二之析");
}

TEST_F(NameFixture, ThreeTalentReadingOfTheCurrentNames) {
  const data::Query query(store_.MorFileConnection());
  ReportBuffer out;
  out.AddLine("previous");
  EXPECT_FALSE(ThreeTalentReading(query, store_, BirthInput{}, out));
  EXPECT_EQ(out.Lines(), std::vector<std::string>{"previous"});
  BirthInput names;
  names.surname = "王";
  names.givenName = "一";
  EXPECT_TRUE(ThreeTalentReading(query, store_, names, out));
  EXPECT_EQ(out.Lines(), (std::vector<std::string>{"王一,您的三才为土土木,经系统分析如下:", "", "",
                                                   "    无结果,请听下回分解"}));
  // An unbound query object stops the reading and keeps the pane.
  EXPECT_THROW(ThreeTalentReading(data::Query(), store_, names, out), SilentAbort);
  EXPECT_EQ(out.Count(), 4u);
}

TEST(NamesShippedData, KnownStrokeCounts) {
  data::ContentStore store(test::BinDir());
  const std::pair<const char*, int> known[] = {
      {"张", 11}, {"王", 4},  {"李", 7},  {"刘", 15}, {"陈", 16}, {"杨", 13},
      {"黄", 12}, {"赵", 14}, {"周", 8},  {"吴", 7},  {"江", 7},  {"海", 11},
      {"华", 14}, {"芳", 10}, {"玲", 10}, {"明", 8},  {"五", 5},  {"十", 10},
      {"張", 11}, {"劉", 15}, {"一", 1},  {"九", 9},  {"胡", 11}, {"郭", 15}};
  for (auto [ch, n] : known) EXPECT_EQ(StrokeCount(store, ch), n) << ch;
  EXPECT_TRUE(text::Contains(CharactersWithStrokes(store, 11), "张"));
  EXPECT_EQ(CharactersWithStrokes(store, 200), "");
}

TEST(NamesShippedData, EveryKeyHasAGradeAndReadings) {
  data::ContentStore store(test::BinDir());
  const data::Query query(store.MorFileConnection());
  const char* elements[] = {"木", "火", "土", "金", "水"};
  std::set<std::string> readings;
  for (auto a : elements) {
    for (auto b : elements) {
      for (auto c : elements) {
        const std::string key = std::string(a) + b + c;
        const double score = ThreeTalentScore(store, key);
        EXPECT_GE(score, 12) << key;
        const std::string reading = ThreeTalentText(query, store, key);
        EXPECT_GT(text::CharCount(reading), 80u) << key;
        EXPECT_TRUE(readings.insert(reading).second) << key;
        auto row = store.First(data::DatabaseFile::MorFile,
                               "Select top 1 * from sancai2009 where title = '" + key + "'",
                               data::FailurePolicy::Report);
        ASSERT_TRUE(row) << key;
        for (const char* column :
             {"yy", "pinglun", "jichu", "chenggong", "renji", "xingge", "zongping", "pingfen"}) {
          EXPECT_FALSE(row->Text(column).empty()) << key << " " << column;
        }
      }
    }
  }
  // Each heaven element has grade-1 keys for the naming assistant.
  for (int h = 1; h <= 10; ++h) EXPECT_FALSE(BestTalentPairs(store, h).empty()) << h;
}

std::vector<std::string> ReadList(const std::string& name) {
  std::ifstream in(test::SourceDir() / "tests" / "fixtures" / name);
  std::vector<std::string> items;
  for (std::string line; std::getline(in, line);) {
    if (!text::Trim(line).empty()) items.push_back(text::Trim(line));
  }
  return items;
}

// Every grid number a name of common surnames and given-name characters can
// produce has its 81-number row (1-81) and its naming-assistant reading.
TEST(NamesShippedData, CommonNamesFindTheirTexts) {
  data::ContentStore store(test::BinDir());
  const auto surnames = ReadList("common_surnames.txt");
  const auto given = ReadList("common_given_chars.txt");
  ASSERT_EQ(surnames.size(), 500u);
  ASSERT_EQ(given.size(), 500u);
  std::map<std::string, int> strokes;
  auto count = [&](const std::string& ch) {
    auto it = strokes.find(ch);
    if (it == strokes.end()) it = strokes.emplace(ch, StrokeCount(store, ch)).first;
    return it->second;
  };
  std::set<int> givenStrokes;
  for (const auto& g : given) {
    ASSERT_EQ(gbk::ByteLength(g), 2u) << g;
    givenStrokes.insert(count(g));
  }
  std::set<int> numbers;
  for (const auto& s : surnames) {
    const bool single = gbk::ByteLength(s) == 2;
    const int s1 = count(std::string(text::CharAt(s, 1)));
    const int s2 = single ? 0 : count(std::string(text::CharAt(s, 2)));
    ASSERT_GT(s1, 0) << s;
    const int heaven = single ? s1 + 1 : s1 + s2, last = single ? s1 : s2, surnameStrokes = s1 + s2;
    numbers.insert(heaven);
    for (int g1 : givenStrokes) {
      numbers.insert(last + g1);            // person
      numbers.insert(g1 + 1);               // earth, one character
      numbers.insert(surnameStrokes + g1);  // total, one character
      numbers.insert(single ? 2 : s1 + 1);  // outer, one character
      for (int g2 : givenStrokes) {
        numbers.insert(g1 + g2);                        // earth
        numbers.insert(surnameStrokes + g1 + g2);       // total
        numbers.insert(single ? g2 + 1 : s1 + g2 + 1);  // outer
      }
    }
  }
  for (int n : numbers) {
    if (n <= 81) {
      EXPECT_NE(NumberText(store, n, 0), " ") << n;
    }
    auto row = store.First(data::DatabaseFile::MorFile,
                           "Select content from namefx where num = '" + std::to_string(n) + "'",
                           data::FailurePolicy::Report);
    EXPECT_TRUE(row) << n;
  }
  EXPECT_GE(*numbers.rbegin(), 60);
}

}  // namespace
}  // namespace vessa

namespace vessa {
namespace {

// The character lists offer only characters of levels 1 and 2 of the 通用规范汉字表,
// level 1 first, never one unfit for a name, never a radical or component.
TEST(NameCharacters, OnlyCommonCharactersFitForAName) {
  data::ContentStore store(test::BinDir());
  const auto rows = store.All(data::DatabaseFile::MorFile, "select num, hanzi from bihua",
                              data::FailurePolicy::Report);
  ASSERT_GT(rows.size(), 30u);
  std::size_t offered = 0;
  for (const auto& row : rows) {
    const std::string list = NameCharactersOf(row.Text(std::size_t{1}));
    int lastLevel = 1;
    for (std::string_view c : text::Chars(list)) {
      const int level = CommonCharacterLevel(c);
      ASSERT_TRUE(level == 1 || level == 2) << c;
      ASSERT_GE(level, lastLevel) << c << " in row " << row.Text(std::size_t{0});
      lastLevel = level;
      ASSERT_FALSE(IsUnfitForName(c)) << c;
      ++offered;
    }
  }
  EXPECT_GT(offered, 5000u);
  // Characters users found in the lists, and radicals shown as characters.
  for (const char* c : {"厕", "淫", "蛔", "痢", "丧", "残", "刂", "冂", "亻", "氵", "辶"}) {
    EXPECT_FALSE(UnfitReason(c).empty()) << c;
    for (const auto& row : rows) EXPECT_FALSE(text::Contains(NameCharactersOf(row.Text(std::size_t{1})), c)) << c;
  }
  // Good name characters stay: 明 (level 1), 瑾 and 琦 (level 2).
  for (const char* c : {"明", "瑾", "琦", "涵", "轩"}) {
    EXPECT_TRUE(text::Contains(NameCharactersWithStrokes(store, StrokeCount(store, c)), c)) << c;
  }
  EXPECT_EQ(text::CharCount(NameCharactersWithStrokes(store, 10, 60)), 60u);
}

}  // namespace
}  // namespace vessa
