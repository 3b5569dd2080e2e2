// The phone, QQ, any-number and QQ pairing tests of the number windows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/data/content_store.h"
#include "core/data/sql_text.h"
#include "core/numbers/number81.h"
#include "core/numbers/phone_test.h"
#include "core/numbers/qq_tests.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "test_support.h"

namespace vessa {
namespace {

using data::ContentStore;

std::string Value(const TestResult& r, std::string_view key) {
  for (const ResultField& f : r.fields) {
    if (f.key == key) return f.value;
  }
  ADD_FAILURE() << "no field " << key;
  return {};
}

TEST(PhoneRemainder, LastFourDigitsByEighty) {
  const struct {
    const char* number;
    const char* remainder;
  } cases[] = {
      {"13812345678", "78"},
      {"13900000080", "0"},
      {"13900000000", "0"},
      {"13900000001", "1"},
      {"13900000079", "79"},
      {"13900009999", "79"},
      {"13900000160", "0"},
      {"13900000081", "1"},
      // An eight-digit entry reads its last digit alone.
      {"12345678", "8"},
      {"1234567890", "10"},
  };
  for (const auto& c : cases) EXPECT_EQ(PhoneRemainder(c.number), c.remainder) << c.number;
}

TEST(PhoneRemainder, NoTailOrNoDigitsIsAConversionError) {
  for (const char* n :
       {"1234567", "1", "1380013800a", "ABCDEFGHIJK", "138 0013 80", "-1234567890"}) {
    EXPECT_THROW(PhoneRemainder(n), ConversionError) << n;
  }
}

TEST(PhoneTest, EveryRemainderHasItsRowWithTheShippedData) {
  ContentStore store(test::BinDir());
  for (int r = 0; r < 80; ++r) {
    const std::string number = "1390000" + std::string(r < 10 ? "000" : "00") + std::to_string(r);
    const TestResult result = PhoneTest(store, number);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(Value(result, "number"), number);
    for (const char* key : {"title", "verdict", "reading"}) {
      EXPECT_FALSE(Value(result, key).empty()) << number << " " << key;
    }
    EXPECT_TRUE(Value(result, "verdict") == "吉" || Value(result, "verdict") == "凶" ||
                Value(result, "verdict") == "吉带凶" || Value(result, "verdict") == "凶带吉");
  }
  // The tail 5678 reads the row of remainder 78, whose title is the motto of number 78.
  const TestResult r = PhoneTest(store, "  13812345678 ");
  EXPECT_EQ(Value(r, "number"), "13812345678");
  EXPECT_EQ(Value(r, "title"),
            SplitNumber81Reading(Number81Reading("77")).motto);  // row 77: number 78
  EXPECT_EQ(r.fields[0].caption, "手机号码是：");
  EXPECT_EQ(r.fields[1].caption, "状态：");
  EXPECT_EQ(r.fields[2].caption, "吉凶：");
  EXPECT_EQ(r.fields[3].caption, "具体表现：");
}

TEST(PhoneTest, EmptyEditIsPrompted) {
  ContentStore store(test::BinDir());
  for (const char* edit : {"", "   "}) {
    const TestResult r = PhoneTest(store, edit);
    EXPECT_EQ(r.message, "请输入11位手机号码！");
    EXPECT_TRUE(r.fields.empty());
  }
}

class PhoneFixture : public ::testing::Test {
 protected:
  test::TempDir dir_;
  void SetUp() override {
    test::MakeDatabase(dir_.path() / "dream.dll",
                       "CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);"
                       "INSERT INTO shouji VALUES ('78', ' 标题 ', ' 吉 ', ' 内容 ');");
  }
};

TEST_F(PhoneFixture, ColumnsAreTrimmedAndAMissingRowShowsTheNumberAlone) {
  ContentStore store(dir_.path());
  const TestResult hit = PhoneTest(store, "13812345678");
  EXPECT_EQ(Value(hit, "title"), "标题");
  EXPECT_EQ(Value(hit, "verdict"), "吉");
  EXPECT_EQ(Value(hit, "reading"), "内容");
  const TestResult miss = PhoneTest(store, "13812345677");
  EXPECT_EQ(Value(miss, "number"), "13812345677");
  EXPECT_EQ(Value(miss, "title"), "");
  EXPECT_EQ(Value(miss, "verdict"), "");
  EXPECT_EQ(Value(miss, "reading"), "");
}

TEST_F(PhoneFixture, AFailedLookupEndsSilently) {
  std::filesystem::remove(dir_.path() / "dream.dll");
  ContentStore store(dir_.path());
  EXPECT_THROW(PhoneTest(store, "13812345678"), SilentAbort);
  test::MakeDatabase(dir_.path() / "dream.dll", "CREATE TABLE other (x TEXT);");
  EXPECT_THROW(PhoneTest(store, "13812345678"), SilentAbort);
}

TEST(NumberTest, QQAndAnyNumberReadThe81Table) {
  for (NumberTestKind kind : {NumberTestKind::QQ, NumberTestKind::Any}) {
    const TestResult r81 = NumberTest(kind, " 81 ");
    ASSERT_TRUE(r81.ok());
    EXPECT_EQ(Value(r81, "number"), "81");
    EXPECT_EQ(Value(r81, "motto"), "大展鸿图，信用得固，名利双收，可获成功");
    EXPECT_EQ(Value(r81, "verdict"), "吉");
    EXPECT_TRUE(text::StartsWith(Value(r81, "personality"), "主人性格类型：[做事喜好凭直觉型]"));
    EXPECT_EQ(Value(NumberTest(kind, "1"), "verdict"), "凶");
    EXPECT_EQ(Value(NumberTest(kind, "999999999999999999"), "motto"),
              SplitNumber81Reading(Number81Table()[999999999999999999ULL % 81]).motto);
    // A pasted negative number: no row, the whole fallback as the description.
    const TestResult negative = NumberTest(kind, "-5");
    EXPECT_EQ(Value(negative, "motto"), "");
    EXPECT_EQ(Value(negative, "verdict"), "");
    EXPECT_EQ(Value(negative, "personality"), "对不起,此号不在分解之类。");
    EXPECT_THROW(NumberTest(kind, "12a45"), ConversionError);
  }
  EXPECT_EQ(NumberTest(NumberTestKind::QQ, " ").message, "请输入你的QQ号码！");
  EXPECT_EQ(NumberTest(NumberTestKind::Any, "").message, "请输入你的号码！");
  EXPECT_EQ(NumberTest(NumberTestKind::QQ, "5").fields[0].caption, "qq号码是：");
  EXPECT_EQ(NumberTest(NumberTestKind::Any, "5").fields[0].caption, "输入号码是：");
}

TEST(QQPairSum, DigitSumsReducedToAHundred) {
  const struct {
    const char* own;
    const char* partner;
    int sum;
  } cases[] = {
      {"12345", "67890", 45},            // 15 + 30
      {"9999999999", "9999999999", 80},  // 180
      {"9999999999", "92000", 1},        // 90 + 11 = 101
      {"9999999999", "55000", 100},      // 100 stays
      {"9999999999", "9100000000", 100},
      {"00000", "00000", 0},
      {"9999999999", "99999", 35},  // 135
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QQPairSum(c.own, c.partner), c.sum) << c.own << " " << c.partner;
  }
  EXPECT_THROW(QQPairSum("12a45", "67890"), ConversionError);
  EXPECT_THROW(QQPairSum("12345", "６７８９０"), ConversionError);
}

TEST(QQPairing, LengthAndEmptinessChecksInOrder) {
  ContentStore store(test::BinDir());
  const struct {
    const char* own;
    const char* partner;
    const char* message;
    int focus;
  } cases[] = {
      {"", "12345", "请输入自己的QQ号码！", 0},
      {"  ", "", "请输入自己的QQ号码！", 0},
      {"1234", "12345", "请输入正确的QQ号码！", 0},
      {"12345678901", "12345", "请输入正确的QQ号码！", 0},
      {"12345", "", "请输入对方的QQ号码！", 1},
      {"12345", "1234", "请输入正确的QQ号码！", 1},
      {"1234567890", "12345678901", "请输入正确的QQ号码！", 1},
  };
  for (const auto& c : cases) {
    const TestResult r = QQPairing(store, c.own, c.partner);
    EXPECT_EQ(r.message, c.message) << c.own << " / " << c.partner;
    EXPECT_EQ(r.focus, c.focus) << c.own << " / " << c.partner;
    EXPECT_TRUE(r.fields.empty());
  }
  // Five and ten digits are both accepted.
  EXPECT_TRUE(QQPairing(store, "12345", "1234567890").ok());
}

TEST(QQPairing, EverySumHasOneTextWithTheShippedData) {
  ContentStore store(test::BinDir());
  std::set<std::string> texts;
  for (int sum = 0; sum <= 100; ++sum) {
    const std::string exact = store.Text(
        data::DatabaseFile::MorBirth,
        "select intro from QQpd where bihua = " + data::Quoted("," + std::to_string(sum) + ","), 0,
        data::FailurePolicy::Report);
    EXPECT_FALSE(exact.empty()) << sum;
    EXPECT_TRUE(texts.insert(exact).second) << sum;
    const auto rows =
        store.All(data::DatabaseFile::MorBirth,
                  "select intro from QQpd where bihua like '%," + std::to_string(sum) + ",%'",
                  data::FailurePolicy::Report);
    EXPECT_EQ(rows.size(), 1u) << sum;
  }
  // 12345 and 67890: the text of 45.
  EXPECT_EQ(QQPairingText(store, "12345", "67890"),
            store.Text(data::DatabaseFile::MorBirth, "select intro from QQpd where bihua = ',45,'",
                       0, data::FailurePolicy::Report));
  EXPECT_EQ(QQPairing(store, "9999999999", "9999999999").fields.at(0).value,
            store.Text(data::DatabaseFile::MorBirth, "select intro from QQpd where bihua = ',80,'",
                       0, data::FailurePolicy::Report));
}

TEST(QQPairing, SumsBetweenCommasAndAnUnlistedSum) {
  test::TempDir dir;
  test::MakeDatabase(dir.path() / "MorBirth.dll",
                     "CREATE TABLE QQpd (bihua TEXT, intro TEXT);"
                     "INSERT INTO QQpd VALUES (',4,45,', '四十五');"
                     "INSERT INTO QQpd VALUES (',100,', '一百');"
                     "INSERT INTO QQpd VALUES (',1,', '一');");
  ContentStore store(dir.path());
  EXPECT_EQ(QQPairingText(store, "12345", "67890"), "四十五");
  EXPECT_EQ(QQPairingText(store, "9999999999", "55000"), "一百");
  EXPECT_EQ(QQPairingText(store, "9999999999", "92000"), "一");  // 101 -> 1, not 10 or 100
  EXPECT_EQ(QQPairingText(store, "10000", "00000"), "一");
  // 5 is not listed (",45," does not hold ",5,").
  EXPECT_EQ(QQPairingText(store, "11111", "00000"), "");
  // The lookup is unguarded: a missing table is the engine's error.
  test::ExecSql(dir.path() / "MorBirth.dll", "DROP TABLE QQpd");
  EXPECT_THROW(QQPairingText(store, "12345", "67890"), ReportedError);
}

}  // namespace
}  // namespace vessa
