// The almanac commands of vessa-cli: the window's day line and 17 lines, the
// columns of a span of days, the search for good days, and their exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "core/almanac/almanac_rules.h"
#include "core/almanac/huangdao_lookup.h"
#include "core/text/text.h"
#include "cli_run.h"
#include "test_support.h"

namespace vessa {
namespace {

namespace fs = std::filesystem;

using test::Cli;
using test::CliRun;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// A folder with the program and a MorBirth.dll that holds only the given rows.
struct Install {
  test::TempDir dir;
  explicit Install(const std::string& rows) {
    test::CopyProgram(dir.path(), "MorBirth.dll");
    test::MakeDatabase(
        dir.path() / "MorBirth.dll",
        "CREATE TABLE huangdao (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT, "
        "wuhang TEXT, cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);" +
            rows);
  }
};

// time136.com, 2023-12-30: 农历冬月十八, 癸卯年 甲子月 壬戌日, 仓库栖外东南, 冲龙（丙辰）煞北.
TEST(CliAlmanac, DayLineAndTheSeventeenLines) {
  const CliRun r = Cli("almanac 2023-12-30");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "2023-12-30  农历冬月十八");
  EXPECT_EQ(lines[1], "岁次:癸卯年 甲子月 壬戌日");
  EXPECT_EQ(lines[3], "每日胎神占方:仓库栖外东南");
  EXPECT_EQ(lines[7], "冲:冲龙（丙辰）煞北");
  const char* labels[] = {"岁次:",     "每日胎神占方:", "五行:",     "冲:", "彭祖百忌:",
                          "吉神宜趋:", "宜:",           "凶神宜忌:", "忌:"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_TRUE(text::StartsWith(lines[static_cast<std::size_t>(1 + 2 * i)], labels[i])) << i;
    if (i < 8) {
      EXPECT_EQ(lines[static_cast<std::size_t>(2 + 2 * i)], "") << i;
    }
  }
}

TEST(CliAlmanac, JsonKeysAreTheColumnNames) {
  const CliRun r = Cli("almanac 2023-12-30 --json");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(Lines(r.out).size(), 1u);
  std::size_t at = 0;
  for (std::string_view column : almanac::kHuangdaoColumns) {
    std::string quoted = "\"";  // appended: "literal" + std::string trips GCC 12's -Wrestrict
    quoted += column;
    quoted += "\":\"";
    const std::size_t key = r.out.find(quoted, at);
    ASSERT_NE(key, std::string::npos) << column;
    at = key;
  }
  EXPECT_NE(r.out.find("\"gn\":\"2023-12-30\""), std::string::npos);
  EXPECT_NE(r.out.find("\"cong\":\"冲龙（丙辰）煞北\""), std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), ':'),
            11);  // one a key: the texts use full-width colons
}

// One line per day, the date and the nine columns of the window in its order; the
// same texts as the day's own entry.
TEST(CliAlmanac, SpanPrintsOneLinePerDay) {
  const CliRun r = Cli("almanac 2024-02-03 2024-02-05");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  const CliRun day = Cli("almanac 2024-02-04");
  const std::vector<std::string> dayLines = Lines(day.out);
  const std::vector<std::string> fields = Fields(lines[1]);
  ASSERT_EQ(fields.size(), 10u);
  EXPECT_EQ(fields[0], "2024-02-04");
  EXPECT_EQ(fields[1], "甲辰年 丙寅月 戊戌日");  // 立春 day: the new year and month
  for (std::size_t i = 0; i < almanac::kEntryLines.size(); ++i) {
    EXPECT_EQ(std::string(almanac::kEntryLines[i].label) + fields[i + 1], dayLines[1 + 2 * i]);
  }
  EXPECT_EQ(Fields(lines[0])[1], "癸卯年 乙丑月 丁酉日");
}

TEST(CliAlmanac, TheWholeRangeHasARowEveryDay) {
  const CliRun r = Cli("almanac 1901-01-01 2100-12-31");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 73049);
  EXPECT_TRUE(text::StartsWith(r.out, "1901-01-01\t"));
  EXPECT_NE(r.out.find("\n2100-12-31\t"), std::string::npos);
}

// The days goodday lists are exactly those of the span whose 宜 holds the activity
// and whose 忌 neither holds it nor closes the day.
TEST(CliAlmanac, GoodDaysAreGoodAndNotBad) {
  for (const char* activity : {"嫁娶", "开市", "安葬", "沐浴"}) {
    SCOPED_TRACE(activity);
    const CliRun span = Cli("almanac 2025-01-01 2025-12-31");
    std::vector<std::string> expected;
    for (const std::string& line : Lines(span.out)) {
      const std::vector<std::string> f = Fields(line);
      if (almanac::ListHolds(f[7], activity) && f[9] != "诸事不宜" &&
          !almanac::ListHolds(f[9], activity)) {
        expected.push_back(f[0]);
      }
    }
    const CliRun r = Cli(std::string("goodday ") + activity + " 2025-01-01 2025-12-31");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> listed;
    for (const std::string& line : Lines(r.out)) {
      const std::vector<std::string> f = Fields(line);
      ASSERT_EQ(f.size(), 2u);
      EXPECT_TRUE(text::StartsWith(f[1], "农历")) << line;
      listed.push_back(f[0]);
    }
    EXPECT_FALSE(listed.empty());
    EXPECT_EQ(listed, expected);
  }
  // A span without such a day prints nothing and succeeds.
  const CliRun none = Cli("goodday 嫁娶 2050-07-20 2050-07-20");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
}

TEST(CliAlmanac, GoodDayHelpPublishesTheActivities) {
  const CliRun r = Cli("goodday --help");
  ASSERT_EQ(r.status, 0);
  for (std::string_view name : almanac::ActivityNames()) {
    EXPECT_NE(r.out.find(std::string(name)), std::string::npos) << name;
  }
  EXPECT_NE(Cli("--help").out.find("goodday"), std::string::npos);
}

TEST(CliAlmanac, BadDatesAndActivities) {
  // Outside 1901-2100: an input message naming the range.
  for (const char* args : {"almanac 1900-12-31", "almanac 2101-01-01",
                           "almanac 2000-01-01 2101-01-01", "goodday 嫁娶 1900-12-01 1901-01-31"}) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_NE(r.err.find("1901-01-01"), std::string::npos) << args;
    EXPECT_NE(r.err.find("2100-12-31"), std::string::npos) << args;
    EXPECT_EQ(r.out, "") << args;
  }
  // A day that does not exist gets the window's prompt.
  const CliRun feb30 = Cli("almanac 2011-02-30");
  EXPECT_EQ(feb30.status, 1);
  EXPECT_TRUE(text::StartsWith(feb30.err, "请选择有效的日期!"));
  // Malformed commands are usage errors.
  for (const char* args :
       {"almanac", "almanac tomorrow", "almanac 2020/01/01", "almanac 2020-01-01 --xml",
        "almanac 2020-01-02 2020-01-01", "almanac 2020-01-01 2020-01-02 --json", "almanac 1 2 3",
        "goodday 嫁娶 2020-01-01", "goodday 跳舞 2020-01-01 2020-02-01",
        "goodday 嫁% 2020-01-01 2020-02-01"}) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << args;
  }
}

// A table that lacks days: the day is reported missing (exit 5); a span prints the
// days it has. Without the file the error box's message (exit 4).
TEST(CliAlmanac, MissingRowsAndAMissingFile) {
  Install install(
      "INSERT INTO huangdao VALUES ('2011-03-01','农历正月廿五','辛卯年 庚寅月 "
      "己酉日','占大门外东北',"
      "'大驿土 值星：收 黑道：天牢','冲兔（癸卯）煞东','己不破券二比并亡 "
      "酉不会客醉坐颠狂','天恩','祭祀',"
      "'天吏','无');");
  CliRun r = Cli(install.dir.path(), "almanac 2011-03-01");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Lines(r.out).front(), "2011-03-01  农历正月廿五");
  r = Cli(install.dir.path(), "almanac 2011-03-02");
  EXPECT_EQ(r.status, 5);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("2011-03-02"), std::string::npos);
  r = Cli(install.dir.path(), "almanac 2011-02-28 2011-03-02");
  EXPECT_EQ(r.status, 5);
  EXPECT_EQ(Lines(r.out).size(), 1u);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  fs::remove(install.dir.path() / "MorBirth.dll");
  r = Cli(install.dir.path(), "almanac 2011-03-01");
  EXPECT_EQ(r.status, 4);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace vessa
