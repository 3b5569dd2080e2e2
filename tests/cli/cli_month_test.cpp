#include <gtest/gtest.h>

#include <algorithm>

#include "cli_run.h"

// vessa-cli month: the perpetual calendar's grid of a month.
namespace vessa {
namespace {

using test::Cli;

TEST(CliMonth, GridAsText) {
  int status = -1;
  // May 2010 begins on a Saturday: 劳动节, 青年节, 立夏 and 母亲节 replace the lunar
  // day, the fourth month shows its name on its first day.
  EXPECT_EQ(Cli("month 2010 5", status),
            "2010年5月 寅虎\n"
            "星期日  星期一  星期二  星期三  星期四  星期五  星期六\n"
            "                                                1\n"
            "                                                劳动节\n"
            "2       3       4       5       6       7       8\n"
            "十九    二十    青年节  立夏    廿三    廿四    廿五\n"
            "9       10      11      12      13      14      15\n"
            "母亲节  廿七    廿八    廿九    三十    四月    初二\n"
            "16      17      18      19      20      21      22\n"
            "初三    初四    初五    初六    初七    小满    初九\n"
            "23      24      25      26      27      28      29\n"
            "初十    十一    十二    十三    十四    十五    十六\n"
            "30      31\n"
            "十七    十八\n");
  EXPECT_EQ(status, 0);

  // The leap eleventh month of 2033 runs into 2034; the year has not turned.
  const std::string january = Cli("month 2034 1", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(january.substr(0, january.find('\n')), "2034年1月 丑牛");
  EXPECT_NE(january.find("\n元旦节  十二    十三    十四    小寒"), std::string::npos);
}

TEST(CliMonth, GridAsJson) {
  int status = -1;
  const std::string json = Cli("month 2009 2 --json", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(json.rfind(R"({"year":2009,"month":2,"zodiac":"丑牛","cells":[{"cell":1,"day":1,)", 0),
            0u);
  EXPECT_NE(json.find(R"({"cell":4,"day":4,"lunarText":"立春","color":"#5353FF","visible":true})"),
            std::string::npos);
  EXPECT_NE(
      json.find(R"({"cell":14,"day":14,"lunarText":"情人节","color":"#FF8000","visible":true})"),
      std::string::npos);
  EXPECT_NE(
      json.find(R"({"cell":25,"day":25,"lunarText":"二月","color":"#FF0000","visible":true})"),
      std::string::npos);
  EXPECT_NE(
      json.find(R"({"cell":28,"day":28,"lunarText":"初四","color":"#004000","visible":true})"),
      std::string::npos);
  EXPECT_NE(json.find(R"({"cell":29,"day":0,"lunarText":"","color":"#000000","visible":false})"),
            std::string::npos);
  const std::string end =
      R"({"cell":37,"day":0,"lunarText":"","color":"#000000","visible":false}]})"
      "\n";
  EXPECT_EQ(json.substr(json.size() - std::min(json.size(), end.size())), end);
}

TEST(CliMonth, TheRangeEnds) {
  int status = -1;
  // 1901 opens on 冬月十一, a Tuesday.
  EXPECT_NE(Cli("month 1901 1", status).find("\n                元旦节  十二    十三"),
            std::string::npos);
  EXPECT_EQ(status, 0);
  EXPECT_NE(Cli("month 2100 12 --json", status).find(R"("lunarText":"腊月")"), std::string::npos);
  EXPECT_EQ(status, 0);
  for (const char* args : {"month 1900 12", "month 2101 1", "month 1 1", "month 9999 12"}) {
    const std::string err = Cli(args, status, true);
    EXPECT_EQ(status, 1) << args;
    EXPECT_NE(err.find("1901-01至2100-12"), std::string::npos) << args;
  }
}

TEST(CliMonth, MalformedArgumentsAreUsageErrors) {
  for (const char* args : {"month", "month 2010", "month 2010 13", "month 2010 0", "month x 5",
                           "month 2010 5 6", "month 2010 5 --xml", "month 0 5", "month 2010 -1"}) {
    int status = -1;
    const std::string out = Cli(args, status, true);
    EXPECT_EQ(status, 2) << args;
    EXPECT_NE(out.find("usage: vessa-cli month Y M [--json]"), std::string::npos) << args;
  }
  int status = -1;
  EXPECT_NE(Cli("--help", status).find("month"), std::string::npos);
}

}  // namespace
}  // namespace vessa
