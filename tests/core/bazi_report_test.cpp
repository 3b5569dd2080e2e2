#include <gtest/gtest.h>

#include <random>

#include "core/bazi/bone_weight.h"
#include "core/calendar/lunar_calendar.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "core/numbers/birthday_texts.h"
#include "panel_fixtures.h"
#include "core/reports/bazi_report.h"
#include "reading_fixtures.h"
#include "test_support.h"

namespace vessa {
namespace {

constexpr int kNowYear = 2026;

Panel PanelFor(const char* date, int hour = 0, int minute = 0, const char* sex = "男",
               bool lunar = false) {
  return test::PanelFor("张", "三", date, hour, minute, sex, lunar);
}

class BaziReading : public ::testing::Test {
 protected:
  ReadingOutcome Bazi(const Panel& panel) {
    return test::RunById("bazi", {store_, kNowYear}, panel, birth_, chart_, out_);
  }
  ReadingOutcome Info(BirthInfoMode mode, const Panel& panel) {
    return test::RunById(test::BirthInfoId(static_cast<int>(mode)), {store_, kNowYear}, panel,
                         birth_, chart_, out_);
  }
  const std::vector<std::string>& Lines() const { return out_.Lines(); }
  std::size_t IndexOf(std::string_view prefix) const {
    for (std::size_t i = 0; i < Lines().size(); ++i) {
      if (text::StartsWith(Lines()[i], prefix)) return i;
    }
    return std::string::npos;
  }
  data::ContentStore store_{test::BinDir()};
  BirthInput birth_;
  BaziChart chart_;
  ReportBuffer out_;
};

TEST_F(BaziReading, OpeningLines) {
  auto result = Bazi(PanelFor("1980-1-1", 10, 30));
  ASSERT_NE(result.kind, OutcomeKind::InputMessage);
  EXPECT_NE(result.kind, OutcomeKind::Stopped) << result.message;
  EXPECT_EQ(Lines()[0], "姓名：张三  性别：男  生肖：羊  星座：摩羯座  血型：A型  年龄：46岁");
  EXPECT_EQ(Lines()[1], "");
  EXPECT_EQ(Lines()[2], "生日（公历）：1980年01月01日10点30分");
  EXPECT_EQ(Lines()[4], "生日（农历）：己未(羊年)十一月十四巳时30分");
  EXPECT_EQ(Lines()[6], "胎元：丁卯(炉中火)");
  EXPECT_EQ(Lines()[8], "起运：9岁");  // 大雪 1979-12-08 lies 24 days and some hours back
  EXPECT_EQ(Lines()[11], "八字：己未   丙子   癸酉   丁巳");
  EXPECT_EQ(Lines()[35], "四柱神煞：");
  EXPECT_EQ(Lines()[69], std::string(kBaziSeparator));
  EXPECT_EQ(Lines()[71], "流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 腊月");
  EXPECT_EQ(Lines()[73], "1979(己未)：丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌 乙亥 丙子 丁丑");
  EXPECT_EQ(Lines().back(), "");
  EXPECT_EQ(Lines()[Lines().size() - 2], "    " + BloodTypeLoveText("A型"));
  EXPECT_EQ(Lines()[Lines().size() - 4], "血型论命:");
  const std::size_t personality = IndexOf("性格简评：");
  ASSERT_NE(personality, std::string::npos);
  EXPECT_EQ(Lines()[personality + 1], "    " + BirthdayText(1, 1));
  // The age is a difference of calendar years only.
  Bazi(PanelFor("2025-12-31"));
  EXPECT_TRUE(text::Contains(Lines()[0], "年龄：1岁"));
}

TEST_F(BaziReading, LineCountFollowsTheLuckStartAndTheSeason) {
  struct Case {
    const char* date;
    int hour;
    const char* sex;
    bool lunar;
  } cases[] = {{"1980-1-1", 10, "男", false},
               {"1984-2-3", 12, "女", false},
               {"1984-2-4", 23, "男", false},
               {"2020-5-23", 8, "男", false},
               {"2020-4-1", 8, "女", true}};
  for (const auto& c : cases) {
    auto result = Bazi(PanelFor(c.date, c.hour, 5, c.sex, c.lunar));
    ASSERT_NE(result.kind, OutcomeKind::Stopped) << c.date;
    const int S = chart_.luckStart;
    // Every birth, a leap-month one included, has its season line: 93 fixed lines.
    EXPECT_EQ(Lines().size(), 93 + static_cast<std::size_t>(S) + 90) << c.date;
    EXPECT_NE(IndexOf("用神喜忌：日主天干"), std::string::npos) << c.date;
    // The annual-month table starts 74 lines in.
    EXPECT_EQ(Lines()[73].substr(0, 4), birth_.lunarYearText) << c.date;
  }
}

TEST_F(BaziReading, LuckStartOneAndTen) {
  Bazi(PanelFor("1984-2-3", 12, 0, "女"));  // 立春 one day ahead
  ASSERT_EQ(chart_.luckStart, 1);
  EXPECT_EQ(Lines()[21],
            "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_TRUE(text::StartsWith(Lines()[24], "流年："));
  for (int i = 25; i <= 33; ++i)
    EXPECT_TRUE(text::StartsWith(Lines()[i], std::string(13, ' '))) << i;
  EXPECT_TRUE(text::StartsWith(Lines()[42], "小运："));
  EXPECT_TRUE(text::StartsWith(Lines()[44], std::string(13, ' ')));
  EXPECT_EQ(Lines().size(), 93u + 91);

  Bazi(PanelFor("1984-2-4", 23, 30, "男"));  // 惊蛰 30 days ahead
  ASSERT_EQ(chart_.luckStart, 10);
  for (int i = 24; i <= 33; ++i)
    EXPECT_FALSE(text::StartsWith(Lines()[i], std::string(13, ' '))) << i;
  EXPECT_EQ(Lines().size(), 93u + 100);
}

TEST_F(BaziReading, InputMessagesLeaveThePaneAlone) {
  Bazi(PanelFor("1980-1-1"));
  const auto before = Lines();
  Panel noSurname = PanelFor("1990-5-5");
  noSurname.surname = " ";
  auto result = Bazi(noSurname);
  EXPECT_EQ(result.kind, OutcomeKind::InputMessage);
  EXPECT_EQ(result.message, "姓不能为空!");
  EXPECT_EQ(Lines(), before);
  Panel noBlood = PanelFor("1990-5-5");
  noBlood.bloodType = "";
  EXPECT_EQ(Bazi(noBlood).message, "血型不能为空!");
  EXPECT_EQ(Lines(), before);
  // A conversion error of the input step is the error box's, before anything is written.
  auto bad = Bazi(PanelFor("2001-2-29"));
  EXPECT_EQ(bad.kind, OutcomeKind::ErrorBox);
  EXPECT_EQ(bad.message, "'2001-2-29' is not a valid date");
  EXPECT_FALSE(bad.paneChanged);
  EXPECT_EQ(Lines(), before);
}

TEST_F(BaziReading, OnePersonHasOneBoneWeight) {
  // 1984-02-04 12:00 is lunar 1984-1-3, on the day of 立春 but before its instant:
  // 称骨 counts lunar months, so both readings weigh the first month.
  const Panel panel = PanelFor("1984-2-4", 12);
  Bazi(panel);
  ASSERT_EQ(chart_.termShift, -1);
  ASSERT_EQ(birth_.lunarMonthText, "1");
  const std::string detailed = Lines()[IndexOf("你的骨重为：")];
  // 甲子 1两2钱 + 正月 6钱 + 初三 8钱 + 午时 1两 = 3两6钱
  EXPECT_EQ(detailed, "你的骨重为：3两6钱");
  Info(BirthInfoMode::BoneWeight, panel);
  EXPECT_EQ(Lines()[IndexOf("你的骨重为：")], detailed);
  // Later the same day too.
  Bazi(PanelFor("1984-2-4", 23, 30));
  EXPECT_EQ(Lines()[IndexOf("你的骨重为：")],
            BoneWeightLine(store_, "1984", "1", "3", "23", BoneWeightMode::Weight));
}

TEST_F(BaziReading, BirthInfoFamilyTails) {
  const Panel panel = PanelFor("1980-1-1", 10, 30);
  auto info = Info(BirthInfoMode::BirthInfo, panel);
  EXPECT_FALSE(info.scrollToTop);
  EXPECT_EQ(Lines()[2], "生日（公历）：1980年01月01日10点");
  EXPECT_EQ(Lines()[4], "生日（农历）：己未(羊年)十一月十四巳时");
  EXPECT_EQ(Lines().back(), "--以上内容紧着参考---------------------------------------------");
  EXPECT_EQ(IndexOf("流年流月"), std::string::npos);
  EXPECT_EQ(IndexOf("性格简评"), std::string::npos);
  EXPECT_EQ(IndexOf("你的骨重为"), std::string::npos);
  // A 子 month: winter, whatever the solar month says.
  EXPECT_TRUE(text::StartsWith(Lines()[63], "四季用神：日主天干水生于冬季，"));
  EXPECT_EQ(Lines().size(), 71u);

  auto bone = Info(BirthInfoMode::BoneWeight, panel);
  EXPECT_TRUE(bone.scrollToTop);
  EXPECT_EQ(Lines()[70],
            "--【袁天罡称骨算命】--------------------------------------------------------");
  EXPECT_TRUE(text::StartsWith(Lines()[71], "你的骨重为："));
  EXPECT_TRUE(text::StartsWith(Lines()[72], "骨重诗评："));
  EXPECT_TRUE(text::StartsWith(Lines()[73], "骨重解评："));
  EXPECT_EQ(Lines().back(),
            "--以上内容紧着参考----------------------------------------------------------");

  auto blood = Info(BirthInfoMode::BloodType, panel);
  EXPECT_TRUE(blood.scrollToTop);
  EXPECT_EQ(Lines()[70],
            "--【血型论命】--------------------------------------------------------------");
  EXPECT_EQ(Lines()[71], "    " + BloodTypeLoveText("A型"));
  EXPECT_EQ(Lines().back(),
            "--以上内容紧着参考----------------------------------------------------------");
}

TEST_F(BaziReading, LeapMonthSeason) {
  // 2020-05-23 opens the leap fourth month; its month pillar is 辛巳, a summer month:
  // both readings say so.
  Bazi(PanelFor("2020-5-23"));
  ASSERT_EQ(chart_.MonthPillar().Name(), "辛巳");
  EXPECT_TRUE(text::StartsWith(Lines()[63], "用神喜忌：日主天干")) << Lines()[63];
  EXPECT_TRUE(text::Contains(Lines()[63], "生于夏季，"));
  EXPECT_TRUE(text::StartsWith(Lines()[65], "穷通宝鉴调候用神："));
  Info(BirthInfoMode::BirthInfo, PanelFor("2020-5-23"));
  EXPECT_TRUE(text::StartsWith(Lines()[63], "四季用神：日主天干")) << Lines()[63];
  EXPECT_TRUE(text::Contains(Lines()[63], "生于夏季，"));
}

// The season follows the month pillar's branch, so an 丑 month (January, before
// 立春) is winter and never spring, and 1 October (戌) is autumn.
TEST_F(BaziReading, SeasonFollowsTheMonthBranch) {
  struct Case {
    const char* date;
    const char* branch;
    const char* season;
  } cases[] = {{"1990-1-20", "丑", "冬"}, {"1990-2-10", "寅", "春"}, {"1990-10-1", "酉", "秋"},
               {"1990-10-10", "戌", "秋"}, {"1990-5-10", "巳", "夏"}, {"1990-11-10", "亥", "冬"}};
  for (const auto& c : cases) {
    Bazi(PanelFor(c.date, 12));
    EXPECT_EQ(chart_.MonthPillar().branch.Name(), c.branch) << c.date;
    const std::string line = Lines()[IndexOf("用神喜忌：日主天干")];
    EXPECT_TRUE(text::Contains(line, std::string("生于") + c.season + "季，")) << c.date << line;
    EXPECT_TRUE(text::Contains(Lines()[65], std::string("生于") + c.branch + "月，")) << c.date;
  }
}

TEST_F(BaziReading, NewDataWithoutTheBaziCommandFirst) {
  Info(BirthInfoMode::BoneWeight, PanelFor("1980-1-1"));
  const std::string first = Lines()[71];
  Info(BirthInfoMode::BoneWeight, PanelFor("1999-8-8", 16));
  EXPECT_EQ(Lines()[71], BoneWeightLine(store_, birth_.lunarYearText, birth_.lunarMonthText,
                                        birth_.lunarDayText, "16", BoneWeightMode::Weight));
  EXPECT_EQ(birth_.lunarYearText, "1999");
  EXPECT_NE(Lines()[72], "");
  (void)first;
}

// Readings with a part of the data missing.
class DamagedInstall : public ::testing::Test {
 protected:
  void SetUp() override {
    test::CopyBuiltDatabases(dir_.path());
    std::filesystem::copy(test::BinDir() / "shensha", dir_.path() / "shensha");
  }
  ReadingOutcome Bazi() {
    data::ContentStore store(dir_.path());
    return test::RunById("bazi", {store, kNowYear}, PanelFor("1980-1-1", 10, 30), birth_, chart_, out_);
  }
  test::TempDir dir_;
  BirthInput birth_;
  BaziChart chart_;
  ReportBuffer out_;
};

TEST_F(DamagedInstall, NoRuleFolderEndsAfterTheStarHeading) {
  std::filesystem::remove_all(dir_.path() / "shensha");
  auto result = Bazi();
  EXPECT_EQ(result.kind, OutcomeKind::Stopped);
  EXPECT_NE(result.kind, OutcomeKind::InputMessage);
  ASSERT_EQ(out_.Count(), 37u);
  EXPECT_EQ(out_.Lines()[35], "四柱神煞：");
  EXPECT_EQ(out_.Lines()[36], "");
}

TEST_F(DamagedInstall, NoDreamFileEndsBeforeTheBoneWeight) {
  std::filesystem::remove(dir_.path() / "dream.dll");
  auto result = Bazi();
  EXPECT_EQ(result.kind, OutcomeKind::Stopped);
  EXPECT_EQ(out_.Lines().back(), "袁天罡称骨算命：");
}

TEST_F(DamagedInstall, NoTgcodeFileLeavesEmptyPieces) {
  std::filesystem::remove(dir_.path() / "Tgcode.dll");
  auto result = Bazi();
  EXPECT_NE(result.kind, OutcomeKind::Stopped) << result.message;
  EXPECT_EQ(out_.Lines()[6], "胎元：丁卯()");
  EXPECT_EQ(out_.Lines()[10], "十神：      日元   ");
  EXPECT_EQ(out_.Lines()[15], "五行：         ");
  EXPECT_EQ(out_.Count(), 93u + 9 + 90);
}

// For random births the shipped data leaves no looked-up piece empty.
TEST(BaziReadingCompleteness, RandomBirths) {
  data::ContentStore store(test::BinDir());
  std::mt19937 rng(1901);
  std::uniform_int_distribution<int> year(1901, 2099), month(1, 12), day(1, 31), hour(0, 23),
      minute(0, 59), coin(0, 1);
  int done = 0;
  while (done < 1000) {
    Panel p = PanelFor("2000-1-1", hour(rng), minute(rng), coin(rng) ? "男" : "女", coin(rng) == 1);
    p.year = std::to_string(year(rng));
    p.month = std::to_string(month(rng));
    p.day = std::to_string(p.calendarIndex == 1 ? std::min(day(rng), 29) : day(rng));
    p.bloodType =
        std::vector<std::string>{"A型", "B型", "O型", "AB型"}[static_cast<std::size_t>(done % 4)];
    if (p.calendarIndex == 0 && !TryParseDate(p.year + "-" + p.month + "-" + p.day)) continue;
    BirthInput birth;
    BaziChart chart;
    ReportBuffer out;
    auto result = test::RunById("bazi", {store, kNowYear}, p, birth, chart, out);
    if (result.kind == OutcomeKind::InputMessage) continue;  // a lunar date that does not exist
    ++done;
    const auto& L = out.Lines();
    const std::string where = birth.solarDateText + " " + p.hour;
    ASSERT_NE(result.kind, OutcomeKind::Stopped) << where << ": " << result.message;
    EXPECT_FALSE(text::Contains(L[6], "()")) << where;
    // Three two-character ten gods.
    EXPECT_EQ(text::CharCount(L[10]), text::CharCount("十神：比肩   比肩   日元   比肩"))
        << where << L[10];
    EXPECT_EQ(text::CharCount(L[15]), text::CharCount("五行：木火   火土   金水   水水"))
        << where << L[15];
    EXPECT_EQ(text::CharCount(L[16]), text::CharCount("纳音：海中金 海中金 海中金 海中金"))
        << where << L[16];
    EXPECT_EQ(text::CharCount(L[18]), text::CharCount("纳音：") + 40) << where;
    EXPECT_EQ(text::CharCount(L[19]), text::CharCount("十神：") + 50) << where;
    std::size_t i = 0;
    while (!text::StartsWith(L[i], "穷通宝鉴调候用神：")) ++i;
    EXPECT_GT(text::CharCount(L[i]), 40u) << where;
    if (text::StartsWith(L[i - 2], "用神喜忌：")) {
      EXPECT_GT(text::CharCount(L[i - 2]), 30u) << where;
    }
    while (!text::StartsWith(L[i], "你的骨重为：")) ++i;
    EXPECT_GT(text::CharCount(L[i + 1]), 20u) << where;
    EXPECT_GT(text::CharCount(L[i + 2]), 40u) << where;
    while (!text::StartsWith(L[i], "性格简评：")) ++i;
    EXPECT_GT(text::CharCount(L[i + 1]), 40u) << where;
    EXPECT_EQ(L[L.size() - 2], "    " + BloodTypeLoveText(p.bloodType)) << where;
    EXPECT_NE(BloodTypeLoveText(p.bloodType), "请听下回分解!");
  }
}

// Three charts worked out by hand from the traditional rules in the shipped files.
TEST(SpiritStarLines, HandWorkedCharts) {
  data::ContentStore store(test::BinDir());
  struct Case {
    const char* date;
    int hour, minute;
    const char* sex;
    const char* pillars;
    std::array<const char*, 4> lines;
  } cases[] = {
      {"2000-1-1",
       0,
       0,
       "男",
       "八字：己卯   丙子   戊午   壬子",
       {"年柱：将星   桃花", "月柱：天乙贵人 桃花 红鸾 月空 飞刃 灾煞 空亡",
        "日柱：禄神 天喜 六厄 丧门 血刃 羊刃 将星 孤鸾煞",
        "时柱：天乙贵人 桃花 红鸾 月德贵人 飞刃 灾煞 空亡"}},
      {"1984-2-4",
       23,
       30,
       "男",
       "八字：甲子   丙寅   戊辰   壬子",
       {"年柱：太极贵人 将星  飞刃 将星", "月柱：禄神 驿马 孤辰 吊客 月德贵人 学堂 驿马 披麻",
        "日柱：金舆 华盖  太极贵人 红艳 华盖 日德", "时柱：太极贵人 将星 天德合 月空 飞刃 将星"}},
      {"2000-1-7",
       1,
       30,
       "女",
       "八字：己卯   丁丑   甲子   乙丑",
       {"年柱：将星  羊刃 丧门  金神", "月柱：太极贵人 飞刃 寡宿 披麻  天乙贵人   金神",
        "日柱：天乙贵人 桃花 红鸾 月空 天医 血刃 太极贵人 将星  金神",
        "时柱：太极贵人 飞刃 寡宿 披麻 天德合 月德合 天乙贵人"}},
  };
  for (const auto& c : cases) {
    BirthInput birth;
    BaziChart chart;
    ReportBuffer out;
    auto result = test::RunById("bazi", {store, kNowYear}, PanelFor(c.date, c.hour, c.minute, c.sex),
                                birth, chart, out);
    ASSERT_NE(result.kind, OutcomeKind::Stopped) << result.message;
    EXPECT_EQ(out.Lines()[11], c.pillars);
    for (std::size_t p = 0; p < 4; ++p) EXPECT_EQ(out.Lines()[37 + p], c.lines[p]) << c.date;
  }
}

}  // namespace
}  // namespace vessa
