#include "core/numbers/nickname.h"

#include <array>
#include <exception>

#include "core/numbers/pinyin_table.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa {
namespace {

bool IsAsciiLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

// Row 0xA2, trail 0xA1 and above: the number each run of numbered symbols shows.
std::string NumberedSymbol(unsigned char trail) {
  struct Run {
    unsigned char first;
    int count;
  };
  static constexpr Run kRuns[] = {
      {0xA1, 10},  // ⅰ-ⅹ
      {0xB1, 20},  // ⒈-⒛
      {0xC5, 20},  // ⑴-⒇
      {0xD9, 10},  // ①-⑩
      {0xE5, 10},  // ㈠-㈩
      {0xF1, 12},  // Ⅰ-Ⅻ
  };
  for (const Run& run : kRuns) {
    if (trail >= run.first && trail < run.first + run.count) {
      return std::to_string(trail - run.first + 1);
    }
  }
  return {};  // an unassigned place of the row
}

// Row 0xA6: the 24 capitals at 0xA1-0xB8 and the small letters at 0xC1-0xD8.
std::string GreekLetter(unsigned char trail) {
  static constexpr std::array<std::string_view, 24> kLatin = {
      "A", "B", "G", "D", "E", "Z", "E", "TH", "I",  "K",  "L",  "M",
      "N", "X", "O", "P", "R", "S", "T", "U",  "PH", "KH", "PS", "O"};
  if (trail >= 0xA1 && trail <= 0xB8) return std::string(kLatin[trail - 0xA1u]);
  if (trail >= 0xC1 && trail <= 0xD8) return std::string(kLatin[trail - 0xC1u]);
  return "?";
}

std::string Piece(unsigned char lead, unsigned char trail) {
  switch (lead) {
    case 0xA2:
      return trail < 0xA1 ? "?" : NumberedSymbol(trail);
    case 0xA3: {
      const auto ascii = static_cast<unsigned char>(trail - 0x80);
      return trail >= 0x80 && IsAsciiLetterOrDigit(ascii) ? std::string(1, static_cast<char>(ascii))
                                                          : std::string();
    }
    case 0xA6:
      return GreekLetter(trail);
    default: {
      const std::string_view syllable = PinyinSyllable(lead, trail);
      return syllable.empty() ? "?"
                              : std::string(1, Upper(static_cast<unsigned char>(syllable[0])));
    }
  }
}

}  // namespace

std::string NicknameLetters(std::string_view gbk, std::size_t maxLength) {
  std::string out;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto c = static_cast<unsigned char>(gbk[i]);
    const bool single =
        c < 0x81 || i + 1 == gbk.size() || static_cast<unsigned char>(gbk[i + 1]) < 0x40;
    if (single) {
      if (IsAsciiLetterOrDigit(c)) out += Upper(c);
      ++i;
      continue;
    }
    out += Piece(c, static_cast<unsigned char>(gbk[i + 1]));
    i += 2;
  }
  if (out.size() > maxLength) out.resize(maxLength);
  return out;
}

std::string_view TraitByLetter(char letter) {
  static constexpr std::array<std::string_view, 26> kTraits = {
      "好奇心强，专一",
      "老实，沉默",
      "可爱，较明显的自恋",
      "温柔，乖巧",
      "会拍马屁，攀关系",
      "有抱负，志气高",
      "大丈夫主义者",
      "自立，自强，可依靠",
      "有点懒惰",
      "煽情高手",
      "古怪，求新",
      "圆滑",
      "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
      "不贪图安逸，能想到别人想不到的东西",
      "勤劳肯干，活跃",
      "认为朋友和恋人是最重要的，是他们的特点",
      "超级赶时髦者，无敌扫旧派",
      "固执，略有才气",
      "心胸宽大，有深藏不露的自恋",
      "热爱青春，喜欢活力",
      "不耻下问",
      "好静，有点表里不一",
      "比较糊涂，容易感情用事",
      "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
      "乐天派呀！非同一般的乐天",
      "老实，想问题容易兜圈子",
  };
  if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
  if (letter < 'a' || letter > 'z') return {};
  return kTraits[static_cast<std::size_t>(letter - 'a')];
}

std::string NicknameTrait(std::string_view gbk) {
  if (gbk.empty()) return {};
  std::string letters = NicknameLetters(gbk, 255);
  for (char& c : letters) {
    if (c >= '1' && c <= '9') c = static_cast<char>('A' + (c - '1'));
    if (c == '0') c = 'J';
  }
  if (letters.empty()) return {};
  return std::string(TraitByLetter(letters.back()));
}

TestResult NicknameTest(std::string_view gbkEditText) {
  const std::string nickname = text::Trim(gbkEditText);
  if (nickname.empty()) return {std::string(kNicknameEmptyMessage), 0, {}};
  TestResult result;
  result.fields = {{"nickname", "你的网名：", gbk::ToUtf8(nickname)}};
  try {
    result.fields.push_back({"trait", "你的性格：", text::Trim(NicknameTrait(nickname))});
  } catch (const std::exception&) {
    // The line then carries the request to try again instead of a trait.
    result.fields.push_back({"trait", "", std::string(kNicknameFailedLine)});
  }
  return result;
}

}  // namespace vessa
