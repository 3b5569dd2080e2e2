// A damaged install never passes for a sound one: a lookup or rule file that
// cannot be used leaves the reading finished but says what is missing (exit 5); a
// missing rule file still stops it (exit 3), and the stop outranks the missing
// pieces. Pillars, luck start and terms never depend on a lookup file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "cli_run.h"
#include "core/text/text.h"

namespace vessa {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::CliRun;

// A birth on the day of 立春 2020 (18:03), hours before the instant: the year and
// month pillars are still 己亥 and 丁丑.
constexpr const char* kBeforeLichun = "--surname 张 --given 三 --date 2020-2-4 --hour 8";

void WriteBytes(const fs::path& file, const std::string& bytes) {
  fs::remove_all(file);
  std::ofstream(file, std::ios::binary) << bytes;
}

// One copy of the program in a folder of the given name.
struct Install {
  test::TempDir root;
  fs::path dir;
  explicit Install(const std::string& name = "vessa") : dir(root.path() / name) {
    test::CopyProgram(dir);
  }
  // Under a time limit: a file that made the program wait would fail the test,
  // not hang the suite.
  CliRun Run(const std::string& args) const { return Cli(dir, args, "timeout 60"); }
};

// The chart's JSON without the two lines that quote the nayin and ten-god tables.
std::string PillarsAndLuck(const std::string& json) {
  std::string kept = json;
  for (const char* field : {"\"luckNayinLine\":\"", "\"luckTenGodLine\":\""}) {
    const std::size_t at = kept.find(field);
    if (at == std::string::npos) continue;
    const std::size_t end = kept.find('"', at + std::string(field).size());
    kept.erase(at, end + 1 - at);
  }
  return kept;
}

TEST(CliDamagedInstall, WithoutTgcodeThePillarsLuckAndTermsAreThoseOfTheIntactInstall) {
  const CliRun intactChart = Cli(std::string("chart --json ") + kBeforeLichun);
  const CliRun intactTerms = Cli("terms 2020");
  ASSERT_EQ(intactChart.status, 0) << intactChart.err;

  Install install;
  fs::remove(install.dir / "Tgcode.dll");
  const CliRun chart = install.Run(std::string("chart --json ") + kBeforeLichun);
  EXPECT_EQ(chart.status, 5);
  EXPECT_TRUE(text::Contains(chart.out, "\"yearStemName\":\"己\",\"yearBranchName\":\"亥\","
                                        "\"monthStemName\":\"丁\",\"monthBranchName\":\"丑\""))
      << chart.out;
  EXPECT_EQ(PillarsAndLuck(chart.out), PillarsAndLuck(intactChart.out));
  const CliRun terms = install.Run("terms 2020");
  EXPECT_EQ(terms.status, 0);
  EXPECT_EQ(terms.out, intactTerms.out);

  const CliRun bazi = install.Run(std::string("bazi ") + kBeforeLichun);
  EXPECT_TRUE(text::Contains(bazi.out, "八字：己亥   丁丑   丁丑   甲辰")) << bazi.out;
}

// Missing, random bytes, a table dropped: every reading that quotes the tables
// finishes, prints its text, and exits 5 with one line naming the file and the
// pieces.
TEST(CliDamagedInstall, ADamagedTgcodeIsReportedByEveryReadingThatUsesIt) {
  const std::vector<std::pair<std::string, std::function<void(const fs::path&)>>> damages = {
      {"removed", [](const fs::path& f) { fs::remove(f); }},
      {"random bytes", [](const fs::path& f) { WriteBytes(f, std::string(4096, '\x5a')); }},
      {"table dropped", [](const fs::path& f) { test::ExecSql(f, "DROP TABLE jiazi;"); }},
  };
  for (const auto& [what, damage] : damages) {
    Install install;
    damage(install.dir / "Tgcode.dll");
    for (const char* command : {"bazi", "birthinfo", "boneweight", "bloodtype", "chart --json"}) {
      const CliRun r = install.Run(std::string(command) + " " + kBeforeLichun);
      EXPECT_EQ(r.status, 5) << what << ": " << command;
      EXPECT_FALSE(r.out.empty()) << what << ": " << command;
      EXPECT_TRUE(text::StartsWith(r.err, "数据文件 Tgcode.dll 无法读取："))
          << what << ": " << command << ": " << r.err;
      EXPECT_TRUE(text::Contains(r.err, "纳音")) << what << ": " << command << ": " << r.err;
      EXPECT_TRUE(text::EndsWith(r.err, "缺失\n")) << what << ": " << command << ": " << r.err;
    }
  }
}

// Rule files that cannot be read as they stand: the reading goes on without their
// stars and says so; a missing one stops it.
TEST(CliDamagedInstall, RuleFilesThatCannotBeUsed) {
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> damage;
    int status;
    const char* line;  // the stderr line, "" for none checked
  };
  const Case cases[] = {
      {"empty", [](const fs::path& f) { WriteBytes(f, ""); }, 5,
       "规则文件 shensha/rigan.txt 为空：日干神煞缺失\n"},
      {"random bytes", [](const fs::path& f) { WriteBytes(f, "\x81\x20\xff\xfe\x80\x7f\xa0"); }, 5,
       "规则文件 shensha/rigan.txt 不是GBK文本：日干神煞缺失\n"},
      {"UTF-8 text",
       [](const fs::path& f) { WriteBytes(f, "天乙贵人 甲戊庚:丑未,乙己:子申\n"); }, 5,
       "规则文件 shensha/rigan.txt 不是GBK文本：日干神煞缺失\n"},
      {"a folder", [](const fs::path& f) { fs::remove(f); fs::create_directory(f); }, 5,
       "规则文件 shensha/rigan.txt 不是普通文件：日干神煞缺失\n"},
      {"a FIFO", [](const fs::path& f) { fs::remove(f); ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
       5, "规则文件 shensha/rigan.txt 不是普通文件：日干神煞缺失\n"},
      {"missing", [](const fs::path& f) { fs::remove(f); }, 3, ""},
  };
  for (const Case& c : cases) {
    Install install;
    c.damage(install.dir / "shensha" / "rigan.txt");
    const CliRun r = install.Run(std::string("bazi ") + kBeforeLichun);
    EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
    if (*c.line) {
      EXPECT_EQ(r.err, c.line) << c.what;
    }
    EXPECT_TRUE(text::Contains(r.out, "八字：己亥")) << c.what;
  }
}

// A line the parser would skip is named by its number; blank lines, items without
// ":" and empty values are part of the format and pass without a word.
TEST(CliDamagedInstall, RuleLinesTheParserSkipsAreNamed) {
  Install install;
  const fs::path file = install.dir / "shensha" / "rigan.txt";
  const std::string sound = test::ReadFile(file);
  // A blank line, a sound line whose items lack ":" or a value, a line without a
  // star name (GBK: 文昌 and 甲:子).
  WriteBytes(file, sound + "\r\n\xce\xc4\xb2\xfd   \xbc\xd7,\xd2\xd2:\r\n     \xbc\xd7:\xd7\xd3\r\n");
  CliRun r = install.Run(std::string("bazi ") + kBeforeLichun);
  EXPECT_EQ(r.status, 5) << r.err;
  const std::size_t lines = static_cast<std::size_t>(std::count(sound.begin(), sound.end(), '\n'));
  EXPECT_EQ(r.err, "规则文件 shensha/rigan.txt 第" + std::to_string(lines + 3) +
                       "行没有神煞名，不会被读取\n")
      << r.err;
}

// The name test prints the name and its three talents before the grid readings
// are looked up: a failing lookup stops it after them.
TEST(CliDamagedInstall, TheNameTestKeepsItsFirstLinesWhenAGridLookupFails) {
  Install install;
  test::ExecSql(install.dir / "MorFile.dll", "DROP TABLE namefx;");
  const CliRun r = install.Run("naming 张 --test 伟");
  EXPECT_EQ(r.status, 3) << r.err;
  const std::size_t at = r.out.find("\n\n张伟,您的三才为");
  ASSERT_NE(at, std::string::npos) << r.out;
  const std::string test = r.out.substr(at + 2);
  EXPECT_EQ(std::count(test.begin(), test.end(), '\n'), 4) << test;
  EXPECT_TRUE(text::StartsWith(test.substr(test.rfind("\n", test.size() - 2) + 1), "    "));
}

TEST(CliDamagedInstall, AStopOutranksMissingPieces) {
  Install install;
  fs::remove(install.dir / "Tgcode.dll");
  fs::remove(install.dir / "shensha" / "rizhi.txt");
  const CliRun r = install.Run(std::string("bazi ") + kBeforeLichun);
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_TRUE(text::StartsWith(r.err, "the reading stopped: ")) << r.err;
}

// A FIFO in place of a lookup file fails at once instead of waiting for a writer.
TEST(CliDamagedInstall, AFifoInPlaceOfALookupFileFailsAtOnce) {
  Install install;
  const fs::path file = install.dir / "Tgcode.dll";
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  const CliRun r = install.Run(std::string("bazi ") + kBeforeLichun);
  EXPECT_EQ(r.status, 5) << r.err;
  EXPECT_TRUE(text::StartsWith(r.err, "数据文件 Tgcode.dll 无法读取：")) << r.err;
}

// The connection target is quoted: any folder name works, ";" included.
TEST(CliDamagedInstall, AnyFolderNameWorks) {
  const CliRun intact = Cli(std::string("bazi ") + kBeforeLichun);
  ASSERT_EQ(intact.status, 0) << intact.err;
  for (const char* name : {"semi;colon", "带 空格 的目录", "quote\"d;x=y", "Data Source=x;"}) {
    Install install(name);
    const CliRun r = install.Run(std::string("bazi ") + kBeforeLichun);
    EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    EXPECT_EQ(r.out, intact.out) << name;
  }
}

}  // namespace
}  // namespace vessa
