// The nickname reading and the pinyin table under it.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "core/numbers/nickname.h"
#include "core/numbers/pinyin_table.h"
#include "core/text/gbk.h"

namespace vessa {
namespace {

std::string Letters(const std::string& utf8) { return NicknameLetters(gbk::FromUtf8(utf8)); }
std::string Trait(const std::string& utf8) { return NicknameTrait(gbk::FromUtf8(utf8)); }

TEST(NicknameLetters, TheWalk) {
  const struct {
    const char* nickname;
    const char* letters;
  } cases[] = {
      {"小明", "XM"},
      {"abc123", "ABC123"},
      {"Tom_", "TOM"},
      {"龙小明", "LXM"},
      {"★", "?"},
      {"★小", "?X"},
      {"、。", "??"},
      {"行长乐重的", "HZLZD"},  // hang zhang le zhong de
      {"银行", "YH"},
      {"绿女", "LN"},  // lv nv
      // Row 0xA2: the numbers the symbols show.
      {"ⅰⅹ", "110"},
      {"⒈⒛", "120"},
      {"⑴⒇", "120"},
      {"①⑩", "110"},
      {"㈠㈩", "110"},
      {"ⅠⅫ", "112"},
      // Row 0xA3: full-width letters and digits as ASCII, case kept; the rest dropped.
      {"ａＢ９！＿", "aB9"},
      // Row 0xA6: Greek letters by their Latin letters, capitals and small alike.
      {"ΑΒΓΔ", "ABGD"},
      {"ΘΦΧΨΩ", "THPHKHPSO"},
      {"θφω", "THPHO"},
      {"x Φ", "XPH"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Letters(c.nickname), c.letters) << c.nickname;
}

TEST(NicknameLetters, BytesThatAreNotCharacters) {
  using namespace std::string_literals;
  // A lead byte at the end, or before a byte below 0x40, stands alone and is dropped.
  EXPECT_EQ(NicknameLetters("ab\xB0"s), "AB");
  EXPECT_EQ(NicknameLetters("\xB0"
                            "1x"s),
            "1X");
  // Row 0xA2 below trail 0xA1, and its unassigned places.
  EXPECT_EQ(NicknameLetters("\xA2\x40"s), "?");
  EXPECT_EQ(NicknameLetters("\xA2\xAB\xA2\xE3\xA2\xFE"s), "");
  // Row 0xA6 outside the Greek letters.
  EXPECT_EQ(NicknameLetters("\xA6\xE0"s), "?");
  // Lead or trail bytes outside GBK's ranges have no reading.
  EXPECT_EQ(NicknameLetters("\xFF\xFF"s), "?");
  EXPECT_EQ(NicknameLetters("\xB0\xFF"s), "?");
  EXPECT_EQ(NicknameLetters("\x80\x80z"s), "Z");
  EXPECT_EQ(NicknameLetters("\0a\0"s), "A");
}

TEST(NicknameLetters, AnyBytesAreSafe) {
  // Every pair of bytes, then random strings: only the walk's own output comes back.
  const auto allowed = [](const std::string& s) {
    for (char c : s) {
      if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '?')) {
        return false;
      }
    }
    return true;
  };
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string s{static_cast<char>(a), static_cast<char>(b)};
      ASSERT_TRUE(allowed(NicknameLetters(s))) << a << " " << b;
      NicknameTrait(s);
    }
  }
  std::mt19937 random(12);
  for (int i = 0; i < 2000; ++i) {
    std::string s(random() % 40, '\0');
    for (char& c : s) c = static_cast<char>(random() % 256);
    ASSERT_TRUE(allowed(NicknameLetters(s)));
    NicknameTrait(s);
  }
}

TEST(NicknameLetters, CutToTheMaximumLength) {
  EXPECT_EQ(NicknameLetters(std::string(300, 'a')), std::string(255, 'A'));
  EXPECT_EQ(NicknameLetters(gbk::FromUtf8("小明小明"), 3), "XMX");
  EXPECT_EQ(NicknameLetters(gbk::FromUtf8("ΦΦ"), 3), "PHP");
}

TEST(NicknameTrait, TheLastLetterCounts) {
  const struct {
    const char* nickname;
    const char* trait;
  } cases[] = {
      {"小明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"龙小明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"abc123", "可爱，较明显的自恋"},  // ABCABC
      {"Tom_", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"user0", "煽情高手"},          // 0 -> J
      {"小③", "可爱，较明显的自恋"},  // 3 -> C
      {"Φ", "自立，自强，可依靠"},    // PH
      {"我的Ω", "勤劳肯干，活跃"},    // O
      {"★", ""},
      {"★★★", ""},
      {"ａ", "好奇心强，专一"},  // full-width small a
      {"9", "有点懒惰"},
      {"_", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Trait(c.nickname), c.trait) << c.nickname;
}

TEST(NicknameTrait, EveryLetterHasItsText) {
  EXPECT_EQ(TraitByLetter('a'), "好奇心强，专一");
  EXPECT_EQ(TraitByLetter('J'), "煽情高手");
  EXPECT_EQ(TraitByLetter('z'), "老实，想问题容易兜圈子");
  EXPECT_EQ(TraitByLetter('?'), "");
  std::set<std::string_view> seen;
  for (char c = 'a'; c <= 'z'; ++c) {
    EXPECT_FALSE(TraitByLetter(c).empty()) << c;
    EXPECT_TRUE(seen.insert(TraitByLetter(c)).second) << c;
  }
}

TEST(NicknameTest, TheTwoLines) {
  const TestResult r = NicknameTest(gbk::FromUtf8("  小明 "));
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r.fields.size(), 2u);
  EXPECT_EQ(std::string(r.fields[0].caption) + r.fields[0].value, "你的网名：小明");
  EXPECT_EQ(std::string(r.fields[1].caption) + r.fields[1].value,
            "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
  const TestResult star = NicknameTest(gbk::FromUtf8("★"));
  EXPECT_EQ(std::string(star.fields[1].caption) + star.fields[1].value, "你的性格：");
  EXPECT_EQ(NicknameTest("").message, "请输入你的网名！");
  EXPECT_EQ(NicknameTest("  ").message, "请输入你的网名！");
  // Bytes that are not GBK show as "?" in the nickname line.
  const TestResult broken = NicknameTest(std::string("a\xFF\xFF", 3));
  EXPECT_EQ(broken.fields[0].value.substr(0, 1), "a");
}

TEST(PinyinTable, EveryGb2312HanziHasALetter) {
  int count = 0;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail >= 0xFA) continue;  // unassigned in GB2312
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string letters = NicknameLetters(code);
      ASSERT_EQ(letters.size(), 1u) << std::hex << lead << trail;
      ASSERT_TRUE(letters[0] >= 'A' && letters[0] <= 'Z') << gbk::ToUtf8(code);
      ++count;
    }
  }
  EXPECT_EQ(count, 6763);
}

TEST(PinyinTable, KnownReadings) {
  const struct {
    const char* hanzi;
    const char* syllable;
  } cases[] = {
      {"行", "hang"}, {"长", "zhang"}, {"乐", "le"},   {"重", "zhong"}, {"的", "de"},
      {"小", "xiao"}, {"明", "ming"},  {"龙", "long"}, {"啊", "a"},     {"女", "nv"},
      {"亍", "chu"},  {"齄", "zha"},   {"丂", "kao"},  {"郎", "lang"},
  };
  for (const auto& c : cases) {
    const std::string code = gbk::FromUtf8(c.hanzi);
    ASSERT_EQ(code.size(), 2u);
    EXPECT_EQ(
        PinyinSyllable(static_cast<unsigned char>(code[0]), static_cast<unsigned char>(code[1])),
        c.syllable)
        << c.hanzi;
  }
  // Punctuation and symbols have no reading; neither do bytes outside GBK's ranges.
  for (const char* symbol : {"★", "、", "。", "＃"}) {
    const std::string code = gbk::FromUtf8(symbol);
    EXPECT_EQ(PinyinSyllableNumber(static_cast<unsigned char>(code[0]),
                                   static_cast<unsigned char>(code[1])),
              0)
        << symbol;
  }
  EXPECT_EQ(PinyinSyllableNumber(0x80, 0x40), 0);
  EXPECT_EQ(PinyinSyllableNumber(0xB0, 0xFF), 0);
  EXPECT_EQ(PinyinSyllableNumber(0xFF, 0xA1), 0);
  // Syllables are plain lower-case letters, each once, in order.
  const auto& syllables = PinyinSyllables();
  EXPECT_GT(syllables.size(), 400u);
  for (std::size_t i = 1; i < syllables.size(); ++i) EXPECT_LT(syllables[i - 1], syllables[i]);
}

}  // namespace
}  // namespace vessa
