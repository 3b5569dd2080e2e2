// The reading commands of vessa-cli: the same lines as the core writes, and the
// exit status of each outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "core/text/text.h"
#include "panel_fixtures.h"
#include "core/reports/bazi_report.h"
#include "core/reports/name_report.h"
#include "reading_fixtures.h"
#include "cli_run.h"
#include "test_support.h"

namespace vessa {
namespace {

namespace fs = std::filesystem;

using test::Cli;
using test::CliRun;

using test::ThisYear;

std::string Joined(const ReportBuffer& out) { return out.Text(); }

TEST(CliReadings, BaziPrintsTheCoreLines) {
  Panel p = test::PanelFor("张", "三", "1984-2-4", 12, 30, "女");
  p.bloodType = "AB型";
  data::ContentStore store(test::BinDir());
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  ASSERT_NE(test::RunById("bazi", {store, ThisYear()}, p, birth, chart, out).kind,
            OutcomeKind::Stopped);
  CliRun r = Cli(
      "bazi --surname 张 --given 三 --sex 女 --blood AB型 --date 1984-2-4 --hour 12 --minute 30");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Joined(out));

  struct Mode {
    const char* command;
    BirthInfoMode mode;
  } modes[] = {{"birthinfo", BirthInfoMode::BirthInfo},
               {"boneweight", BirthInfoMode::BoneWeight},
               {"bloodtype", BirthInfoMode::BloodType}};
  for (const auto& m : modes) {
    test::RunById(test::BirthInfoId(static_cast<int>(m.mode)), {store, ThisYear()}, p, birth, chart,
                  out);
    r = Cli(std::string(m.command) +
            " --surname 张 --given 三 --sex 女 --blood AB型 --date 1984-2-4 --hour 12 --minute 30");
    EXPECT_EQ(r.status, 0) << m.command;
    EXPECT_EQ(r.out, Joined(out)) << m.command;
  }
}

TEST(CliReadings, LunarEntryAndGbk) {
  CliRun r = Cli("--gbk bazi --surname 李 --given 四 --date 2020-4-1 --lunar");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(text::Contains(r.out, "\xc9\xfa\xc8\xd5"));  // 生日 in GBK
  EXPECT_FALSE(text::IsValidUtf8(r.out));
}

TEST(CliReadings, ExitStatusOfEachOutcome) {
  CliRun r = Cli("bazi --given 三");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "姓不能为空!\n");
  r = Cli("name --surname 张");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "名不能为空!\n");
  r = Cli("bazi --surname 张 --given 三 --date 2001-2-29");
  EXPECT_EQ(r.status, 4);
  EXPECT_EQ(r.err, "'2001-2-29' is not a valid date\n");
  r = Cli("bazi --surname 张 --given 三 --date 2021-1-30 --lunar");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "请检查输入数据是否出错！\n");
  r = Cli("bazi --surname 张 --given 三 --date 1900-1-1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "请检查输入数据是否出错！\n");
  for (const char* bad :
       {"bazi --hour 24", "bazi --minute x", "bazi --sex M", "bazi --blood C型", "bazi --date 1980",
        "bazi extra", "name --surname 欧阳修", "naming", "naming 李 --pick x"}) {
    EXPECT_EQ(Cli(bad).status, 2) << bad;
  }
}

TEST(CliReadings, StoppedReadingKeepsItsLines) {
  test::TempDir install;
  test::CopyProgram(install.path(), "shensha");
  // No rule folder: the reading stops after the spirit-star heading.
  CliRun r = Cli(install.path(), "bazi --surname 张 --given 三");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 37);
  EXPECT_TRUE(text::EndsWith(r.out, "四柱神煞：\n\n"));
  EXPECT_TRUE(text::StartsWith(r.err, "the reading stopped: "));
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  // No name database: the name reading stops after its person line (cancel) ...
  fs::remove(install.path() / "MorFile.dll");
  r = Cli(install.path(), "name --surname 张 --given 三");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
  // ... and so does the naming assistant, whose first lookup is the surname's strokes.
  r = Cli(install.path(), "naming 李");
  EXPECT_EQ(r.status, 3);
}

TEST(CliReadings, NameCommands) {
  BirthInput birth;
  ASSERT_TRUE(
      ReadBirthInput(test::PanelFor("张", "三丰", "1980-1-1"), BirthInputKind::Name, birth).ok());
  data::ContentStore store(test::BinDir());
  ReportBuffer out;
  NameReport({store, ThisYear()}, birth, out);
  CliRun r = Cli("name --surname 张 --given 三丰");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Joined(out));

  r = Cli("threetalent --surname 张 --given 三丰");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(text::StartsWith(r.out, "张三丰,您的三才为木火金,经系统分析如下:\n\n\n    "));
  r = Cli("threetalent --surname 张");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "名不能为空!\n");

  r = Cli("naming 李");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(text::StartsWith(r.out, "第一字:"));
  EXPECT_TRUE(text::Contains(r.out, " 第二字:"));
  r = Cli("naming 李 --pick 1 --test 明");
  EXPECT_TRUE(text::Contains(r.out, "\n名第一字:"));
  EXPECT_TRUE(text::Contains(r.out, "\n名第两字:"));
  EXPECT_TRUE(text::Contains(r.out, "李明,您的三才为"));
  EXPECT_TRUE(text::Contains(r.out, "\n补充:\n"));
  EXPECT_EQ(Cli("naming a").out, "");
  EXPECT_EQ(Cli("naming 李 --pick 999").status, 2);
}

TEST(CliReadings, ChartAndInputJson) {
  CliRun r = Cli("chart --surname 张 --given 三 --date 2000-1-1 --json");
  EXPECT_EQ(r.status, 0);
  for (const char* piece :
       {"\"input\":{", "\"chart\":{", "\"yearStemName\":\"己\"", "\"luckStart\":9",
        "\"luckReverse\":true", "\"hiddenStems\":[\"乙\",\"癸\",\"丁己\",\"癸\"]",
        "\"hiddenIndex\":[3,0,6,0]", "\"fetalOrigin\":\"丁卯 \"", "\"termShift\":0",
        // 大雪 1999-12-07 21:47:31 lies 24 days 2 h 12 min back: 8 years 0 months 11 days
        "\"luckStartExact\":{\"years\":8,\"months\":0,\"days\":11}",
        "\"luckStartDate\":\"2008-01-12\""}) {
    EXPECT_TRUE(text::Contains(r.out, piece)) << piece;
  }
  r = Cli("input --surname 张 --given 三 --date 2020-4-1 --lunar --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(text::Contains(
      r.out, "\"solarDateText\":\"2020-04-23\",\"lunarDateText\":\"庚子(鼠年)四月初一\""));
  EXPECT_TRUE(text::Contains(r.out, "\"monthText\":\"04\",\"dayText\":\"23\""));
  r = Cli("input --surname 张 --given 三 --date 1999-12-29 --lunar --json");
  EXPECT_TRUE(text::Contains(r.out, "\"solarDateText\":\"2000-02-04\""));
  EXPECT_TRUE(text::Contains(r.out, "\"lunarDateText\":\"己卯(兔年)十二月廿九\""));
  r = Cli("input --surname 张 --given 三 --kind name --json");
  EXPECT_TRUE(text::Contains(r.out, "\"bloodType\":\"\""));
  EXPECT_TRUE(text::Contains(r.out, "\"hourNumberText\":\"\""));
  for (auto [date, name] : {std::pair{"1980-1-19", "摩羯座"},
                            {"1980-1-20", "水瓶座"},
                            {"1980-6-21", "双子座"},
                            {"1980-6-22", "巨蟹座"},
                            {"1980-12-31", "摩羯座"},
                            {"1981-1-1", "摩羯座"}}) {
    r = Cli(std::string("input --surname 张 --given 三 --date ") + date + " --json");
    EXPECT_TRUE(text::Contains(r.out, std::string("\"constellation\":\"") + name + "\"")) << date;
  }
  r = Cli("input --surname 张 --given 三 --date 2001-2-29 --json");
  EXPECT_EQ(r.status, 4);
  EXPECT_EQ(r.err, "'2001-2-29' is not a valid date\n");
  EXPECT_EQ(Cli("input --surname 张 --given 三").status, 2);
}

}  // namespace
}  // namespace vessa
