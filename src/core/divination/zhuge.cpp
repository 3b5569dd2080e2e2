#include "core/divination/zhuge.h"

#include "core/data/scramble.h"
#include "core/data/sql_text.h"
#include "core/names/five_grids.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

namespace {

// The last decimal digit of a stroke count, 0 counted as 1: [1, 9].
int SignDigit(int strokes) {
  const int d = (strokes < 0 ? 0 : strokes) % 10;
  return d == 0 ? 1 : d;
}

}  // namespace

std::string ZhugeCodeOfStrokes(int strokes1, int strokes2, int strokes3) {
  int n = 100 * SignDigit(strokes1) + 10 * SignDigit(strokes2) + SignDigit(strokes3);  // [111, 999]
  if (n >= 768) {
    n -= 768;
  } else if (n >= 384) {
    n -= 384;
  }
  // [0, 383]
  std::string code = std::to_string(n);
  return std::string(3 - code.size(), '0') + code;
}

std::string ZhugeCodeOf(const data::ContentStore& store, std::string_view c1, std::string_view c2,
                        std::string_view c3) {
  const std::string a = text::Trim(c1), b = text::Trim(c2), c = text::Trim(c3);
  if (a.empty() || b.empty() || c.empty()) return {};
  return ZhugeCodeOfStrokes(StrokeCount(store, a), StrokeCount(store, b), StrokeCount(store, c));
}

std::string ZhugeText(const data::ContentStore& store, std::string_view c1, std::string_view c2,
                      std::string_view c3, bool wantContent) {
  const std::string code = ZhugeCodeOf(store, c1, c2, c3);
  const auto row =
      store.First(DatabaseFile::MorFile,
                  "Select top 1 title,content from zhuge where id =" + data::Quoted(code),
                  FailurePolicy::Cancel);
  if (!row) return {};
  if (!wantContent) return row->Text(std::size_t{0});
  return data::UnscrambleText(row->Text(std::size_t{1}), data::kScrambleKey, data::kScramblePasses,
                              store.BeepFunction());
}

ThreeCharacters SplitThreeCharacters(std::string_view joined) {
  return {gbk::Copy(joined, 1, 2), gbk::Copy(joined, 3, 2), gbk::Copy(joined, 5, 2)};
}

std::string ZhugeCharactersProblem(std::string_view joined) {
  if (!text::IsValidUtf8(joined)) return "输入的文字无法识别，请重新输入三个汉字。";
  const auto chars = text::Chars(joined);
  if (chars.size() > 3) return "只能输入三个汉字，每格一个。";
  for (std::string_view c : chars) {
    if (static_cast<unsigned char>(c.front()) < 0x80) {
      return "“" + std::string(c) + "”不是汉字，请在每格输入一个汉字。";
    }
    if (!gbk::IsEncodable(c) || gbk::ByteLength(c) != 2) {
      return "输入的字中有不在本软件字库（GBK）里的字，请换一个字。";
    }
  }
  return {};
}

std::string_view ZhugeIntroduction() {
  return "诸葛神数相传为三国时蜀汉丞相诸葛亮所创，民间又称“孔明神数”，历代辗转抄传，至今已有"
         "千余年。其法不用蓍草，也不摇铜钱，只请问事者静心默想所问之事，随手写下心中最先浮现的"
         "三个字，再按每个字的笔画数取其尾数，合成一个签号。全数共三百八十四签，恰合《周易》六十"
         "四卦三百八十四爻之数，每签一首签诗，附以解语，指点所问之事的吉凶进退。写字时不必刻意"
         "挑选，一念之间写出的字最能映照当下的心境。\n"
         "注意：输入简体中文还是繁体中文，笔画数均按繁体笔画数计算。";
}

}  // namespace vessa
