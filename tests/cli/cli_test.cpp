#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/gbk.h"
#include "cli_run.h"

namespace vessa {
namespace {

using test::Cli;

TEST(CliCalendar, LunarLine) {
  int status = -1;
  EXPECT_EQ(Cli("lunar 2020-05-23", status), "2020-05-23\t2020\t4\t1\t1\t庚子(鼠年)闰四月初一\n");
  EXPECT_EQ(status, 0);
  // The day before the table's first holds no lunar date: a message, not zeros.
  EXPECT_EQ(Cli("lunar 1900-01-30", status), "");
  EXPECT_EQ(status, 1);
}

TEST(CliCalendar, WholeRangeOneLinePerDay) {
  int status = -1;
  std::string out = Cli("lunar 1900-01-31 2100-12-31", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 73384);
  EXPECT_EQ(out.substr(0, out.find('\n')), "1900-01-31\t1900\t1\t1\t0\t庚子(鼠年)一月初一");
}

TEST(CliCalendar, SolarAndTerms) {
  int status = -1;
  EXPECT_EQ(Cli("solar 2020 4 1 --leap", status), "2020-05-23\n");
  EXPECT_EQ(Cli("solar 2099 12 30", status), "2100-02-08\n");
  // 正月 of 2021 has 29 days: no date, the date message.
  EXPECT_EQ(Cli("solar 2021 1 30", status), "");
  EXPECT_EQ(status, 1);
  std::string terms = Cli("terms 2021", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(std::count(terms.begin(), terms.end(), '\n'), 24);
  EXPECT_NE(terms.find("立春\t2021-02-03 22:58:48\n"), std::string::npos);  // to the second
  EXPECT_EQ(terms.substr(0, terms.find('\t')), "小寒");
}

TEST(CliCalendar, GbkOutput) {
  int status = -1;
  std::string out = Cli("--gbk lunar 2020-05-23", status);
  EXPECT_EQ(gbk::ToUtf8(out), "2020-05-23\t2020\t4\t1\t1\t庚子(鼠年)闰四月初一\n");
  EXPECT_NE(out, gbk::ToUtf8(out));
}

TEST(CliCalendar, MalformedArgumentsAreUsageErrors) {
  for (const char* args : {"", "lunar", "lunar 2020-02-30", "lunar 2020-1-2 2020-1-1", "lunar x",
                           "solar 2020 4", "solar 2020 a 1", "terms", "terms 20x1", "terms 1898", "terms 2102", "nosuchcommand",
                           "--nosuchoption lunar 2020-1-1"}) {
    int status = -1;
    std::string out = Cli(args, status, true);
    EXPECT_EQ(status, 2) << args;
    EXPECT_NE(out.find("usage"), std::string::npos) << args;
  }
  int status = -1;
  std::string help = Cli("--help", status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(help.find("terms"), std::string::npos);
}

}  // namespace
}  // namespace vessa
