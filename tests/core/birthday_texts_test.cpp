#include <gtest/gtest.h>

#include <set>

#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/numbers/birthday_texts.h"

namespace vessa {
namespace {

bool HasAny(std::string_view text, std::initializer_list<std::string_view> pieces) {
  for (auto p : pieces) {
    if (text.find(p) != std::string_view::npos) return true;
  }
  return false;
}

TEST(BirthdayTexts, TellingRows) {
  EXPECT_EQ(BirthdayEntry(1),
            "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,坚定依照自己的意愿行事. "
            "具有领导能力,容易获得成功,很容易得到别人的信任.");
  EXPECT_EQ(BirthdayEntry(101),
            "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，经验会"
            "带来新的启迪，"
            "一生颇多波折，容易受骗， 应该努力学习人生较深的一面。");
  EXPECT_EQ(
      BirthdayEntry(1231),
      "具进步、果断和慷慨大方的天性。成功靠自己努力。巧于细节，做这方 面的事业或职业会非常成功。"
      "必须要有爱和了解的滋润，否则会形成自私和现实的个性。");
}

TEST(BirthdayTexts, DayTextThenDateText) {
  EXPECT_EQ(BirthdayText(1, 1), std::string(BirthdayEntry(1)) + std::string(BirthdayEntry(101)));
  EXPECT_EQ(BirthdayText(1, 31), std::string(BirthdayEntry(31)));  // 01-31 has no date text
  EXPECT_EQ(BirthdayText(2, 29), std::string(BirthdayEntry(29)) + std::string(BirthdayEntry(229)));
  EXPECT_FALSE(BirthdayEntry(229).empty());
  EXPECT_EQ(BirthdayEntry(131), "");
  EXPECT_EQ(BirthdayEntry(0), "");
  EXPECT_EQ(BirthdayEntry(2000), "");
}

TEST(BirthdayTexts, EveryEntryHasItsShape) {
  std::set<std::string> seen;
  int days = 0, dates = 0;
  for (int key = 0; key <= 2000; ++key) {
    const std::string text(BirthdayEntry(key));
    if (text.empty()) continue;
    EXPECT_TRUE(seen.insert(text).second) << "repeated text at " << key;
    EXPECT_TRUE(gbk::IsEncodable(text)) << key;
    EXPECT_EQ(text.find('\n'), std::string::npos) << key;
    const std::size_t n = text::CharCount(text);
    if (key <= 31) {
      ++days;
      EXPECT_GE(n, 38u) << key;
      EXPECT_LE(n, 74u) << key;
      EXPECT_FALSE(HasAny(text, {"，", "。", "；", "！"})) << key;  // ASCII punctuation
    } else {
      ++dates;
      EXPECT_GE(n, 32u) << key;
      EXPECT_LE(n, 122u) << key;
      EXPECT_FALSE(HasAny(text, {",", ".", ";", "!", "?"})) << key;  // full-width punctuation
      const int month = key / 100, day = key % 100;
      EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31) << key;
    }
  }
  EXPECT_EQ(days, 31);
  EXPECT_EQ(dates, 365);
}

TEST(BloodTypeTexts, KeysAndOpenings) {
  const std::pair<const char*, const char*> openings[] = {
      {"A型", "内心单纯，只是由于天性谨慎才刻意掩饰着自己的热情。"},
      {"B型", "在恋爱方面有独特的一套，即当与心仪的人相见的一瞬，魅力会自然而然的发挥出来。"},
      {"O型", "热情，富有浪漫气息，大方爽朗的个性很容易受到异性的欢迎！"},
      {"AB型", "既幻想浪漫又理性现实，自尊心极强，所以容易害怕受伤。"},
  };
  std::set<std::string> seen;
  for (auto [key, opening] : openings) {
    const std::string text = BloodTypeLoveText(key);
    EXPECT_EQ(text.rfind(opening, 0), 0u) << key;
    EXPECT_EQ(text::CharCount(text), 148u) << key;
    EXPECT_TRUE(gbk::IsEncodable(text));
    EXPECT_TRUE(seen.insert(text).second);
  }
  EXPECT_EQ(BloodTypeLoveText("ab型"), BloodTypeLoveText("AB型"));
  EXPECT_EQ(BloodTypeLoveText("o型"), BloodTypeLoveText("O型"));
  EXPECT_EQ(BloodTypeLoveText(""), "请听下回分解!");
  EXPECT_EQ(BloodTypeLoveText("Ab型"), "请听下回分解!");
  EXPECT_EQ(BloodTypeLoveText("A"), "请听下回分解!");
}

}  // namespace
}  // namespace vessa
