// The constellation and number commands of vessa-cli.
#include <gtest/gtest.h>

#include <ctime>

#include "core/data/content_store.h"
#include "core/numbers/nickname.h"
#include "core/numbers/phone_test.h"
#include "core/numbers/qq_tests.h"
#include "core/reports/constellation_texts.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "panel_fixtures.h"
#include "reading_fixtures.h"
#include "cli_run.h"
#include "test_support.h"

namespace vessa {
namespace {

using test::Cli;
using test::CliRun;

using test::ThisYear;

std::string CoreLines(std::string_view id, const Panel& panel) {
  data::ContentStore store(test::BinDir());
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  ReadingTarget target{birth, chart, out};
  // The command line's own input step, as a window would after a reading.
  RunReading(*FindReading(id), FindReading(id)->cliInput, {store, ThisYear()}, panel, target);
  return out.Text();
}

constexpr const char* kTaurus = "--surname 王 --given 小金 --date 1990-5-1 --hour 14";

TEST(CliConstellation, ReadingTopicsAndOutlookPrintTheCoreLines) {
  const Panel panel = test::PanelFor("王", "小金", "1990-5-1", 14);
  CliRun r = Cli(std::string("constellation ") + kTaurus);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, CoreLines("constellation", panel));
  EXPECT_TRUE(text::Contains(r.out, "【星座名人】:"));

  for (int n : {0, 1, 2, 3, 4, 6}) {
    r = Cli("topic " + std::to_string(n) + " " + kTaurus);
    EXPECT_EQ(r.status, 0) << n << r.err;
    EXPECT_EQ(r.out, CoreLines("topic" + std::to_string(n), panel)) << n;
    EXPECT_TRUE(text::StartsWith(r.out, "王小金,您的星座为金牛座...\n\n\n")) << n;
    EXPECT_GT(r.out.size(), 600u) << n;
  }
  r = Cli(std::string("outlook ") + kTaurus);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "王小金,您的星座为金牛座,经系统分析如下:\n\n\n    " +
                       ConstellationIqText("金牛座") + "\n");
}

TEST(CliConstellation, BadTopicsAndInput) {
  for (const char* bad : {"topic 5", "topic 7", "topic x", "topic", "topic --surname 王"}) {
    EXPECT_EQ(Cli(bad).status, 2) << bad;
  }
  CliRun r = Cli("topic 3 --given 三");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "姓不能为空!\n");
  EXPECT_EQ(r.out, "");
  r = Cli("outlook --surname 张");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "名不能为空!\n");
}

TEST(CliNumbers, ResultLinesAndJson) {
  data::ContentStore store(test::BinDir());
  const TestResult phone = PhoneTest(store, "13812345678");
  CliRun r = Cli("phone 13812345678");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "手机号码是：13812345678\n状态：" + phone.fields[1].value + "\n吉凶：" +
                       phone.fields[2].value + "\n具体表现：" + phone.fields[3].value + "\n");
  r = Cli("phone 13812345678 --json");
  EXPECT_EQ(r.out, "{\"number\":\"13812345678\",\"title\":\"" + phone.fields[1].value +
                       "\",\"verdict\":\"" + phone.fields[2].value + "\",\"reading\":\"" +
                       phone.fields[3].value + "\"}\n");

  r = Cli("qq 81");
  EXPECT_EQ(r.status, 0) << r.err;
  const auto lines = [](const std::string& s) {
    std::vector<std::string> v;
    std::size_t from = 0;
    for (std::size_t nl; (nl = s.find('\n', from)) != std::string::npos; from = nl + 1) {
      v.push_back(s.substr(from, nl - from));
    }
    return v;
  };
  auto qq = lines(r.out);
  ASSERT_EQ(qq.size(), 4u);
  EXPECT_EQ(qq[0], "qq号码是：81");
  EXPECT_EQ(qq[1], "状态：大展鸿图，信用得固，名利双收，可获成功");
  EXPECT_EQ(qq[2], "吉凶：吉");
  EXPECT_TRUE(text::StartsWith(qq[3], "具体表现：主人性格类型：[做事喜好凭直觉型]"));
  r = Cli("number 999999999999999999");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(text::StartsWith(r.out, "输入号码是：999999999999999999\n"));
  r = Cli("number -5 --json");
  EXPECT_EQ(r.out,
            "{\"number\":\"-5\",\"motto\":\"\",\"verdict\":\"\",\"personality\":\"对不起,"
            "此号不在分解之类。\"}\n");

  r = Cli("qqpair 12345 67890");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "测算结果：" + QQPairingText(store, "12345", "67890") + "\n");
  r = Cli("qqpair 12345 67890 --json");
  EXPECT_EQ(r.out, "{\"text\":\"" + QQPairingText(store, "12345", "67890") + "\"}\n");

  r = Cli("nickname 小明");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "你的网名：小明\n你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱\n");
  r = Cli("nickname 'Tom_' --json");
  EXPECT_EQ(r.out,
            "{\"nickname\":\"TOM_\",\"trait\":\"反复无常，喜欢模仿神秘人物举动的小孩子性格，"
            "但是常常被宠爱\"}\n");
  r = Cli("nickname ★");
  EXPECT_EQ(r.out, "你的网名：★\n你的性格：\n");
  r = Cli("--gbk nickname 小明");
  EXPECT_EQ(r.out,
            gbk::FromUtf8("你的网名：小明\n你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，"
                          "但是常常被宠爱\n"));
}

TEST(CliNumbers, MessagesAndErrors) {
  const struct {
    const char* args;
    int status;
    const char* err;
  } cases[] = {
      // Empty edits: the window's prompt.
      {"phone ''", 1, "请输入11位手机号码！"},
      {"qq ' '", 1, "请输入你的QQ号码！"},
      {"number ''", 1, "请输入你的号码！"},
      {"qqpair '' 12345", 1, "请输入自己的QQ号码！"},
      {"qqpair 1234 12345", 1, "请输入正确的QQ号码！"},
      {"qqpair 12345 ''", 1, "请输入对方的QQ号码！"},
      {"qqpair 12345 12345678901", 1, "请输入正确的QQ号码！"},
      {"nickname ' '", 1, "请输入你的网名！"},
      // Longer than the edit holds.
      {"phone 138123456789", 1, "手机号码最多11位！"},
      {"qq 1234567890123456789", 1, "号码最多18位！"},
      {"number 1234567890123456789", 1, "号码最多18位！"},
      {"qqpair 1234567890123456789 12345", 1, "号码最多18位！"},
      {"nickname 一二三四五六七八九十", 1, "网名最多18个字节（9个汉字）！"},
      // Not digits: the error box's conversion error.
      {"phone 1381234567a", 4, "“1381234567A”不是有效的整数，号码只能由数字组成。"},
      {"qq 12a45", 4, "“12A45”不是有效的整数，号码只能由数字组成。"},
      {"number ８１", 4, "“８１”不是有效的整数，号码只能由数字组成。"},
      {"qqpair 12a45 67890", 4, "“12A45”不是有效的整数，号码只能由数字组成。"},
      {"phone 1381234", 4, "“1381234”不足8位，读不出号码的尾数，请输入11位手机号码。"},
      // Usage.
      {"phone", 2, nullptr},
      {"qqpair 12345", 2, nullptr},
      {"qq 1 2", 2, nullptr},
      {"nickname a --wide", 2, nullptr},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    if (c.err) {
      EXPECT_EQ(r.err, std::string(c.err) + "\n") << c.args;
    }
  }
  // Nine Chinese characters are eighteen bytes: they fit.
  EXPECT_EQ(Cli("nickname 一二三四五六七八九").status, 0);
}

TEST(CliNumbers, NicknameOfAnyBytes) {
  // Bytes that are not UTF-8 are taken as GBK; invalid GBK never crashes.
  CliRun r = Cli("nickname \"$(printf '\\320\\241\\303\\367')\"");  // 小明 in GBK
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "你的网名：小明\n你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱\n");
  for (const char* bytes : {"\\377\\376\\200", "a\\260", "\\242@\\246\\340"}) {
    r = Cli(std::string("nickname \"$(printf '") + bytes + "')\"");
    EXPECT_EQ(r.status, 0) << bytes << r.err;
    EXPECT_TRUE(text::StartsWith(r.out, "你的网名：")) << bytes;
  }
}

TEST(CliNumbers, HelpListsTheCommandsAndJsonKeys) {
  const CliRun r = Cli("--help");
  EXPECT_EQ(r.status, 0);
  for (const char* part :
       {"  constellation", "  topic", "  outlook", "  phone", "  qq ", "  number", "  qqpair",
        "  nickname", "number, title, verdict, reading", "number, motto, verdict, personality",
        "JSON key: text", "nickname, trait", "0 情商解析", "6 星座缺陷"}) {
    EXPECT_TRUE(text::Contains(r.out, part)) << part;
  }
}

}  // namespace
}  // namespace vessa
