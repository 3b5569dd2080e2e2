// The compiled 81-number table and its reading.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "core/numbers/number81.h"
#include "core/text/errors.h"
#include "core/text/text.h"

namespace vessa {
namespace {

// The verdict and personality type of every row as the numerology's grid
// gives them (row r + k under column +k of the row beginning at r).
struct Cell {
  const char* verdict;
  int type;
};
constexpr Cell kGrid[81] = {
    {"吉", 1},     {"凶", 2},     {"吉", 3},     {"凶", 4},     {"吉", 5},
    {"吉", 6},     {"吉", 7},     {"吉", 8},     {"凶", 9},  // 0
    {"凶", 1},     {"吉", 2},     {"凶", 3},     {"吉", 4},     {"凶", 5},
    {"吉", 6},     {"吉", 7},     {"吉", 8},     {"吉", 9},  // 9
    {"凶", 1},     {"凶", 2},     {"吉", 3},     {"凶", 4},     {"吉", 5},
    {"吉", 6},     {"吉", 7},     {"凶", 9},     {"凶带吉", 1},  // 18
    {"凶", 9},     {"吉", 1},     {"凶", 2},     {"吉", 3},     {"吉", 4},
    {"吉", 5},     {"凶", 6},     {"吉", 7},     {"凶", 9},  // 27
    {"吉", 1},     {"凶带吉", 2}, {"吉", 3},     {"吉带凶", 4}, {"吉", 5},
    {"吉带凶", 6}, {"吉带凶", 7}, {"凶", 8},     {"吉", 3},  // 36
    {"凶", 4},     {"吉", 5},     {"吉", 6},     {"凶", 7},     {"吉带凶", 8},
    {"吉带凶", 9}, {"吉", 1},     {"吉带凶", 2}, {"凶", 3},  // 45
    {"吉带凶", 5}, {"凶", 6},     {"吉", 7},     {"凶带吉", 8}, {"凶", 9},
    {"凶", 1},     {"吉带凶", 2}, {"凶", 3},     {"吉", 4},  // 54
    {"凶", 5},     {"吉", 6},     {"凶", 7},     {"吉", 9},     {"吉", 6},
    {"凶", 7},     {"凶", 8},     {"吉带凶", 9}, {"凶", 1},  // 63
    {"吉", 2},     {"凶", 2},     {"吉带凶", 3}, {"凶", 4},     {"吉带凶", 5},
    {"吉带凶", 6}, {"凶", 7},     {"吉带凶", 9}, {"吉", 1},  // 72
};

constexpr const char* kLabels[10] = {"",
                                     "做事喜好凭直觉型",
                                     "独断独行/吸引人型",
                                     "热情/善变梦想家型",
                                     "自我牺牲/性格被动型",
                                     "要面包不要爱情型",
                                     "不善表达/疑心大型",
                                     "大胆行事冲动派型",
                                     "高度戒备难交心型",
                                     "好奇心旺求知欲强型"};

const std::string& Row(std::size_t r) { return Number81Table()[r]; }

TEST(Number81Table, EveryRowKeepsItsVerdictTypeAndLayout) {
  std::set<std::string> mottos;
  std::map<int, std::string> personalityOfType;
  for (std::size_t r = 0; r < 81; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    const Number81Parts parts = SplitNumber81Reading(Row(r));
    EXPECT_EQ(parts.verdict, kGrid[r].verdict);
    const std::string head =
        std::string("主人性格类型：[") + kLabels[kGrid[r].type] + "]，其具体表现为：";
    EXPECT_TRUE(text::StartsWith(parts.personality, head)) << parts.personality;
    EXPECT_GT(text::CharCount(parts.personality), text::CharCount(head) + 30);
    // One description per type, whatever row carries it.
    auto [it, fresh] = personalityOfType.emplace(kGrid[r].type, parts.personality);
    if (!fresh) {
      EXPECT_EQ(it->second, parts.personality);
    }
    // A motto of four phrases of four characters.
    const auto chars = text::Chars(parts.motto);
    ASSERT_EQ(chars.size(), 19u) << parts.motto;
    for (std::size_t i : {4u, 9u, 14u}) EXPECT_EQ(chars[i], "，");
    EXPECT_TRUE(mottos.insert(parts.motto).second) << parts.motto;
  }
  EXPECT_EQ(personalityOfType.size(), 9u);
}

TEST(Number81Table, TheQuotedRows) {
  EXPECT_EQ(
      Row(0),
      "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为："
      "有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预"
      "感做决定。");
  EXPECT_TRUE(text::StartsWith(Row(1), "根基不固，摇摇欲坠，一盛一衰，劳而无获|凶|"));
  EXPECT_TRUE(text::StartsWith(Row(26), "一成一败，一盛一衰，惟靠谨慎，可守成功|凶带吉|"));
  EXPECT_TRUE(text::StartsWith(Row(39), "一成一衰，沉浮不定，知难而退，自获天佑|吉带凶|"));
  EXPECT_TRUE(text::StartsWith(Row(80), "最极之数，还本归元，能得繁荣，发达成功|吉|"));
  // The rows carry the traditional mottos of the numbers one above them.
  EXPECT_TRUE(text::StartsWith(Row(2), "根深蒂固，蒸蒸日上，如意吉祥，百事顺遂|"));   // 3
  EXPECT_TRUE(text::StartsWith(Row(22), "旭日升天，名显四方，渐次进展，终成大业|"));  // 23
  EXPECT_TRUE(text::StartsWith(Row(31), "池中之龙，风云际会，一跃上天，成功可望|"));  // 32
}

TEST(Number81Reading, RowByRemainder) {
  const struct {
    const char* number;
    std::size_t row;
  } cases[] = {
      {"81", 0},
      {"162", 0},
      {"0", 0},
      {"80", 80},
      {"1", 1},
      {"26", 26},
      {"120", 39},
      {"+5", 5},
      {"-0", 0},
      {"000081", 0},
      // 10^9 - 1 and 10^81 - 1 are multiples of 81.
      {"999999999", 0},
      {"999999999999999999999999999999999999999999999999999999999999999999999999999999999", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Number81Reading(c.number), Row(c.row)) << c.number;
  }
}

TEST(Number81Reading, EighteenDigitsWithoutOverflow) {
  for (std::uint64_t n : {999999999999999999ULL, 123456789012345678ULL, 100000000000000000ULL,
                          918273645546372819ULL, 999999999999999998ULL}) {
    EXPECT_EQ(Number81Reading(std::to_string(n)), Row(n % 81)) << n;
  }
}

TEST(Number81Reading, NegativeNumbersHaveNoRow) {
  for (const char* n : {"-5", "-1", "-81", "-999999999999999999"}) {
    EXPECT_EQ(Number81Reading(n), kNumber81Fallback) << n;
  }
  const Number81Parts parts = SplitNumber81Reading(kNumber81Fallback);
  EXPECT_EQ(parts.motto, "");
  EXPECT_EQ(parts.verdict, "");
  EXPECT_EQ(parts.personality, "对不起,此号不在分解之类。");
}

TEST(Number81Reading, TextThatIsNoNumberIsAConversionError) {
  for (const char* n : {"", "12a", "ABC", "1 2", "-", "+", "１２", "12.5", "--5"}) {
    try {
      Number81Reading(n);
      ADD_FAILURE() << n;
    } catch (const ConversionError& e) {
      EXPECT_TRUE(text::StartsWith(e.what(), std::string("“") + n + "”不是有效的整数")) << e.what();
    }
  }
}

TEST(Number81Reading, SplitOfRow26) {
  const Number81Parts parts = SplitNumber81Reading(Number81Reading("26"));
  EXPECT_EQ(parts.motto, "一成一败，一盛一衰，惟靠谨慎，可守成功");
  EXPECT_EQ(parts.verdict, "凶带吉");
  EXPECT_TRUE(text::StartsWith(parts.personality, "主人性格类型：[做事喜好凭直觉型]"));
}

}  // namespace
}  // namespace vessa
