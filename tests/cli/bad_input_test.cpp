// Bad input over every command: each case ends with its status and its message,
// nothing on stdout, never a crash and never a success.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "core/text/text.h"

namespace vessa {
namespace {

using test::Cli;
using test::CliRun;

struct Case {
  const char* args;
  int status;
  const char* err;  // the first line on stderr
};

constexpr const char* kCheck = "请检查输入数据是否出错！";

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

void ExpectRefused(const Case& c) {
  const CliRun r = Cli(c.args);
  EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
  EXPECT_EQ(r.out, "") << c.args;
  EXPECT_EQ(FirstLine(r.err), c.err) << c.args;
}

TEST(BadInput, DatesAndNumbersOfThePanel) {
  const Case cases[] = {
      // A lunar year beyond 32 bits is refused, not wrapped to 1980.
      {"input --json --surname 张 --given 三 --date 4294969276-1-1 --lunar", 1, kCheck},
      {"input --json --surname 张 --given 三 --date 1980-0-1 --lunar", 1, kCheck},
      {"input --json --surname 张 --given 三 --date 1980-1-32 --lunar", 1, kCheck},
      {"input --json --surname 张 --given 三 --date 2021-1-30 --lunar", 1, kCheck},
      {"input --json --surname 张 --given 三 --date 999-1-1", 1, kCheck},
      {"input --json --surname 张 --given 三 --date 1900-1-30", 1, kCheck},
      {"input --json --surname 张 --given 三 --date 2101-1-1", 1, kCheck},
      // A day the calendar lacks is the conversion message of the error box.
      {"input --json --surname 张 --given 三 --date 1980-2-30", 4, "'1980-2-30' is not a valid date"},
      {"input --json --surname 张 --given 三 --date 1980-13-1", 4, "'1980-13-1' is not a valid date"},
      {"input --json --surname 张 --given 三 --date ab-1-1", 4, "'ab-1-1' is not a valid date"},
      {"input --json --surname 张 --given 三 --date 1980/1/1", 2,
       "vessa-cli input: --date takes the year, month and day joined by '-', such as 1980-1-1"},
      {"input --json --surname 张 --given 三 --hour 24", 2,
       "vessa-cli input: --hour must be a whole number from 0 to 23, not '24'"},
      {"input --json --surname 张 --given 三 --hour x", 2,
       "vessa-cli input: --hour must be a whole number from 0 to 23, not 'x'"},
      {"input --json --surname 张 --given 三 --minute 60", 2,
       "vessa-cli input: --minute must be a whole number from 0 to 59, not '60'"},
      {"input --json --surname 张 --given 三 --minute 1e1", 2,
       "vessa-cli input: --minute must be a whole number from 0 to 59, not '1e1'"},
  };
  for (const Case& c : cases) ExpectRefused(c);
}

TEST(BadInput, RepeatedOptionsAreSlipsNotOverrides) {
  const Case cases[] = {
      {"bazi --surname 张 --given 三 --date 1980-1-1 --date 1990-1-1", 2,
       "vessa-cli bazi: --date is given twice"},
      {"bazi --surname 张 --surname 李 --given 三", 2, "vessa-cli bazi: --surname is given twice"},
      {"chart --json --hour 8 --hour 9", 2, "vessa-cli chart: --hour is given twice"},
      {"naming 张 --pick 1 --pick 2", 2, "vessa-cli naming: --pick is given twice"},
      {"naming 张 --test 三 --test 四", 2, "vessa-cli naming: --test is given twice"},
  };
  for (const Case& c : cases) ExpectRefused(c);
}

TEST(BadInput, Names) {
  const Case cases[] = {
      {"threetalent", 1, "姓不能为空!"},
      {"threetalent --surname 张", 1, "名不能为空!"},
      {"threetalent --surname ' ' --given 三", 1, "姓不能为空!"},
      {"bazi --surname \"$(printf '\\001\\002')\" --given 三", 1, "姓不能为空!"},
      {"name --given 张三丰", 2,
       "vessa-cli name: --given takes at most two Chinese characters (4 GBK bytes)"},
      {"name --surname 😀 --given 三", 2,
       "vessa-cli name: --surname holds a character the GBK code page lacks"},
      {"naming 欧阳司马", 2,
       "vessa-cli naming: the surname takes at most two Chinese characters (4 GBK bytes)"},
      {"naming 😀", 2, "vessa-cli naming: the surname holds a character the GBK code page lacks"},
      {"naming \"' OR 1=1 --\"", 2,
       "vessa-cli naming: the surname takes at most two Chinese characters (4 GBK bytes)"},
      {"naming 张 --test 😀", 2, "vessa-cli naming: --test holds a character the GBK code page lacks"},
      {"naming ''", 2, "vessa-cli naming: give the surname"},
      // Bytes that are not UTF-8 never reach a reading or its JSON.
      {"input --json --surname \"$(printf '\\377\\376')\" --given 三", 1,
       "vessa-cli input: argument 3 is not valid UTF-8 text"},
      {"naming \"$(printf '\\326\\320')\"", 1, "vessa-cli naming: argument 1 is not valid UTF-8 text"},
  };
  for (const Case& c : cases) ExpectRefused(c);
}

TEST(BadInput, CalendarCommands) {
  const Case cases[] = {
      // Lunar dates the table lacks, and zeros, are the date message.
      {"solar 2020 5 1 --leap", 1, kCheck},
      {"solar 1980 2 30", 1, kCheck},
      {"solar 1980 1 0", 1, kCheck},
      {"solar 1980 0 1", 1, kCheck},
      {"solar 1900 1 0", 1, kCheck},
      {"solar 99999999999 1 1", 2,
       "vessa-cli solar: the year must be a whole number from 0 to 9999, not '99999999999'"},
      {"solar x 1 1", 2, "vessa-cli solar: the year must be a whole number from 0 to 9999, not 'x'"},
      {"lunar 1899-12-31", 1, "1899-12-31不在农历表的范围内（1900-01-31至2100-12-31）。"},
      {"lunar 2100-12-01 2101-01-01", 1,
       "2101-01-01不在农历表的范围内（1900-01-31至2100-12-31）。"},
      {"lunar 2020-02-30", 2, "vessa-cli lunar: '2020-02-30' is not a date of the form YYYY-MM-DD"},
      {"terms 1898", 2,
       "vessa-cli terms: the year must be a whole number from 1899 to 2101, not '1898'"},
      {"terms abc", 2, "vessa-cli terms: the year must be a whole number from 1899 to 2101, not 'abc'"},
      {"month 1900 13", 2, "vessa-cli month: the month must be a whole number from 1 to 12, not '13'"},
      {"month 1800 1", 1, "1800-01不在万年历的范围内（1901-01至2100-12）。"},
      {"almanac 2026-02-30", 1, "请选择有效的日期! 2026-02-30"},
      {"almanac 1900-12-31", 1, "黄历的日期须在1901-01-01至2100-12-31之间：1900-12-31"},
      {"goodday 嫁娶 2026-02-01 2026-01-01", 2, "vessa-cli goodday: TO lies before FROM"},
  };
  for (const Case& c : cases) ExpectRefused(c);
}

TEST(BadInput, NumberAndDivinationCommands) {
  const Case cases[] = {
      {"phone 1381234567a", 4, "“1381234567A”不是有效的整数，号码只能由数字组成。"},
      {"phone 1234567890123456789", 1, "手机号码最多11位！"},
      {"number 12345678901234567890", 1, "号码最多18位！"},
      {"number ''", 1, "请输入你的号码！"},
      {"qqpair 1 x", 1, "请输入正确的QQ号码！"},
      {"nickname ''", 1, "请输入你的网名！"},
      {"nickname 1234567890123456789", 1, "网名最多18个字节（9个汉字）！"},
      {"zhuge abc", 2, "vessa-cli zhuge: “a”不是汉字，请在每格输入一个汉字。"},
      {"fingerprint oxq", 2,
       "vessa-cli fingerprint: the code is up to five letters o (whorl) or x (loop), not 'oxq'"},
      {"omen 7", 2, "vessa-cli omen: KIND must be a whole number from 0 to 6, not '7'"},
      {"omen 4 24", 2, "vessa-cli omen: HOUR must be a whole number from 0 to 23, not '24'"},
      {"hexagram --seed x", 2,
       "vessa-cli hexagram: --seed must be a whole number from 0 to 4294967295, not 'x'"},
      {"topic 5 --surname 王 --given 小金 --date 1990-5-1", 2,
       "vessa-cli topic: the topic number is 0, 1, 2, 3, 4 or 6, not '5'"},
      {"article z9", 1, "no article z9"},
  };
  for (const Case& c : cases) ExpectRefused(c);
}

// Control characters inside a field are text like any other: trimmed at the
// ends, refused where the field's own rule refuses them.
TEST(BadInput, ControlCharactersInFields) {
  const Case cases[] = {
      {"solar \"$(printf '1980\\t')\" 1 1", 2,
       "vessa-cli solar: the year must be a whole number from 0 to 9999, not '1980\t'"},
      {"input --json --surname 张 --given 三 --hour \"$(printf '\\033[31m8')\"", 2,
       "vessa-cli input: --hour must be a whole number from 0 to 23, not '\033[31m8'"},
  };
  for (const Case& c : cases) ExpectRefused(c);
}

// A failed write is never a quiet success; a reader that went away ends the
// program as the shell's own tools end.
TEST(BadInput, OutputThatCannotBeWritten) {
  std::string out;
  const std::string cli = (test::BinDir() / "vessa-cli").string();
  EXPECT_EQ(test::RunCommand(test::ShellQuoted(cli) + " terms 2021 2>&1 >/dev/full", out), 4);
  EXPECT_EQ(out, "vessa-cli: the output could not be written: No space left on device\n");
  // Three megabytes into a pipe whose reader never reads and has gone.
  EXPECT_EQ(test::RunCommand(
                "bash -c '\"" + cli + "\" lunar 1900-01-31 2100-12-31 | true; echo ${PIPESTATUS[0]}'",
                out),
            0);
  EXPECT_EQ(out, "141\n");
}

}  // namespace
}  // namespace vessa
