// The constellation reading, its topic views and the outlook.
#include <gtest/gtest.h>

#include <string>

#include "core/data/content_store.h"
#include "core/reports/constellation_report.h"
#include "core/reports/constellation_texts.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "core/text/tsv.h"
#include "panel_fixtures.h"
#include "reading_fixtures.h"
#include "test_support.h"

namespace vessa {
namespace {

const char* const kSigns[] = {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
                              "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};

TEST(ConstellationIqText, OpensWithItsScore) {
  const struct {
    const char* sign;
    const char* opening;
  } cases[] = {
      {"水瓶座", "智商：102。好顽固，又独断独行"},
      {"白羊座", "智商： 80。性子过急，做事虽然果断"},
      {"金牛座", "智商：110。能冷静分析每件事的好与坏。"},
      {"双子座", "智商：130。天生聪明，反应敏捷，文武双全。"},
      {"巨蟹座", "智商： 90。一般都不了解自己的个性"},
      {"狮子座", "智商：100。自视过高，过分自满"},
      {"处女座", "智商：105。有冷静分析的头脑"},
      {"天秤座", "智商： 95。有一个优柔寡断的缺点"},
      {"天蝎座", "智商：120。基本上是属于聪明那类的"},
      {"射手座", "智商：125。智慧多数发挥在学东西方面"},
      {"摩羯座", "智商： 90。一般都不了解自己的个性"},
      {"双鱼座", "智商： 75。 你是再聪明也有限呀"},
  };
  for (const auto& c : cases) {
    const std::string t = ConstellationIqText(c.sign);
    EXPECT_TRUE(text::StartsWith(t, c.opening)) << c.sign << ": " << t;
    EXPECT_GE(text::CharCount(t), 80u) << c.sign;
    EXPECT_LE(text::CharCount(t), 140u) << c.sign;
  }
  EXPECT_EQ(ConstellationIqText("摩羯座"), ConstellationIqText("巨蟹座"));
  for (const char* other : {"", "蛇夫座", "摩羯", " 摩羯座"}) {
    EXPECT_EQ(ConstellationIqText(other), "请听下回分解!") << other;
  }
}

TEST(ConstellationTopicText, EveryTopicOfEverySignWithTheShippedData) {
  data::ContentStore store(test::BinDir());
  for (const ConstellationTopicInfo& info : kConstellationTopics) {
    // The stored source, read independently of the lookup.
    const tsv::Table source = tsv::ReadFile(
        (test::SourceDir() / "db" / "MorFile" / (std::string(info.table) + ".tsv")).string());
    ASSERT_EQ(source.rows.size(), 12u) << info.table;
    for (const char* sign : kSigns) {
      const std::string t = ConstellationTopicText(store, sign, info.topic);
      EXPECT_GE(text::CharCount(t), 300u) << info.table << " " << sign;
      EXPECT_LE(text::CharCount(t), 600u) << info.table << " " << sign;
      EXPECT_FALSE(text::Contains(t, "<p>") || text::Contains(t, "</p>"));
      // It speaks of its own sign and of no other.
      EXPECT_TRUE(text::Contains(t, std::string(sign).substr(0, 6))) << info.table << " " << sign;
      for (const char* other : kSigns) {
        if (std::string(other) != sign) {
          EXPECT_FALSE(text::Contains(t, other)) << info.table << " " << sign;
        }
      }
    }
  }
  EXPECT_EQ(ConstellationTopicText(store, "蛇夫座", ConstellationTopic::Health), "");
}

TEST(ConstellationTopicText, TheTopicsOfTheCommands) {
  const struct {
    ConstellationTopic topic;
    const char* table;
    const char* heading;
    const char* caption;
    int number;
  } cases[] = {
      {ConstellationTopic::EqAnalysis, "ndeq", "【情商解析】:", "情商解析", 0},
      {ConstellationTopic::Strength, "aiqing", "【星座实力】:", "星座实力", 1},
      {ConstellationTopic::Celebrities, "mingren", "【星座名人】:", "星座名人", 2},
      {ConstellationTopic::Health, "baojian", "【身体保健】:", "身体保健", 3},
      {ConstellationTopic::FiveAdvice, "qingxv", "【五大建议】:", "五大建议", 4},
      {ConstellationTopic::Defects, "shiye", "【星座缺陷】:", "星座缺陷", 6},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const ConstellationTopicInfo& info = kConstellationTopics[i];
    EXPECT_EQ(info.topic, cases[i].topic);
    EXPECT_EQ(info.table, cases[i].table);
    EXPECT_EQ(info.heading, cases[i].heading);
    EXPECT_EQ(info.caption, cases[i].caption);
    EXPECT_EQ(info.number, cases[i].number);
    const Reading* reading = FindReading("topic" + std::to_string(cases[i].number));
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->captions, std::vector<std::string_view>{cases[i].caption});
  }
}

class ConstellationFixture : public ::testing::Test {
 protected:
  test::TempDir dir_;
  void SetUp() override {
    test::MakeDatabase(
        dir_.path() / "MorFile.dll",
        "CREATE TABLE ndeq (title TEXT, content TEXT);"
        "CREATE TABLE aiqing (title TEXT, content TEXT);"
        "CREATE TABLE mingren (title TEXT, content TEXT);"
        "CREATE TABLE baojian (title TEXT, content TEXT);"
        "CREATE TABLE qingxv (title TEXT, content TEXT);"
        "CREATE TABLE shiye (title TEXT, content TEXT);"
        "INSERT INTO ndeq VALUES ('金牛座', '  <p>第一段。</p><p>第二段<P>大写</P>不动。</p>  ');"
        "INSERT INTO aiqing VALUES ('金牛座', '实力');"
        "INSERT INTO baojian VALUES ('金牛座', '保健');"
        "INSERT INTO qingxv VALUES ('金牛座', '建议');"
        "INSERT INTO shiye VALUES ('金牛座', '缺陷');");
  }
  BirthInput Taurus() {
    BirthInput birth;
    EXPECT_TRUE(ReadBirthInput(test::PanelFor("王", "小金", "1990-5-1", 14),
                               BirthInputKind::Constellation, birth)
                    .ok());
    return birth;
  }
};

TEST_F(ConstellationFixture, MarksAreRemovedExactly) {
  data::ContentStore store(dir_.path());
  EXPECT_EQ(ConstellationTopicText(store, "金牛座", ConstellationTopic::EqAnalysis),
            "第一段。第二段<P>大写</P>不动。");
  EXPECT_EQ(ConstellationTopicText(store, "金牛座", ConstellationTopic::Celebrities), "");
  EXPECT_EQ(ConstellationTopicText(store, "白羊座", ConstellationTopic::EqAnalysis), "");
}

TEST_F(ConstellationFixture, TheFullReading) {
  data::ContentStore store(dir_.path());
  ReportBuffer out;
  out.AddLine("an earlier reading");
  WriteConstellationReport({store, 2026}, Taurus(), out);
  const std::string rule(70, '-');
  const std::vector<std::string> expected = {
      "王小金,你今年:36岁,您出生于公历 1990年05月01日14点  农历 庚午(马年)四月初七 生肖:马 "
      "星座:金牛座",
      "",
      rule,
      "【情商解析】:",
      "第一段。第二段<P>大写</P>不动。",
      rule,
      "【星座实力】:",
      "实力",
      rule,
      "【星座名人】:",
      "",  // no row: an empty line under the heading
      rule,
      "【身体保健】:",
      "保健",
      rule,
      "【五大建议】:",
      "建议",
      rule,
      "【星座缺陷】:",
      "缺陷",
      "",
      "--以上测算紧着参考----------------------------------------------------",
  };
  EXPECT_EQ(out.Lines(), expected);
  EXPECT_EQ(text::CharCount(out.Lines().back()), 10u + 52u);
}

TEST_F(ConstellationFixture, AFailedLookupKeepsWhatWasWritten) {
  test::ExecSql(dir_.path() / "MorFile.dll", "DROP TABLE baojian");
  data::ContentStore store(dir_.path());
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  const ReadingOutcome o = test::RunById(
      "constellation", {store, 2026}, test::PanelFor("王", "小金", "1990-5-1"), birth, chart, out);
  EXPECT_EQ(o.kind, OutcomeKind::Stopped);
  EXPECT_TRUE(o.paneChanged);
  ASSERT_EQ(out.Count(), 13u);
  EXPECT_EQ(out.Lines()[12], "【身体保健】:");
}

TEST_F(ConstellationFixture, TopicsAndOutlookNeedTheLastRequestsPerson) {
  data::ContentStore store(dir_.path());
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  out.AddLine("kept");
  const Panel panel = test::PanelFor("王", "小金", "1990-5-1");
  // Before any reading: nothing to show, the pane stays.
  for (const char* id : {"topic0", "topic1", "topic2", "topic3", "topic4", "topic6", "outlook"}) {
    const ReadingOutcome o = test::RunById(id, {store, 2026}, panel, birth, chart, out);
    EXPECT_EQ(o.kind, OutcomeKind::Done) << id;
    EXPECT_FALSE(o.paneChanged) << id;
    EXPECT_EQ(out.Lines(), std::vector<std::string>{"kept"}) << id;
    EXPECT_EQ(o.scrollWithoutChange, std::string(id) == "topic0") << id;
  }
  // Names alone (the three-talent lookup stores them) are not enough either.
  birth.surname = "王";
  birth.givenName = "小金";
  EXPECT_FALSE(test::RunById("topic3", {store, 2026}, panel, birth, chart, out).paneChanged);

  test::RunById("constellation", {store, 2026}, panel, birth, chart, out);
  ReadingOutcome o = test::RunById("topic0", {store, 2026}, panel, birth, chart, out);
  EXPECT_TRUE(o.paneChanged);
  EXPECT_TRUE(o.scrollToTop);
  EXPECT_EQ(out.Lines(), (std::vector<std::string>{"王小金,您的星座为金牛座...", "", "",
                                                   "第一段。第二段<P>大写</P>不动。"}));
  o = test::RunById("topic2", {store, 2026}, panel, birth, chart, out);
  EXPECT_FALSE(o.scrollToTop);
  EXPECT_EQ(out.Lines(), (std::vector<std::string>{"王小金,您的星座为金牛座...", "", "", ""}));
  o = test::RunById("outlook", {store, 2026}, panel, birth, chart, out);
  EXPECT_FALSE(o.scrollToTop);
  ASSERT_EQ(out.Count(), 4u);
  EXPECT_EQ(out.Lines()[0], "王小金,您的星座为金牛座,经系统分析如下:");
  EXPECT_EQ(out.Lines()[3], "    " + ConstellationIqText("金牛座"));
  EXPECT_TRUE(text::StartsWith(out.Lines()[3], "    智商：110。"));
}

TEST(ConstellationReading, CapricornOutlookWithTheShippedData) {
  data::ContentStore store(test::BinDir());
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  const Panel panel = test::PanelFor("张", "三", "1980-1-1", 10);
  EXPECT_EQ(test::RunById("constellation", {store, 2026}, panel, birth, chart, out).kind,
            OutcomeKind::Done);
  ASSERT_EQ(out.Count(), 22u);
  EXPECT_EQ(out.Lines()[0],
            "张三,你今年:46岁,您出生于公历 1980年01月01日10点  农历 己未(羊年)十一月十四 生肖:羊 "
            "星座:摩羯座");
  for (std::size_t i : {4u, 7u, 10u, 13u, 16u, 19u})
    EXPECT_GE(text::CharCount(out.Lines()[i]), 300u);
  test::RunById("outlook", {store, 2026}, panel, birth, chart, out);
  EXPECT_TRUE(text::StartsWith(out.Lines()[3], "    智商： 90。"));
  // A lunar entry reads the constellation of its solar date.
  Panel lunar = test::PanelFor("张", "三", "1990-4-7", 10, 0, "男", true);
  test::RunById("constellation", {store, 2026}, lunar, birth, chart, out);
  EXPECT_EQ(birth.constellation, "金牛座");  // 1990-05-01
}

}  // namespace
}  // namespace vessa
