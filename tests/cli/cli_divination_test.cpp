// The divination commands of vessa-cli: hexagram, zhuge, fingerprint, omen.
#include <gtest/gtest.h>

#include "core/data/content_store.h"
#include "core/divination/fingerprint.h"
#include "core/divination/hexagram.h"
#include "core/divination/omens.h"
#include "core/divination/zhuge.h"
#include "core/text/text.h"
#include "cli_run.h"
#include "test_support.h"

namespace vessa {
namespace {

namespace fs = std::filesystem;

using test::Cli;
using test::CliRun;

const data::ContentStore& Store() {
  static const data::ContentStore store(test::BinDir());
  return store;
}

std::string Lines(const HexagramRow& row) { return row.title + "\n" + row.reading + "\n"; }

TEST(CliHexagram, LinesFromTheBottomGiveTheirHexagram) {
  const data::Query q = Store().QueryOn(data::DatabaseFile::Tgcode);
  for (const auto& [code, name] :
       std::vector<std::pair<std::string, std::string>>{{"111111", "乾为天"},
                                                        {"000000", "坤为地"},
                                                        {"100010", "水雷屯"},
                                                        {"111000", "地天泰"},
                                                        {"000111", "天地否"},
                                                        {"101010", "水火既济"}}) {
    const CliRun r = Cli("hexagram --lines " + code);
    EXPECT_EQ(r.status, 0) << code;
    EXPECT_TRUE(text::Contains(r.out.substr(0, r.out.find('\n')), name)) << r.out;
    EXPECT_EQ(r.out, Lines(*HexagramByCode(q, code)));
  }
}

TEST(CliHexagram, ASeedRepeatsTheAutomaticCast) {
  const CliRun a = Cli("hexagram --auto --seed 42"), b = Cli("hexagram --seed 42 --auto");
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  CastRandom random(42);
  const auto row =
      HexagramById(Store().QueryOn(data::DatabaseFile::Tgcode), DrawHexagramId(random));
  EXPECT_EQ(a.out, Lines(*row));
  const CliRun json = Cli("hexagram --auto --seed 42 --json");
  EXPECT_EQ(json.status, 0);
  EXPECT_TRUE(text::StartsWith(json.out, "{\"id\":" + std::to_string(row->id) + ",\"code\":\"" +
                                             row->code + "\",\"title\":\""))
      << json.out;
  EXPECT_TRUE(text::Contains(json.out, "\\n象曰："));  // the reading's lines, escaped
  EXPECT_EQ(Cli("hexagram").status, 0);                // an automatic cast from the clock
}

TEST(CliHexagram, MalformedArgumentsAreUsageErrors) {
  for (const char* args :
       {"--lines", "--lines 11111", "--lines 1111111", "--lines 11x111", "--lines 222222",
        "--lines ''", "--lines 111111 --auto", "--lines 111111 --seed 1", "--seed", "--seed -1",
        "--seed x", "--seed 4294967296", "--auto --auto", "--lines 111111 --lines 000000",
        "extra"}) {
    const CliRun r = Cli(std::string("hexagram ") + args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(text::Contains(r.err, "usage: vessa-cli hexagram")) << args << ": " << r.err;
    EXPECT_EQ(r.out, "") << args;
  }
}

TEST(CliHexagram, ADamagedTableIsReported) {
  test::TempDir dir;
  for (const char* name : {"vessa-cli", "dream.dll", "MorFile.dll", "MorBirth.dll"})
    fs::copy(test::BinDir() / name, dir.path() / name);
  std::string out;
  const int status =
      test::RunCommand((dir.path() / "vessa-cli").string() + " hexagram --lines 111111 2>&1", out);
  EXPECT_EQ(status, 4);  // the window shows the engine's failure in its error box
}

TEST(CliZhuge, TheLinesOfThePane) {
  const CliRun r = Cli("zhuge 大明天");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "你测算的三个字是:大明天 解析如下...\n\n    " +
                       ZhugeText(Store(), "大", "明", "天", false) + "\n\n    " +
                       ZhugeText(Store(), "大", "明", "天", true) + "\n");
  // Nothing, or fewer than three characters: the lookup finds no sign.
  EXPECT_EQ(Cli("zhuge ''").out, "你测算的三个字是: 解析如下...\n\n    \n\n    \n");
  EXPECT_EQ(Cli("zhuge 大明").out, "你测算的三个字是:大明 解析如下...\n\n    \n\n    \n");
}

TEST(CliZhuge, JsonFields) {
  const CliRun r = Cli("zhuge 正〇人 --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "{\"characters\":\"正〇人\",\"code\":\"128\",\"title\":\"" +
                       ZhugeText(Store(), "正", "〇", "人", false) + "\",\"text\":\"" +
                       ZhugeText(Store(), "正", "〇", "人", true) + "\"}\n");
}

TEST(CliZhuge, WhatTheBoxesCannotHoldIsAUsageError) {
  for (const char* args : {"abc", "大a天", "大明天地", "😀", "大😀天", "大 明", "--json"}) {
    const CliRun r = Cli(std::string("zhuge '") + args + "'");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(text::Contains(r.err, "usage: vessa-cli zhuge")) << args;
  }
  EXPECT_EQ(Cli("zhuge").status, 2);
  EXPECT_EQ(Cli("zhuge 大明天 小").status, 2);
}

TEST(CliFingerprint, TheResultLine) {
  for (const char* code : {"ooxxo", "x", "xxxxx"}) {
    const CliRun r = Cli(std::string("fingerprint ") + code);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "测算结果:" + FingerprintText(Store(), code) + "\n");
  }
  EXPECT_EQ(Cli("fingerprint ''").out, "测算结果:\n");
  for (const char* bad : {"OXO", "oxoxox", "0", "oa", "'o x'"}) {
    const CliRun r = Cli(std::string("fingerprint ") + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_TRUE(text::Contains(r.err, "usage: vessa-cli fingerprint")) << bad;
  }
  EXPECT_EQ(Cli("fingerprint").status, 2);
}

TEST(CliOmen, ThePageOrTheReadingOfAnHour) {
  const CliRun page = Cli("omen 0");
  EXPECT_EQ(page.status, 0);
  std::string expected = "打喷嚏占卜吉凶\n\n";
  for (const auto& line : OmenPage(0)) expected += line + "\n";
  expected += "\n";
  for (auto line : OmenNote()) expected += std::string(line) + "\n";
  EXPECT_EQ(page.out, expected);
  EXPECT_EQ(Cli("omen 0 1").out, "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。\n");
  EXPECT_EQ(Cli("omen 1 23").out, "子时：主有喜事，右主得财。\n");
  EXPECT_EQ(Cli("omen 6 0").out, "子时：左主女思，右主失财。\n");
  for (const char* bad : {"", "7", "-1", "x", "0 24", "0 -1", "0 1 2"}) {
    const CliRun r = Cli(std::string("omen ") + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_TRUE(text::Contains(r.err, "usage: vessa-cli omen")) << bad;
  }
}

TEST(CliDivination, HelpListsTheCommands) {
  const std::string help = Cli("--help").out;
  for (const char* command : {"hexagram", "zhuge", "fingerprint", "omen"}) {
    EXPECT_TRUE(text::Contains(help, std::string("  ") + command + " ")) << command;
  }
}

}  // namespace
}  // namespace vessa
