#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <random>
#include <thread>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/data/access_dialect.h"
#include "core/data/content_store.h"
#include "core/data/scramble.h"
#include "core/data/sql_text.h"
#include "test_support.h"

namespace vessa::data {
namespace {

using test::TempDir;

TEST(AccessDialect, Rewrites) {
  const std::pair<const char*, const char*> cases[] = {
      {"select top 1 wh from hzwh where hz like '%甲%'",
       "select wh from hzwh where hz like '%甲%' LIMIT 1"},
      {"select  top 1 sjrs from sjrs where wh = '木' and sj = '春' ",
       "select  sjrs from sjrs where wh = '木' and sj = '春' LIMIT 1"},
      {"Select * from 81 where num = 5", "Select * from \"81\" where num = 5"},
      {"select ID from 64gua where ID = 5 ", "select ID from \"64gua\" where ID = 5 "},
      {"Select title from sancai where djc = 1 and left(title,1) = '金'",
       "Select title from sancai where djc = 1 and ACCESS_LEFT(title,1) = '金'"},
      {"select SJ from JQ where FORMAT(SJ,'yyyy-mm-dd') = '2021-02-03'",
       "select SJ from JQ where ACCESS_FORMAT(SJ,'yyyy-mm-dd') = '2021-02-03'"},
      {"Select top 1 * from huangdao where gn = #2021-2-3#",
       "Select * from huangdao where gn = '2021-02-03' LIMIT 1"},
      {"select x from t where a like '%[%]%'", "select x from t where a like '%\\%%' ESCAPE '\\'"},
      {"select x from t where a like '%[_]x[[]%'",
       "select x from t where a like '%\\_x\\[%' ESCAPE '\\'"},
      // Literals are not touched: a "top" or a "#" inside quotes stays.
      {"select a from t where b = 'select top 2 #1#'",
       "select a from t where b = 'select top 2 #1#'"},
      {"select a from t where b = 'it''s'", "select a from t where b = 'it''s'"},
  };
  for (auto [access, sqlite] : cases) EXPECT_EQ(TranslateAccessSql(access), sqlite) << access;
}

TEST(SqlText, WaysOfPuttingAKey) {
  EXPECT_EQ(Quoted("O'Brien"), "'O''Brien'");
  EXPECT_EQ(QuotedLike("甲"), "'%甲%'");
  EXPECT_EQ(QuotedLike("a%_'b"), "'%a[%][_]''b%'");
  EXPECT_EQ(Inline("select top 1 layin from jiazi where jiazi = '", "甲子"),
            "select top 1 layin from jiazi where jiazi = '甲子' ");
  EXPECT_EQ(Inline("select  top 1 content from qtbj where tg = '", "甲", "' and dz = '", "寅"),
            "select  top 1 content from qtbj where tg = '甲' and dz = '寅' ");
  EXPECT_EQ(Formatted("select a from t where n = %d and s = '%s' and p like '%%x'",
                      {std::int64_t{7}, "a'b"}),
            "select a from t where n = 7 and s = 'a'b' and p like '%x'");
  EXPECT_EQ(WithDate("Select top 1 * from huangdao where gn = #", MakeDate(2021, 2, 3), "#"),
            "Select top 1 * from huangdao where gn = #2021-02-03#");
  EXPECT_THROW(Formatted("%d %d", {std::int64_t{1}}), std::invalid_argument);
}

TEST(ContentStore, ConnectionStrings) {
  ContentStore store("/opt/vessa");
  EXPECT_EQ(store.TgcodeConnection(),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/vessa//Tgcode.dll;Persist Security "
            "Info=True");
  EXPECT_EQ(store.DreamConnection(),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/vessa//dream.dll;Persist Security "
            "Info=True");
  EXPECT_EQ(DataSourceOf(store.MorFileConnection()), "/opt/vessa//MorFile.dll");
  EXPECT_EQ(DataSourceOf(ContentStore("/opt/vessa/").MorBirthConnection()),
            "/opt/vessa//MorBirth.dll");
}

struct CatalogueEntry {
  DatabaseFile file;
  std::string statement;
  FailurePolicy policy;
};

// Every statement of the catalogue, with a key built the way its lookup builds it.
std::vector<CatalogueEntry> Catalogue() {
  using F = DatabaseFile;
  using P = FailurePolicy;
  return {
      {F::MorFile, "Select num from bihua where hanzi like " + QuotedLike("张"), P::Cancel},
      {F::MorFile, Formatted("select hanzi from bihua where num = '%s'", {"11"}), P::Cancel},
      {F::MorFile, "Select content from zhiwen where zhiwen =" + Quoted("oxoxo"), P::Cancel},
      {F::MorFile, "Select top 1 title,content from zhuge where id =" + Quoted("123"), P::Cancel},
      {F::MorFile, "select content from ndeq where title = " + Quoted("白羊座"), P::Cancel},
      {F::MorFile, "select content from aiqing where title = " + Quoted("白羊座"), P::Cancel},
      {F::MorFile, "select content from mingren where title = " + Quoted("白羊座"), P::Cancel},
      {F::MorFile, "select content from baojian where title = " + Quoted("白羊座"), P::Cancel},
      {F::MorFile, "select content from qingxv where title = " + Quoted("白羊座"), P::Cancel},
      {F::MorFile, "select content from shiye where title = " + Quoted("白羊座"), P::Cancel},
      {F::MorFile, "Select djc from sancai where title = " + Quoted("木火土") + " ", P::Cancel},
      {F::MorFile, "Select title from sancai where djc = 1 and left(title,1) = " + Quoted("金"),
       P::Report},
      {F::MorFile, "Select content from sancai where title = " + Quoted("木火土") + " ", P::Cancel},
      {F::MorFile, Formatted("Select * from 81 where num = %d", {std::int64_t{15}}), P::Cancel},
      {F::MorFile, "Select content from namefx where num = " + Quoted("15"), P::Cancel},
      {F::MorFile, Formatted("Select top 1 * from sancai2009 where title = '%s'", {"木火土"}),
       P::Report},
      {F::MorBirth, "select Tite,content from Noter where Cid = " + Quoted("a1"), P::Cancel},
      {F::MorBirth, Formatted("select top 1 * from QQpd where bihua like '%s'", {"%,12,%"}),
       P::Report},
      {F::MorBirth,
       WithDate("Select top 1 * from huangdao where gn = #", MakeDate(2021, 2, 3), "#"), P::Report},
      {F::Dream, "Select weight from chenggu1 where year =" + Quoted("1980"), P::Cancel},
      {F::Dream, "Select weight from chenggu2 where month2 =" + Quoted("1"), P::Cancel},
      {F::Dream, "Select weight from chenggu3 where day2 =" + Quoted("1"), P::Cancel},
      {F::Dream, "Select weight from chenggu4 where time =" + Quoted("0"), P::Cancel},
      {F::Dream, "Select content,content2 from chenggu where weight =" + Quoted("45"), P::Cancel},
      {F::Dream, "select title,jx,content from shouji where num = " + Quoted("37"), P::Cancel},
      {F::Tgcode, "select top 1 wh from hzwh where hz like " + QuotedLike("甲"), P::Ignore},
      {F::Tgcode, Inline("select top 1 ShiShen from Shishen where jiazi = '", "甲丙"), P::Ignore},
      {F::Tgcode, Inline("select top 1 layin from jiazi where jiazi = '", "甲子"), P::Ignore},
      {F::Tgcode, Inline("select  top 1 sjrs from sjrs where wh = '", "木", "' and sj = '", "春"),
       P::Ignore},
      {F::Tgcode,
       Inline("select  top 1 content from qtbj where tg = '", "甲", "' and dz = '", "寅"),
       P::Ignore},
      {F::Tgcode,
       Formatted("select top 1 SJ from JQ where YearA = %d  and JQ in "
                 "('立春','惊蛰','清明','立夏','芒种','小暑',"
                 "'立秋','白露','寒露','立冬','大雪','小寒') and FORMAT(SJ,'yyyy-mm-dd') = '%s'",
                 {std::int64_t{2021}, "2021-02-03"}),
       P::Ignore},
      {F::Tgcode,
       Formatted("select ID,GuaCode,GuaTite,GuaValue from 64gua where ID = %d ", {std::int64_t{5}}),
       P::Report},
      {F::Tgcode,
       Formatted("select ID,GuaCode,GuaTite,GuaValue from 64gua where GuaCode = '%s' ", {"101010"}),
       P::Report},
  };
}

TEST(ContentStore, EveryCatalogueStatementRunsAgainstTheBuiltFiles) {
  ContentStore store(test::BinDir());
  for (const auto& entry : Catalogue()) {
    // Under "report" a statement the engine rejects would throw; none may.
    EXPECT_NO_THROW(store.All(entry.file, entry.statement, FailurePolicy::Report))
        << entry.statement;
  }
}

TEST(ContentStore, BuiltTablesAnswerKnownKeys) {
  ContentStore store(test::BinDir());
  EXPECT_EQ(store.Text(DatabaseFile::Tgcode,
                       Inline("select top 1 layin from jiazi where jiazi = '", "甲子"), "layin",
                       FailurePolicy::Ignore),
            "海中金");
  EXPECT_EQ(store.Text(DatabaseFile::Tgcode,
                       "select top 1 wh from hzwh where hz like " + QuotedLike("亥"), "wh",
                       FailurePolicy::Ignore),
            "水");
  // The jie term of 2021-02-03 through FORMAT on the stored date-time.
  auto row = store.First(
      DatabaseFile::Tgcode,
      Formatted("select top 1 SJ from JQ where YearA = %d  and JQ in ('立春','惊蛰') and "
                "FORMAT(SJ,'yyyy-mm-dd') = '%s'",
                {std::int64_t{2021}, "2021-02-03"}),
      FailurePolicy::Ignore);
  ASSERT_TRUE(row);
  EXPECT_EQ(row->Text("SJ").substr(0, 10), "2021-02-03");
  EXPECT_EQ(
      store.Text(DatabaseFile::Dream, "Select weight from chenggu1 where year =" + Quoted("1984"),
                 0, FailurePolicy::Cancel),
      "1.2");  // 甲子
}

TEST(ContentStore, PoliciesWithAMissingFile) {
  TempDir dir;
  test::CopyBuiltDatabases(dir.path());
  std::filesystem::remove(dir.path() / "Tgcode.dll");
  ContentStore store(dir.path());
  const std::string sql = Inline("select top 1 layin from jiazi where jiazi = '", "甲子");
  EXPECT_THROW(store.First(DatabaseFile::Tgcode, sql, FailurePolicy::Cancel), SilentAbort);
  EXPECT_EQ(store.Text(DatabaseFile::Tgcode, sql, "layin", FailurePolicy::Ignore), "");
  try {
    store.First(DatabaseFile::Tgcode, sql, FailurePolicy::Report);
    FAIL() << "no error reported";
  } catch (const ReportedError& e) {
    EXPECT_NE(std::string(e.what()).find("unable to open database file"), std::string::npos)
        << e.what();
  }
  // The other files still answer.
  EXPECT_EQ(
      store.Text(DatabaseFile::Dream, "Select weight from chenggu2 where month2 =" + Quoted("3"), 0,
                 FailurePolicy::Cancel),
      "1.8");
}

TEST(ContentStore, PoliciesWithARejectedStatement) {
  ContentStore store(test::BinDir());
  const std::string bad = "select nosuchcolumn from jiazi";
  EXPECT_THROW(store.First(DatabaseFile::Tgcode, bad, FailurePolicy::Cancel), SilentAbort);
  EXPECT_FALSE(store.First(DatabaseFile::Tgcode, bad, FailurePolicy::Ignore));
  EXPECT_THROW(store.First(DatabaseFile::Tgcode, bad, FailurePolicy::Report), ReportedError);
}

TEST(ContentStore, FilesAreOpenedReadOnly) {
  ContentStore store(test::BinDir());
  EXPECT_THROW(store.First(DatabaseFile::Tgcode, "delete from jiazi", FailurePolicy::Report),
               ReportedError);
  EXPECT_EQ(
      store.All(DatabaseFile::Tgcode, "select jiazi from jiazi", FailurePolicy::Report).size(),
      60u);
}

class FixtureStore : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeDatabase(
        dir_.path() / "MorFile.dll",
        "CREATE TABLE bihua (num TEXT, hanzi TEXT);"
        "INSERT INTO bihua VALUES ('3', 'abc'), ('4', 'x%y'), ('5', 'p_q'), ('6', 'O''Brien'),"
        "('7', 'a[b]');");
  }
  std::string Strokes(std::string_view ch) {
    return store_.Text(DatabaseFile::MorFile,
                       "Select num from bihua where hanzi like " + QuotedLike(ch), 0,
                       FailurePolicy::Cancel);
  }
  TempDir dir_;
  ContentStore store_{dir_.path()};
};

TEST_F(FixtureStore, LikeWildcardsInUserTextMatchLiterally) {
  EXPECT_EQ(Strokes("%"), "4");
  EXPECT_EQ(Strokes("_"), "5");
  EXPECT_EQ(Strokes("["), "7");
  EXPECT_EQ(Strokes("b]"), "7");
  EXPECT_EQ(Strokes("z"), "");
  EXPECT_EQ(Strokes("b"), "3");  // first row the engine delivers
}

TEST_F(FixtureStore, QuotedKeyDoublesItsQuote) {
  EXPECT_EQ(Strokes("'"), "6");
  EXPECT_EQ(
      store_.Text(DatabaseFile::MorFile, "select num from bihua where hanzi = " + Quoted("O'Brien"),
                  0, FailurePolicy::Report),
      "6");
}

TEST(Scramble, StoredTextEdgeCases) {
  int beeps = 0;
  auto beep = [&] { ++beeps; };
  EXPECT_EQ(UnscrambleText("", kScrambleKey, kScramblePasses, beep), "");
  EXPECT_EQ(HexPairsToText("414", beep), "A");      // the odd last character is ignored
  EXPECT_EQ(HexPairsToText("41G142", beep), "AB");  // "G1" beeps and is skipped
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(HexPairsToText("6a6B", beep), "jk");        // either case
  EXPECT_EQ(UnscrambleText("4142", 0, 0, beep), "AB");  // no pass: plain bytes
  EXPECT_EQ(UnscrambleText("4142", kScrambleKey, -3, beep), "AB");
  EXPECT_EQ(beeps, 1);
}

TEST(Scramble, RoundTripsRandomGbkTexts) {
  std::mt19937 rng(20261211);
  const std::string pool[] = {"甲", "乙", "木", "火", "，", "。", "A",  "z",
                              "9",  " ",  "囍", "龘", "の", "—",  "【", "】"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pool) - 1), len(0, 200);
  for (int trial = 0; trial < 500; ++trial) {
    std::string text;
    for (std::size_t n = len(rng); n > 0; --n) text += pool[pick(rng)];
    ASSERT_TRUE(gbk::IsEncodable(text));
    std::string stored = ScrambleText(text, kScrambleKey, kScramblePasses);
    EXPECT_EQ(stored.size(), gbk::ByteLength(text) * 2);
    EXPECT_EQ(UnscrambleText(stored, kScrambleKey, kScramblePasses), text);
  }
  // Scrambling actually hides the text.
  EXPECT_NE(ScrambleText("木火土", kScrambleKey, kScramblePasses), ScrambleText("木火土", 0, 0));
}

// The store keeps its connections, yet every lookup sees the file as it is now.
class ChangingFile : public ::testing::Test {
 protected:
  void Write(const char* rows) {
    const auto tmp = dir_.path() / "next.dll";
    test::MakeDatabase(tmp, std::string("CREATE TABLE t (k TEXT, v TEXT);") + rows);
    std::filesystem::rename(tmp, file_);  // replaced whole, as an installer does
  }
  std::string Lookup(FailurePolicy policy = FailurePolicy::Cancel) {
    return store_.Text(DatabaseFile::Tgcode, "select v from t where k = 'a'", 0, policy);
  }
  TempDir dir_;
  std::filesystem::path file_ = dir_.path() / "Tgcode.dll";
  ContentStore store_{dir_.path()};
};

TEST_F(ChangingFile, ReplacedBetweenTwoLookups) {
  Write("INSERT INTO t VALUES ('a', 'old');");
  EXPECT_EQ(Lookup(), "old");
  Write("INSERT INTO t VALUES ('a', 'new');");
  EXPECT_EQ(Lookup(), "new");
}

TEST_F(ChangingFile, EditedInPlaceBetweenTwoLookups) {
  Write("INSERT INTO t VALUES ('a', 'old');");
  EXPECT_EQ(Lookup(), "old");
  test::ExecSql(file_, "UPDATE t SET v = 'edited, and longer than before'");
  EXPECT_EQ(Lookup(), "edited, and longer than before");
}

TEST_F(ChangingFile, RemovedThenRestored) {
  Write("INSERT INTO t VALUES ('a', 'one');");
  EXPECT_EQ(Lookup(), "one");
  std::filesystem::remove(file_);
  EXPECT_THROW(Lookup(FailurePolicy::Cancel), SilentAbort);
  EXPECT_EQ(Lookup(FailurePolicy::Ignore), "");
  EXPECT_THROW(Lookup(FailurePolicy::Report), ReportedError);
  Write("INSERT INTO t VALUES ('a', 'two');");
  EXPECT_EQ(Lookup(), "two");
}

TEST_F(ChangingFile, UnreadableFileFailsAtTheLookup) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
  Write("INSERT INTO t VALUES ('a', 'one');");
  EXPECT_EQ(Lookup(), "one");
  // The kept connection is not used for a file the user may no longer read.
  std::filesystem::permissions(file_, std::filesystem::perms::none);
  EXPECT_THROW(Lookup(), SilentAbort);
}

// A folder, a FIFO or a device in place of the file fails at once instead of
// blocking the engine.
TEST_F(ChangingFile, OnlyRegularFilesAreOpened) {
  std::filesystem::create_directory(file_);
  EXPECT_THROW(Lookup(FailurePolicy::Report), ReportedError);
  std::filesystem::remove(file_);
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  EXPECT_EQ(Lookup(FailurePolicy::Ignore), "");
  EXPECT_THROW(Lookup(FailurePolicy::Cancel), SilentAbort);
  std::filesystem::remove(file_);
  std::filesystem::create_symlink("/dev/zero", file_);
  EXPECT_THROW(Lookup(FailurePolicy::Report), ReportedError);
}

// Derived values (a map read from a whole table) are built again once the file changed.
TEST_F(ChangingFile, DerivedValuesFollowTheFile) {
  int builds = 0;
  const auto values = [&] {
    return store_.Derived<std::string>(
        DatabaseFile::Tgcode, "all", FailurePolicy::Cancel, [&](const ContentStore::Runner& run) {
          ++builds;
          std::string joined;
          for (const Row& row : run("select v from t order by k")) joined += row.Text(0) + ";";
          return joined;
        });
  };
  Write("INSERT INTO t VALUES ('a', 'x'), ('b', 'y');");
  EXPECT_EQ(*values(), "x;y;");
  EXPECT_EQ(*values(), "x;y;");
  EXPECT_EQ(builds, 1);
  Write("INSERT INTO t VALUES ('a', 'z');");
  EXPECT_EQ(*values(), "z;");
  EXPECT_EQ(builds, 2);
  std::filesystem::remove(file_);
  EXPECT_THROW(values(), SilentAbort);
}

// Lookups from several threads share the store's connections safely.
TEST(ContentStore, LookupsFromSeveralThreads) {
  ContentStore store(test::BinDir());
  std::vector<std::thread> threads;
  std::atomic<int> wrong = 0;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 300; ++i) {
        const int n = (i * 7 + t) % 60;
        static const char* kPairs[] = {"甲子", "乙丑", "丙寅"};
        const std::string key = kPairs[n % 3];
        const std::string nayin =
            store.Text(DatabaseFile::Tgcode, Inline("select top 1 layin from jiazi where jiazi = '", key),
                       "layin", FailurePolicy::Report);
        if (nayin != (n % 3 == 2 ? "炉中火" : "海中金")) ++wrong;
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace vessa::data
