// The naming assistant on the command line: every surname gets proposals or a word why.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "core/text/text.h"

namespace vessa {
namespace {

// One surname of each stroke count 1-30 (strokes as name science counts them) and
// sixty common compound surnames.
TEST(CliNaming, EverySurnameGetsProposalsOrTheMessage) {
  const char* singles[] = {"乙", "丁", "于", "王", "田", "朱", "李", "周", "姚", "徐",
                           "张", "黄", "杨", "赵", "刘", "陈", "谢", "魏", "郑", "罗",
                           "顾", "苏", "兰", "蔼", "酆", "郦", "缆", "凿", "骊", "馕"};
  const char* compounds[] = {
      "欧阳", "太史", "端木", "上官", "司马", "东方", "独孤", "南宫", "万俟", "闻人",
      "夏侯", "诸葛", "尉迟", "公羊", "赫连", "澹台", "皇甫", "宗政", "濮阳", "公冶",
      "太叔", "申屠", "公孙", "慕容", "仲孙", "钟离", "长孙", "宇文", "司徒", "鲜于",
      "司空", "闾丘", "子车", "亓官", "司寇", "巫马", "公西", "颛孙", "壤驷", "公良",
      "漆雕", "乐正", "宰父", "谷梁", "拓跋", "夹谷", "轩辕", "令狐", "段干", "百里",
      "呼延", "东郭", "南门", "羊舌", "微生", "公户", "公玉", "公仪", "梁丘", "公仲"};
  int without = 0;
  auto check = [&](const std::string& surname) {
    for (const char* mode : {"", " --one"}) {
      const test::CliRun r = test::Cli("naming " + surname + mode);
      if (r.status == 0) {
        EXPECT_TRUE(text::StartsWith(r.out, "第一字:")) << surname << mode;
        EXPECT_EQ(r.err, "") << surname << mode;
      } else {
        EXPECT_EQ(r.status, 1) << surname << mode;
        EXPECT_EQ(r.out, "") << surname << mode;
        EXPECT_EQ(r.err, "没有符合三才五格的笔画组合\n") << surname << mode;
        ++without;
      }
    }
  };
  for (const char* s : singles) check(s);
  for (const char* s : compounds) check(s);
  // 陈 (16 strokes) is among those without a two-character proposal: heaven 17 (金).
  EXPECT_EQ(test::Cli("naming 陈").status, 1);
  EXPECT_GT(without, 0);
}

TEST(CliNaming, PickListsAtMostSixtyFitCharactersUnlessAll) {
  test::CliRun r = test::Cli("naming 张 --one --pick 2");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string line = r.out.substr(r.out.find("名第一字:") + std::string("名第一字:").size());
  EXPECT_LE(text::CharCount(text::Trim(line)), 60u);
  for (const char* unfit : {"厕", "淫", "蛔", "痢", "丧", "残"}) {
    EXPECT_FALSE(text::Contains(r.out, unfit)) << unfit;
  }
  r = test::Cli("naming 张 --one --pick 2 --all");
  ASSERT_EQ(r.status, 0);
  EXPECT_GT(text::CharCount(r.out), 300u);  // the whole row of the stroke table
}

}  // namespace
}  // namespace vessa
