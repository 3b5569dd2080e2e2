// Coin hexagrams, the Zhuge signs, fingerprints and folk omens.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "core/data/content_store.h"
#include "core/data/scramble.h"
#include "core/divination/fingerprint.h"
#include "core/divination/hexagram.h"
#include "core/divination/omens.h"
#include "core/divination/zhuge.h"
#include "core/names/five_grids.h"
#include "core/reports/reading.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/text/tsv.h"
#include "test_support.h"

namespace vessa {
namespace {

using data::DatabaseFile;
using data::FailurePolicy;

const data::ContentStore& Store() {
  static const data::ContentStore store(test::BinDir());
  return store;
}

std::map<std::string, std::string> SourceColumn(const char* file, const char* key,
                                                const char* value) {
  const tsv::Table t = tsv::ReadFile((test::SourceDir() / "db" / file).string());
  std::map<std::string, std::string> m;
  for (const auto& row : t.rows) {
    m[row[static_cast<std::size_t>(t.Column(key))]] =
        row[static_cast<std::size_t>(t.Column(value))];
  }
  return m;
}

// ---------------------------------------------------------------- hexagrams

// The King Wen order by the hexagrams' full names, upper image first: "水雷屯" is
// 水 (坎) over 雷 (震); "乾为天" is 乾 doubled.
constexpr const char* kKingWen[64] = {
    "乾为天",   "坤为地",   "水雷屯", "山水蒙",   "水天需",   "天水讼",   "地水师",   "水地比",
    "风天小畜", "天泽履",   "地天泰", "天地否",   "天火同人", "火天大有", "地山谦",   "雷地豫",
    "泽雷随",   "山风蛊",   "地泽临", "风地观",   "火雷噬嗑", "山火贲",   "山地剥",   "地雷复",
    "天雷无妄", "山天大畜", "山雷颐", "泽风大过", "坎为水",   "离为火",   "泽山咸",   "雷风恒",
    "天山遁",   "雷天大壮", "火地晋", "地火明夷", "风火家人", "火泽睽",   "水山蹇",   "雷水解",
    "山泽损",   "风雷益",   "泽天夬", "天风姤",   "泽地萃",   "地风升",   "泽水困",   "水风井",
    "泽火革",   "火风鼎",   "震为雷", "艮为山",   "风山渐",   "雷泽归妹", "雷火丰",   "火山旅",
    "巽为风",   "兑为泽",   "风水涣", "水泽节",   "风泽中孚", "雷山小过", "水火既济", "火水未济"};

// The lines of each trigram from the bottom, 1 a whole (yang) line: 乾 ☰, 坤 ☷,
// 震 ☳ (one yang below), 艮 ☶ (one yang above), ...
std::string TrigramOfImage(std::string_view image) {
  static const std::map<std::string_view, std::string> kLines = {
      {"天", "111"}, {"乾", "111"}, {"泽", "110"}, {"兑", "110"}, {"火", "101"}, {"离", "101"},
      {"雷", "100"}, {"震", "100"}, {"风", "011"}, {"巽", "011"}, {"水", "010"}, {"坎", "010"},
      {"山", "001"}, {"艮", "001"}, {"地", "000"}, {"坤", "000"}};
  return kLines.at(image);
}

// The code of a hexagram from its name: the lower trigram's lines, then the upper's.
std::string CodeOfName(std::string_view name) {
  const auto chars = text::Chars(name);
  if (chars[1] == "为") return TrigramOfImage(chars[0]) + TrigramOfImage(chars[0]);
  return TrigramOfImage(chars[1]) + TrigramOfImage(chars[0]);
}

std::string Reversed(std::string code) {
  std::reverse(code.begin(), code.end());
  return code;
}

std::string Complement(std::string code) {
  for (char& c : code) c = c == '0' ? '1' : '0';
  return code;
}

TEST(Hexagrams, EveryPlaceOfTheKingWenOrderHasTheCodeOfItsName) {
  const data::Query q = Store().QueryOn(DatabaseFile::Tgcode);
  for (int id = 0; id < kHexagramCount; ++id) {
    const auto row = HexagramById(q, id);
    ASSERT_TRUE(row) << id;
    EXPECT_EQ(row->id, id);
    EXPECT_EQ(row->code, CodeOfName(kKingWen[id])) << kKingWen[id];
    EXPECT_TRUE(text::Contains(row->title, kKingWen[id])) << row->title;
  }
  EXPECT_EQ(HexagramById(q, 0)->code, "111111");
  EXPECT_EQ(HexagramById(q, 1)->code, "000000");
  EXPECT_FALSE(HexagramById(q, 64));
  EXPECT_FALSE(HexagramById(q, -1));
}

// King Wen pairs: the second of each pair is the first turned upside down, or,
// where that changes nothing, every line changed.
TEST(Hexagrams, KingWenPairsAreInvertedOrComplemented) {
  const data::Query q = Store().QueryOn(DatabaseFile::Tgcode);
  for (int id = 0; id < kHexagramCount; id += 2) {
    const std::string first = HexagramById(q, id)->code, second = HexagramById(q, id + 1)->code;
    const std::string expected = Reversed(first) == first ? Complement(first) : Reversed(first);
    EXPECT_EQ(second, expected) << id;
  }
}

TEST(Hexagrams, EverySixLineCodeFindsExactlyOneRow) {
  std::set<int> ids;
  for (int bits = 0; bits < 64; ++bits) {
    std::string code;
    for (int line = 0; line < 6; ++line) code += (bits >> line) & 1 ? '1' : '0';
    const auto rows =
        Store().All(DatabaseFile::Tgcode, "select ID from 64gua where GuaCode = '" + code + "'",
                    FailurePolicy::Report);
    ASSERT_EQ(rows.size(), 1u) << code;
    ids.insert(static_cast<int>(text::ToInt(rows[0].Text(std::size_t{0}))));
    const auto row = HexagramByCode(Store().QueryOn(DatabaseFile::Tgcode), code);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->code, code);
  }
  EXPECT_EQ(ids.size(), 64u);
  EXPECT_EQ(*ids.begin(), 0);
  EXPECT_EQ(*ids.rbegin(), 63);
}

TEST(Hexagrams, MalformedCodesFindNothing) {
  const data::Query q = Store().QueryOn(DatabaseFile::Tgcode);
  for (const char* code : {"", "11111", "1111111", "11111x", "222222", "' or '1'='1"}) {
    EXPECT_FALSE(IsHexagramCode(code)) << code;
    EXPECT_FALSE(HexagramByCode(q, code)) << code;
  }
  EXPECT_TRUE(IsHexagramCode("010101"));
  EXPECT_EQ(FaceOfCodeCharacter('0'), CoinFace::Front);
  EXPECT_EQ(FaceOfCodeCharacter('1'), CoinFace::Back);
  EXPECT_EQ(FaceOfCodeCharacter('7'), CoinFace::Back);
}

TEST(Hexagrams, EveryReadingHasTheJudgementTheImageAndAnExplanation) {
  const data::Query q = Store().QueryOn(DatabaseFile::Tgcode);
  std::set<std::string> explanations;
  for (int id = 0; id < kHexagramCount; ++id) {
    const auto row = HexagramById(q, id);
    ASSERT_TRUE(row);
    const auto first = row->reading.find('\n'), second = row->reading.find('\n', first + 1);
    ASSERT_NE(second, std::string::npos) << id;
    EXPECT_TRUE(text::StartsWith(row->reading, "卦辞："));
    EXPECT_TRUE(text::StartsWith(row->reading.substr(first + 1), "象曰："));
    const std::string explanation = row->reading.substr(second + 1);
    ASSERT_TRUE(text::StartsWith(explanation, "释义："));
    const std::size_t length = text::CharCount(explanation) - 3;
    EXPECT_GE(length, 150u) << id;
    EXPECT_LE(length, 300u) << id;
    EXPECT_TRUE(explanations.insert(explanation).second) << id;
  }
  // Two judgements as the classic gives them.
  EXPECT_TRUE(text::StartsWith(HexagramById(q, 0)->reading, "卦辞：乾，元亨利贞。\n"));
  EXPECT_TRUE(text::StartsWith(HexagramById(q, 63)->reading,
                               "卦辞：未济，亨。小狐汔济，濡其尾，无攸利。\n"));
}

TEST(Hexagrams, AFailingLookupIsReported) {
  test::TempDir empty;
  const data::ContentStore store(empty.path());
  EXPECT_THROW(HexagramById(store.QueryOn(DatabaseFile::Tgcode), 0), ReportedError);
  EXPECT_THROW(HexagramByCode(store.QueryOn(DatabaseFile::Tgcode), "111111"), ReportedError);
}

TEST(CoinCasts, TheAutomaticCastDrawsEveryIdAndASeedRepeatsIt) {
  std::set<int> seen;
  for (std::uint32_t seed = 0; seed < 2000 && seen.size() < 64; ++seed) {
    CastRandom random(seed);
    const int id = DrawHexagramId(random);
    ASSERT_GE(id, 0);
    ASSERT_LT(id, 64);
    seen.insert(id);
  }
  EXPECT_EQ(seen.size(), 64u);
  CastRandom a(42), b(42);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(DrawHexagramId(a), DrawHexagramId(b));
}

TEST(CoinCasts, ThrowsGiveBothFacesInFairShares) {
  CastRandom random(7);
  int backs = 0;
  for (int i = 0; i < 10000; ++i) backs += ThrowCoin(random) == CoinFace::Back;
  EXPECT_GT(backs, 4700);
  EXPECT_LT(backs, 5300);
}

// ---------------------------------------------------------------- Zhuge

TEST(Zhuge, CodeOfStrokeCounts) {
  struct Case {
    int a, b, c;
    const char* code;
  } cases[] = {
      {3, 8, 4, "000"},     // 384 - 384
      {10, 20, 30, "111"},  // digits 1, 1, 1
      {9, 9, 9, "231"},     // 999 - 768
      {5, 0, 2, "128"},     // 0 counts as 1: 512 - 384
      {3, 8, 3, "383"},     // the last code
      {7, 6, 7, "383"},     // 767 - 384
      {7, 6, 8, "000"},     // 768 - 768
      {3, 8, 5, "001"},     // one digit
      {4, 3, 0, "047"},     // two digits: 431 - 384
      {1, 1, 2, "112"},     // below 384 unchanged
      {21, 32, 43, "123"},  // only the last digit counts
  };
  for (const Case& c : cases) EXPECT_EQ(ZhugeCodeOfStrokes(c.a, c.b, c.c), c.code) << c.code;
}

// The stroke counts of the traditional forms: 大 3 明 8 天 4; 家 10 耀 20 鸞 30;
// 南 春 星 9; 正 5, 〇 not in the stroke table, 人 2.
TEST(Zhuge, CodeOfCharactersByTheirStrokes) {
  struct Case {
    const char *c1, *c2, *c3, *code;
  } cases[] = {{"大", "明", "天", "000"},    {"家", "耀", "鸞", "111"},
               {"南", "春", "星", "231"},    {"正", "〇", "人", "128"},
               {" 大 ", "明", "天 ", "000"}, {"大", "", "天", ""},
               {"大", "明", " ", ""},        {"", "", "", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(ZhugeCodeOf(Store(), c.c1, c.c2, c.c3), c.code) << c.c1 << c.c2 << c.c3;
  }
  EXPECT_EQ(StrokeCount(Store(), "〇"), 0);
}

TEST(Zhuge, AnEmptyCodeFindsNoSign) {
  EXPECT_EQ(ZhugeText(Store(), "大", "", "", false), "");
  EXPECT_EQ(ZhugeText(Store(), "大", "", "", true), "");
}

TEST(Zhuge, All384SignsHaveDistinctTitlesAndTextsThatRoundTrip) {
  const auto titles = SourceColumn("MorFile/zhuge.tsv", "id", "title");
  const auto texts = SourceColumn("MorFile/zhuge.tsv", "id", "content");
  std::set<std::string> seenTitles, seenTexts;
  for (int n = 0; n < 384; ++n) {
    char code[4];
    std::snprintf(code, sizeof code, "%03d", n);
    const auto row =
        Store().First(DatabaseFile::MorFile,
                      std::string("Select top 1 title,content from zhuge where id ='") + code + "'",
                      FailurePolicy::Report);
    ASSERT_TRUE(row) << code;
    const std::string title = row->Text(std::size_t{0});
    const std::string plain =
        data::UnscrambleText(row->Text(std::size_t{1}), data::kScrambleKey, data::kScramblePasses);
    EXPECT_FALSE(title.empty()) << code;
    EXPECT_GT(text::CharCount(plain), 40u) << code;
    EXPECT_EQ(plain, texts.at(code));
    EXPECT_EQ(title, titles.at(code));
    EXPECT_TRUE(seenTitles.insert(title).second) << code << " " << title;
    EXPECT_TRUE(seenTexts.insert(plain).second) << code;
  }
  for (const char* none : {"384", "999", "", "00", "0000"}) {
    EXPECT_FALSE(
        Store().First(DatabaseFile::MorFile,
                      std::string("Select top 1 title,content from zhuge where id ='") + none + "'",
                      FailurePolicy::Report))
        << none;
  }
}

// Every sign is a four-line verse, all lines of five or all of seven characters,
// then its reading; no verse line stands in two signs.
TEST(Zhuge, VersesAreFourLinesAndNoLineRepeats) {
  const auto texts = SourceColumn("MorFile/zhuge.tsv", "id", "content");
  std::set<std::string> lines;
  for (const auto& [code, content] : texts) {
    const auto cut = content.find("解曰：");
    ASSERT_NE(cut, std::string::npos) << code;
    std::string verse = content.substr(0, cut);
    ASSERT_TRUE(text::EndsWith(verse, "。")) << code;
    verse = verse.substr(0, verse.size() - std::string("。").size());
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
      const auto comma = verse.find("，", start);
      parts.push_back(verse.substr(start, comma == std::string::npos ? comma : comma - start));
      if (comma == std::string::npos) break;
      start = comma + std::string("，").size();
    }
    ASSERT_EQ(parts.size(), 4u) << code;
    const std::size_t length = text::CharCount(parts[0]);
    EXPECT_TRUE(length == 5 || length == 7) << code;
    for (const auto& p : parts) {
      EXPECT_EQ(text::CharCount(p), length) << code;
      EXPECT_TRUE(lines.insert(p).second) << code << " " << p;
    }
  }
}

TEST(Zhuge, TheReadingOfThePane) {
  struct Case {
    const char* answer;
    const char* code;  // "" for none
  } cases[] = {{"大明天", "000"}, {"南春星", "231"}, {"", ""}, {"大", ""}, {"大明", ""}};
  for (const Case& c : cases) {
    BirthInput birth;
    BaziChart chart;
    ReportBuffer out;
    ReadingTarget target{birth, chart, out};
    const ReadingEnv env{Store(), 2024, nullptr, {c.answer}};
    const ReadingOutcome outcome = RunReading(*FindReading("zhuge"), env, Panel{}, target);
    EXPECT_EQ(outcome.kind, OutcomeKind::Done);
    EXPECT_TRUE(outcome.paneChanged);
    std::string title, content;
    if (*c.code) {
      const auto row =
          Store().First(DatabaseFile::MorFile,
                        std::string("select title, content from zhuge where id = '") + c.code + "'",
                        FailurePolicy::Report);
      title = row->Text(std::size_t{0});
      content = data::UnscrambleText(row->Text(std::size_t{1}), data::kScrambleKey,
                                     data::kScramblePasses);
    }
    const std::vector<std::string> expected = {
        std::string("你测算的三个字是:") + c.answer + " 解析如下...", "", "    " + title, "",
        "    " + content};
    EXPECT_EQ(out.Lines(), expected) << c.answer;
  }
  const Reading& zhuge = *FindReading("zhuge");
  EXPECT_EQ(zhuge.ask, ReadingAsk::ThreeCharacters);
  EXPECT_EQ(zhuge.captions, (std::vector<std::string_view>{"诸葛测算", "测字论命", "诸葛神数 "}));
}

// Without MorFile.dll the stroke lookup cancels the reading: the first lines stay.
TEST(Zhuge, AMissingFileStopsTheReadingSilently) {
  test::TempDir empty;
  const data::ContentStore store(empty.path());
  EXPECT_THROW(ZhugeText(store, "大", "明", "天", false), SilentAbort);
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  ReadingTarget target{birth, chart, out};
  const ReadingOutcome outcome =
      RunReading(*FindReading("zhuge"), {store, 2024, nullptr, {"大明天"}}, Panel{}, target);
  EXPECT_EQ(outcome.kind, OutcomeKind::Stopped);
  EXPECT_EQ(out.Lines(), (std::vector<std::string>{"你测算的三个字是:大明天 解析如下...", ""}));
}

TEST(Zhuge, WhatTheBoxesCannotHoldIsRefusedWithAMessage) {
  for (const char* ok : {"", "大", "大明天", "〇〇〇", "龍鳳麟", "丂"}) {
    EXPECT_EQ(ZhugeCharactersProblem(ok), "") << ok;
  }
  for (const char* bad : {"abc", "大a天", "1", " ", "大明天地", "😀", "大😀天", "\xff\xfe", "€"}) {
    const std::string message = ZhugeCharactersProblem(bad);
    EXPECT_FALSE(message.empty()) << bad;
    EXPECT_TRUE(gbk::IsEncodable(message));
  }
}

TEST(Zhuge, SplittingCountsGbkBytes) {
  const ThreeCharacters t = SplitThreeCharacters("大明天");
  EXPECT_EQ(t.c1, "大");
  EXPECT_EQ(t.c2, "明");
  EXPECT_EQ(t.c3, "天");
  const ThreeCharacters two = SplitThreeCharacters("明天");
  EXPECT_EQ(two.c1, "明");
  EXPECT_EQ(two.c3, "");
  EXPECT_TRUE(text::EndsWith(std::string(ZhugeIntroduction()),
                             "注意：输入简体中文还是繁体中文，笔画数均按繁体笔画数计算。"));
}

// ---------------------------------------------------------------- fingerprints

// Every code of one to five letters, by counting in binary.
std::vector<std::string> AllFingerprintCodes() {
  std::vector<std::string> codes;
  for (int length = 1; length <= 5; ++length) {
    for (int bits = 0; bits < (1 << length); ++bits) {
      std::string code;
      for (int finger = 0; finger < length; ++finger) code += (bits >> finger) & 1 ? 'x' : 'o';
      codes.push_back(code);
    }
  }
  return codes;
}

TEST(Fingerprints, All62CodesHaveDistinctTextsThatRoundTrip) {
  const auto codes = AllFingerprintCodes();
  ASSERT_EQ(codes.size(), 62u);
  const auto source = SourceColumn("MorFile/zhiwen.tsv", "zhiwen", "content");
  EXPECT_EQ(source.size(), 62u);
  std::set<std::string> texts;
  for (const std::string& code : codes) {
    EXPECT_TRUE(IsFingerprintCode(code));
    const std::string plain = FingerprintText(Store(), code);
    EXPECT_GT(text::CharCount(plain), 60u) << code;
    EXPECT_EQ(plain, source.at(code));
    EXPECT_TRUE(texts.insert(plain).second) << code;
    EXPECT_EQ(FingerprintResult(Store(), " " + code + " "), "测算结果:" + plain);
  }
}

TEST(Fingerprints, CodesWithoutARowReadNothing) {
  for (const char* code : {"", "oooooo", "OXOXO", "0x", "o'x", "%"}) {
    EXPECT_EQ(FingerprintText(Store(), code), "") << code;
  }
  EXPECT_EQ(FingerprintResult(Store(), ""), "测算结果:");
  EXPECT_EQ(FingerprintResult(Store(), "   "), "测算结果:");
}

TEST(Fingerprints, TheBoxHoldsFiveLowerCaseLetters) {
  for (const char* ok : {"", "o", "x", "oxxox", "xxxxx"}) EXPECT_TRUE(IsFingerprintCode(ok)) << ok;
  for (const char* bad : {"oxoxox", "O", "X", "0", "o x", "oa"}) {
    EXPECT_FALSE(IsFingerprintCode(bad)) << bad;
  }
}

TEST(Fingerprints, AMissingFileCancels) {
  test::TempDir empty;
  EXPECT_THROW(FingerprintText(data::ContentStore(empty.path()), "ooooo"), SilentAbort);
}

TEST(Fingerprints, TheIntroductionExplainsWhorlsAndLoopsThenInstructs) {
  const auto lines = FingerprintIntroduction();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(text::StartsWith(lines[0], "据多年研究报告，人的性格是与生具来的。"));
  EXPECT_TRUE(text::Contains(lines[0], "斗"));
  EXPECT_TRUE(text::Contains(lines[0], "簸箕"));
  EXPECT_EQ(lines[1], "测算方法：男左手，女右手。");
  EXPECT_EQ(lines[2], "从拇指开始，斗（或叫箩）用O(不是零0），簸箕用X代表。输入5个指纹代码，然后");
  EXPECT_EQ(lines[3], "按 测算 按钮，结果将显示在。");
  for (auto line : lines) EXPECT_TRUE(gbk::IsEncodable(line));
}

// ---------------------------------------------------------------- omens

TEST(Omens, TopicsAndCaptions) {
  const std::pair<const char*, const char*> expected[] = {
      {"打喷嚏占卜", "打喷嚏占卜吉凶"}, {"面热测占卜", "面热测吉凶"}, {"心惊测占卜", "心惊测吉凶"},
      {"犬吠测占卜", "犬吠测吉凶"},     {"眼跳测占卜", "眼跳测吉凶"}, {"耳热测占卜", "耳热测吉凶"},
      {"耳鸣测占卜", "耳鸣测吉凶"}};
  for (int i = 0; i < kOmenTopicCount; ++i) {
    EXPECT_EQ(OmenTopics()[static_cast<std::size_t>(i)].menuEntry, expected[i].first);
    EXPECT_EQ(OmenTopics()[static_cast<std::size_t>(i)].caption, expected[i].second);
  }
}

TEST(Omens, PagesHaveTheirEntriesBetweenEmptyLines) {
  const auto page0 = OmenPage(0);
  ASSERT_EQ(page0.size(), 23u);
  EXPECT_EQ(page0.front(), "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。");
  EXPECT_EQ(page0.back(), "晚上11点-凌晨1点 有人欢朋宴客。");
  const char* firsts[] = {nullptr,
                          "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
                          "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
                          "子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
                          "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
                          "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
                          "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。"};
  for (int i = 1; i < kOmenTopicCount; ++i) {
    const auto page = OmenPage(i);
    ASSERT_EQ(page.size(), 11u) << i;
    EXPECT_EQ(page.front(), firsts[i]);
    for (std::size_t line = 1; line < page.size(); line += 2) EXPECT_EQ(page[line], "") << i;
  }
  EXPECT_TRUE(OmenPage(7).empty());
  EXPECT_TRUE(OmenPage(-1).empty());
}

// The pairs of double hours on each line, as the window shows them.
TEST(Omens, EachLineHoldsItsPairOfDoubleHours) {
  const char* pairs15[6][2] = {{"子", "午"}, {"丑", "未"}, {"寅", "申"},
                               {"卯", "酉"}, {"辰", "戌"}, {"巳", "亥"}};
  const char* pairs6[6][2] = {{"子", "丑"}, {"寅", "未"}, {"卯", "申"},
                              {"辰", "酉"}, {"巳", "戌"}, {"午", "亥"}};
  for (int i = 1; i < kOmenTopicCount; ++i) {
    const auto page = OmenPage(i);
    for (std::size_t e = 0; e < 6; ++e) {
      const std::string& entry = page[2 * e];
      const auto& pair = i == 6 ? pairs6[e] : pairs15[e];
      EXPECT_TRUE(text::StartsWith(entry, std::string(pair[0]) + "时：")) << i << " " << entry;
      EXPECT_TRUE(text::Contains(entry, std::string(pair[1]) + "时：")) << i << " " << entry;
    }
  }
  // Page 0: the two-hour spans in order from 1 o'clock.
  const char* spans[] = {"1 点-", "3点-", "5点-", "7点-", "9点-", "11点-",
                         "1点-",  "3点-", "5点-", "7点-", "9点-", "11点-"};
  const auto page0 = OmenPage(0);
  for (std::size_t e = 0; e < 12; ++e) {
    EXPECT_TRUE(text::Contains(page0[2 * e].substr(0, 20), spans[e])) << page0[2 * e];
  }
}

TEST(Omens, TheReadingOfAClockHour) {
  struct Case {
    int index, hour;
    const char* reading;
  } cases[] = {
      {0, 1, "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。"},
      {0, 2, "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。"},
      {0, 23, "晚上11点-凌晨1点 有人欢朋宴客。"},
      {0, 0, "晚上11点-凌晨1点 有人欢朋宴客。"},
      {1, 23, "子时：主有喜事，右主得财。"},
      {1, 0, "子时：主有喜事，右主得财。"},
      {1, 11, "午时：主有亲来，想见大吉。"},
      {1, 12, "午时：主有亲来，想见大吉。"},
      {4, 12, "午时：左主饮食，右有凶事。"},
      {5, 0, "子时：主有僧道来商量事 。"},
      {6, 1, "丑时：左主口舌，右主争讼。"},
      {6, 22, "亥时：左主吉祥，右得美食。"},
      {0, 24, ""},
      {0, -1, ""},
      {7, 3, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OmenReadingAt(c.index, c.hour), c.reading) << c.index << " " << c.hour;
}

// Each of the twelve double hours of a page has its own reading, named after it.
TEST(Omens, EveryDoubleHourHasItsOwnReading) {
  const char* branches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
  for (int i = 0; i < kOmenTopicCount; ++i) {
    std::set<std::string> readings;
    for (int b = 0; b < 12; ++b) {
      const int hour = (b * 2 + 23) % 24;  // 子 23, 丑 1, ...
      const std::string r = OmenReadingAt(i, hour);
      EXPECT_EQ(OmenReadingAt(i, (hour + 1) % 24), r);
      EXPECT_TRUE(readings.insert(r).second) << i << " " << r;
      if (i > 0) {
        EXPECT_TRUE(text::StartsWith(r, std::string(branches[b]) + "时：")) << r;
      }
      EXPECT_TRUE(gbk::IsEncodable(r));
    }
  }
  EXPECT_EQ(OmenNote()[0], "说明：");
  EXPECT_EQ(OmenNote()[3], "申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点");
}

}  // namespace
}  // namespace vessa
