#include <gtest/gtest.h>

#include "core/text/errors.h"
#include "core/text/text.h"
#include "core/names/five_grids.h"
#include "core/names/luck_class.h"
#include "core/names/number_texts.h"
#include "panel_fixtures.h"
#include "core/reports/name_report.h"
#include "test_support.h"

namespace vessa {
namespace {

BirthInput NameBirth(const char* surname, const char* given, const char* date = "1980-1-1",
                     int hour = 0) {
  BirthInput birth;
  EXPECT_TRUE(
      ReadBirthInput(test::PanelFor(surname, given, date, hour), BirthInputKind::Name, birth).ok());
  return birth;
}

TEST(NameReading, LayoutWithTheShippedData) {
  data::ContentStore store(test::BinDir());
  ReportBuffer out;
  NameReport({store, 2026}, NameBirth("张", "三丰", "1980-1-1", 10), out);
  const auto& L = out.Lines();
  ASSERT_EQ(L.size(), 86u);
  EXPECT_EQ(L[0],
            "张三丰,你今年:46岁,您出生于公历 1980年01月01日10点  农历 己未(羊年)十一月十四 生肖:羊 "
            "星座:摩羯座");
  EXPECT_EQ(L[2], std::string(65, '-'));
  EXPECT_EQ(L[4], "【评分分析】");
  EXPECT_EQ(L[6], "天格: 12 凶 得分(总分10)：7");
  EXPECT_EQ(L[7], "地格: 7 吉 得分(总分10)：10");
  EXPECT_EQ(L[8], "人格: 14 凶 得分(总分30)：21");
  EXPECT_EQ(L[9], "总格: 18 吉 得分(总分20)：20");
  EXPECT_EQ(L[10], "外格: 5 吉 得分(总分10)：10");
  EXPECT_EQ(L[11], "三才: 木火金得分(总分20)：14");  // 木火金 is graded 凶多于吉 (5)
  EXPECT_EQ(L[12], "综合总分: 82");
  // Grid blocks in the order 天格 人格 地格 总格 外格.
  EXPECT_EQ(L[16], "【天格12的解析】：天格数是先祖留传下来的，其数理对人影响不大。");
  EXPECT_EQ(L[18], NumberText(store, 12, 0) + NumberText(store, 12, 1));
  EXPECT_TRUE(text::EndsWith(L[18], "（凶）"));
  EXPECT_EQ(L[21], std::string(65, '-'));
  EXPECT_EQ(L[23], "【人格14的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。");
  EXPECT_EQ(L[30], "【地格7的解析】：地格数又称前运，影响人生（49岁）以前的命运。");
  EXPECT_EQ(L[37], "【总格18的解析】：总格又称后运，影响人生（50岁）以后的命运。 ");
  EXPECT_EQ(L[44], "【外格5的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。");
  EXPECT_EQ(L[47], "");
  EXPECT_EQ(L[48], "");
  EXPECT_EQ(L[49], std::string(65, '-'));
  EXPECT_EQ(L[51],
            "【三才数理分析】：您的姓名三才配置为：木火金。它具有如下数理诱导力，据此会对人生产生一"
            "定的影响。");
  EXPECT_TRUE(text::StartsWith(L[55], "详细评论:"));
  EXPECT_TRUE(text::StartsWith(L[59], "【对基础运的影响】："));
  EXPECT_TRUE(text::StartsWith(L[61], "【对成功运的影响】："));
  EXPECT_TRUE(text::StartsWith(L[63], "【对人际关系的影响】："));
  EXPECT_TRUE(text::StartsWith(L[65], "【对性格的影响】："));
  EXPECT_TRUE(text::StartsWith(L[69], "【天格12数理暗示】："));
  EXPECT_TRUE(text::StartsWith(L[71], "【人格14数理暗示】："));
  EXPECT_TRUE(text::StartsWith(L[73], "【地格7数理暗示】："));
  EXPECT_TRUE(text::StartsWith(L[75], "【总格18数理暗示】："));
  EXPECT_TRUE(text::StartsWith(L[77], "【外格5数理暗示】："));
  EXPECT_TRUE(text::StartsWith(L[81], "【总评及建议】:"));
  // The word follows the score; the key's own rating is a sentence of its own.
  EXPECT_TRUE(text::StartsWith(L[83], "【系统综合评分】: 82分，吉。三才木火金配置评为凶多于吉，")) << L[83];
  EXPECT_EQ(L[85], "--以上测算紧着参考------------------------------------------------");
  for (std::size_t i : {53u, 55u, 59u, 69u, 81u}) EXPECT_GT(text::CharCount(L[i]), 20u) << i;
}

TEST(NameReading, ScoreBands) {
  const std::pair<double, const char*> bands[] = {{100, "大吉"}, {90, "大吉"}, {89.5, "吉"},
                                                  {80, "吉"},    {79, "半吉"}, {70, "半吉"},
                                                  {69.5, "凶"},  {60, "凶"},   {59.5, "大凶"},
                                                  {-1, "大凶"}};
  for (auto [score, word] : bands) EXPECT_EQ(ScoreBand(score), word) << score;
}

TEST(NameReading, HeaderHourAndAge) {
  data::ContentStore store(test::BinDir());
  ReportBuffer out;
  NameReport({store, 2026}, NameBirth("欧阳", "明", "2026-3-8", 23), out);
  EXPECT_TRUE(
      text::StartsWith(out.Lines()[0], "欧阳明,你今年:0岁,您出生于公历 2026年03月08日23点  农历 "));
  EXPECT_EQ(out.Count(), 86u);  // a compound surname with one character: the same layout
  NameReport({store, 2026}, NameBirth("欧阳", "明", "2025-12-31", 0), out);
  EXPECT_TRUE(
      text::StartsWith(out.Lines()[0], "欧阳明,你今年:1岁,您出生于公历 2025年12月31日0点  农历 "));
}

class DamagedNameData : public ::testing::Test {
 protected:
  void SetUp() override { test::CopyBuiltDatabases(dir_.path()); }
  test::TempDir dir_;
  ReportBuffer out_;
};

TEST_F(DamagedNameData, NoDetailedRowDropsTheThreeTalentBlock) {
  test::ExecSql(dir_.path() / "MorFile.dll", "DELETE FROM sancai2009 WHERE title = '木火金'");
  data::ContentStore store(dir_.path());
  NameReport({store, 2026}, NameBirth("张", "三丰"), out_);
  const auto& L = out_.Lines();
  ASSERT_EQ(L.size(), 68u);
  EXPECT_EQ(L[47], "");
  EXPECT_EQ(L[48], "");
  EXPECT_EQ(L[49], std::string(65, '-'));
  EXPECT_TRUE(text::StartsWith(L[51], "【天格12数理暗示】："));
  // The stored three-talent reading sums up instead.
  EXPECT_GT(text::CharCount(L[63]), 40u);
  EXPECT_EQ(L[65], "【系统综合评分】: " + std::string("82分，吉。"));
}

TEST_F(DamagedNameData, AMissingNumberRowLeavesTwoBlanks) {
  test::ExecSql(dir_.path() / "MorFile.dll", "DELETE FROM \"81\" WHERE num = 12");
  data::ContentStore store(dir_.path());
  NameReport({store, 2026}, NameBirth("张", "三丰"), out_);
  EXPECT_EQ(out_.Lines()[18], "  ");
}

TEST_F(DamagedNameData, FailuresKeepWhatWasWritten) {
  test::ExecSql(dir_.path() / "MorFile.dll", "DROP TABLE sancai2009");
  {
    data::ContentStore store(dir_.path());
    EXPECT_THROW(NameReport({store, 2026}, NameBirth("张", "三丰"), out_), ReportedError);
    EXPECT_EQ(out_.Count(), 49u);  // down to the 外格 block
  }
  std::filesystem::remove(dir_.path() / "MorFile.dll");
  data::ContentStore store(dir_.path());
  EXPECT_THROW(NameReport({store, 2026}, NameBirth("张", "三丰"), out_), SilentAbort);
  EXPECT_EQ(out_.Count(), 2u);  // the person line and its empty line
}

}  // namespace
}  // namespace vessa
