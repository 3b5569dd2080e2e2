// The coin hexagram window "金钱卦": opening, throws, casts, save and print.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/divination/hexagram.h"
#include "core/text/gbk.h"
#include "gui/divination/coin_face.h"
#include "gui/divination/hexagram_window.h"
#include "gui/kit/file_seam.h"
#include "gui/shell/main_window.h"
#include "gui/kit/print_seam.h"
#include "gui_test_support.h"
#include "test_support.h"
#include "window_driver.h"

namespace vessa {
namespace {

using test::Invoke;
using test::Named;
using test::Via;

QPushButton* ThrowButton(TFrmQigua& q, int n) {
  return q.findChild<QPushButton*>(QStringLiteral("ThrowButton%1").arg(n));
}
QLabel* TitleLine(TFrmQigua& q) { return Named<QLabel>(q, "TitleLine"); }
QPlainTextEdit* Reading(TFrmQigua& q) { return Named<QPlainTextEdit>(q, "ReadingPane"); }

void Press(QWidget& w, const char* caption) {
  QVERIFY2(Invoke(w, QString::fromUtf8(caption), Via::Button), caption);
}

// A seed whose first six throws give these faces, found by trying seeds in turn.
std::uint32_t SeedThrowing(const std::string& code) {
  for (std::uint32_t seed = 0;; ++seed) {
    CastRandom random(seed);
    std::string got;
    for (int i = 0; i < 6; ++i) got += ThrowCoin(random) == CoinFace::Front ? '0' : '1';
    if (got == code) return seed;
  }
}

std::optional<HexagramRow> RowOfCode(const data::ContentStore& store, const std::string& code) {
  return HexagramByCode(store.QueryOn(data::DatabaseFile::Tgcode), code);
}

bool IsResetState(TFrmQigua& q) {
  if (TitleLine(q)->text() != QStringLiteral("未起卦") || !Reading(q)->toPlainText().isEmpty())
    return false;
  for (int n = 1; n <= 6; ++n) {
    if (q.Picture(n) || q.Digit(n) != 0) return false;
    if (Named<QLabel>(q, qPrintable(QStringLiteral("CoinSlot%1").arg(n)))->text() !=
        QStringLiteral("未投"))
      return false;
    if (ThrowButton(q, n)->isEnabled() == q.AutomaticMode()) return false;
  }
  return true;
}

QByteArray Bytes(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the save dialog with a name, noting the question.
struct SaveAnswers {
  std::vector<FileQuestion> questions;
  std::optional<SaveAnswer> next;
  SaveAnswers() {
    SetFileAnswerer([this](const FileQuestion& q) {
      questions.push_back(q);
      return next;
    });
  }
  ~SaveAnswers() { SetFileAnswerer({}); }
};

class HexagramWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFreshAndModalFromItsThreeCaptions();
  void thePageButtonOfTheSameNameDoesNothing();
  void throwModeAsksForTheLowestUnthrownCoin();
  void sixFrontsCastKun();
  void thrownCoinsLookUpTheirCode();
  void theAutomaticCastShowsTheDrawnHexagram();
  void aModeChangeOrResetStartsAgain();
  void closeHidesTheWindow();
  void saveAppendsTxtOnlyWhenMissing_data();
  void saveAppendsTxtOnlyWhenMissing();
  void saveOffersGbkAndSkipsAnEmptyReading();
  void aFailedSaveShowsAMessageAndLosesNothing();
  void printsAtOnceOnA4();
  void coinFacesAreRoundWithAHole();
  void aBrokenTableShowsTheErrorAndKeepsTheWindow();

 private:
  data::ContentStore store_{QCoreApplication::applicationDirPath().toStdString()};
};

void HexagramWindowTest::opensFreshAndModalFromItsThreeCaptions() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPointer<TFrmQigua> earlier;
  const std::pair<const char*, Via> ways[] = {
      {"每日一卦", Via::Button}, {"快速起名", Via::Button}, {"金钱卦", Via::Menu}};
  for (const auto& [caption, via] : ways) {
    if (earlier) {
      // A cast in the earlier window must not survive into the next one.
      earlier->Cast();
      QVERIFY(TitleLine(*earlier)->text() != QStringLiteral("未起卦"));
    }
    QVERIFY2(Invoke(w, QString::fromUtf8(caption), via), caption);
    QPointer<TFrmQigua> q = w.CoinHexagramWindow();
    QVERIFY2(q, caption);
    QVERIFY(q != earlier);
    QTRY_VERIFY(earlier.isNull());
    QVERIFY(q->isVisible());
    QCOMPARE(q->windowTitle(), QStringLiteral("金钱卦"));
    QCOMPARE(q->windowModality(), Qt::ApplicationModal);
    QVERIFY(q->AutomaticMode());
    QVERIFY(!Named<QRadioButton>(*q, "ThrowMode")->isChecked());
    QVERIFY(IsResetState(*q));
    for (int n = 1; n <= 6; ++n) QVERIFY(!ThrowButton(*q, n)->isEnabled());
    earlier = q;
  }
  QVERIFY(recorder.Messages().empty());
  QCOMPARE(w.findChildren<TFrmQigua*>().size(), 1);
}

void HexagramWindowTest::thePageButtonOfTheSameNameDoesNothing() {
  TFrmmain w;
  const auto buttons = test::Buttons(w, QStringLiteral("金钱卦"));
  QCOMPARE(buttons.size(), std::size_t{1});
  QVERIFY(!buttons.front()->isEnabled());
  static_cast<QPushButton*>(buttons.front())->click();
  QCOMPARE(w.CoinHexagramWindow(), nullptr);
  QVERIFY(test::MenuItems(w, QStringLiteral("金钱卦")).front()->isEnabled());
}

void HexagramWindowTest::throwModeAsksForTheLowestUnthrownCoin() {
  TFrmQigua q(store_, 1);
  q.show();
  QVERIFY(QTest::qWaitForWindowActive(&q));
  test::MessageRecorder recorder;
  Named<QRadioButton>(q, "ThrowMode")->click();
  for (int n = 1; n <= 6; ++n) QVERIFY(ThrowButton(q, n)->isEnabled());
  for (int n : {1, 2, 4}) {
    ThrowButton(q, n)->click();
    QVERIFY(!ThrowButton(q, n)->isEnabled());
    QVERIFY(q.Picture(n));
    QCOMPARE(q.Digit(n), static_cast<int>(*q.Picture(n)));
  }
  Press(q, "查看起卦");
  QCOMPARE(recorder.Messages().size(), std::size_t{1});
  QCOMPARE(recorder.Messages().front().kind, MessageKind::Information);
  QCOMPARE(recorder.Messages().front().caption, QStringLiteral("投币提示"));
  QCOMPARE(recorder.Messages().front().text, QStringLiteral("请投第3币！"));
  QTRY_VERIFY(ThrowButton(q, 3)->hasFocus());
  QCOMPARE(TitleLine(q)->text(), QStringLiteral("未起卦"));
  QVERIFY(!q.Picture(3));

  ThrowButton(q, 3)->click();
  recorder.Clear();
  Press(q, "查看起卦");
  QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("请投第5币！")});
}

void HexagramWindowTest::sixFrontsCastKun() {
  TFrmQigua q(store_, SeedThrowing("000000"));
  test::MessageRecorder recorder;
  Named<QRadioButton>(q, "ThrowMode")->click();
  for (int n = 1; n <= 6; ++n) ThrowButton(q, n)->click();
  for (int n = 1; n <= 6; ++n) QCOMPARE(q.Picture(n), std::optional(CoinFace::Front));
  Press(q, "查看起卦");
  QVERIFY(recorder.Messages().empty());
  QVERIFY(TitleLine(q)->text().contains(QStringLiteral("坤为地")));
  QVERIFY(Reading(q)->toPlainText().startsWith(QStringLiteral("卦辞：坤，元亨，利牝马之贞。")));
  // The throw buttons stay disabled until the cast starts again.
  for (int n = 1; n <= 6; ++n) QVERIFY(!ThrowButton(q, n)->isEnabled());
}

void HexagramWindowTest::thrownCoinsLookUpTheirCode() {
  for (const char* code : {"111000", "100010", "111111"}) {
    TFrmQigua q(store_, SeedThrowing(code));
    Named<QRadioButton>(q, "ThrowMode")->click();
    for (int n = 1; n <= 6; ++n) ThrowButton(q, n)->click();
    Press(q, "查看起卦");
    const auto row = RowOfCode(store_, code);
    QVERIFY(row);
    QCOMPARE(TitleLine(q)->text(), QString::fromStdString(row->title));
    QCOMPARE(Reading(q)->toPlainText(), QString::fromStdString(row->reading));
    for (int n = 1; n <= 6; ++n) QCOMPARE(q.Digit(n), code[n - 1] - '0');
  }
  // Slot 1 is the bottom line: 111000 is 乾 below and 坤 above, 地天泰.
  TFrmQigua tai(store_, SeedThrowing("111000"));
  Named<QRadioButton>(tai, "ThrowMode")->click();
  for (int n = 1; n <= 6; ++n) ThrowButton(tai, n)->click();
  Press(tai, "查看起卦");
  QVERIFY(TitleLine(tai)->text().contains(QStringLiteral("地天泰")));
}

void HexagramWindowTest::theAutomaticCastShowsTheDrawnHexagram() {
  const std::uint32_t seed = 2024;
  CastRandom expected(seed);
  TFrmQigua q(store_, seed);
  test::MessageRecorder recorder;
  for (int press = 0; press < 3; ++press) {
    Press(q, "查看起卦");
    const auto row =
        HexagramById(store_.QueryOn(data::DatabaseFile::Tgcode), DrawHexagramId(expected));
    QVERIFY(row);
    QCOMPARE(TitleLine(q)->text(), QString::fromStdString(row->title));
    QCOMPARE(Reading(q)->toPlainText(), QString::fromStdString(row->reading));
    for (int n = 1; n <= 6; ++n) {
      QCOMPARE(q.Picture(n), std::optional(FaceOfCodeCharacter(row->code[std::size_t(n - 1)])));
      QCOMPARE(q.Digit(n), 0);  // the pictures change, the digits do not
    }
  }
  QVERIFY(recorder.Messages().empty());
}

void HexagramWindowTest::aModeChangeOrResetStartsAgain() {
  TFrmQigua q(store_, 5);
  Named<QRadioButton>(q, "ThrowMode")->click();
  ThrowButton(q, 1)->click();
  ThrowButton(q, 2)->click();
  Named<QRadioButton>(q, "AutoMode")->click();
  QVERIFY(IsResetState(q));
  Press(q, "查看起卦");
  QVERIFY(TitleLine(q)->text() != QStringLiteral("未起卦"));
  Named<QRadioButton>(q, "ThrowMode")->click();
  QVERIFY(IsResetState(q));
  for (int n = 1; n <= 6; ++n) ThrowButton(q, n)->click();
  Press(q, "查看起卦");
  QVERIFY(!Reading(q)->toPlainText().isEmpty());
  Press(q, "重新起卦");
  QVERIFY(IsResetState(q));
  for (int n = 1; n <= 6; ++n) QVERIFY(ThrowButton(q, n)->isEnabled());
}

void HexagramWindowTest::closeHidesTheWindow() {
  TFrmmain w;
  w.show();
  QVERIFY(Invoke(w, QStringLiteral("每日一卦"), Via::Button));
  QPointer<TFrmQigua> q = w.CoinHexagramWindow();
  Press(*q, "关闭");
  QVERIFY(q);
  QVERIFY(q->isHidden());
  QVERIFY(Invoke(w, QStringLiteral("每日一卦"), Via::Button));
  QTRY_VERIFY(q.isNull());
  QVERIFY(w.CoinHexagramWindow()->isVisible());
}

void HexagramWindowTest::saveAppendsTxtOnlyWhenMissing_data() {
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<QString>("written");
  QTest::newRow("no extension") << "金钱卦"
                                << "金钱卦.txt";
  QTest::newRow("already .txt") << "卦象.txt"
                                << "卦象.txt";
  QTest::newRow("upper-case .TXT") << "GUA.TXT"
                                   << "GUA.TXT";
  QTest::newRow("another extension") << "卦.md"
                                     << "卦.md.txt";
}

void HexagramWindowTest::saveAppendsTxtOnlyWhenMissing() {
  QFETCH(QString, chosen);
  QFETCH(QString, written);
  QTemporaryDir dir;
  TFrmQigua q(store_, 9);
  Press(q, "查看起卦");
  SaveAnswers answers;
  answers.next = SaveAnswer{dir.filePath(chosen), TextEncoding::Utf8};
  Press(q, "保存");
  QCOMPARE(answers.questions.size(), std::size_t{1});
  const FileQuestion& asked = answers.questions.front();
  QVERIFY(asked.save);
  QCOMPARE(asked.caption, QStringLiteral("保存"));
  QCOMPARE(asked.proposed, QStringLiteral("金钱卦"));
  QVERIFY(asked.filter.contains(QStringLiteral("*.txt")));
  QVERIFY(asked.filter.contains(QStringLiteral("文本文件")));
  QVERIFY(asked.offerEncoding);
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
  const QByteArray expected =
      (Reading(q)->toPlainText().split(QLatin1Char('\n')).join(QStringLiteral("\r\n")) +
       QStringLiteral("\r\n"))
          .toUtf8();
  QCOMPARE(Bytes(dir.filePath(written)), expected);
}

void HexagramWindowTest::saveOffersGbkAndSkipsAnEmptyReading() {
  QTemporaryDir dir;
  TFrmQigua q(store_, 11);
  SaveAnswers answers;
  answers.next = SaveAnswer{dir.filePath(QStringLiteral("卦")), TextEncoding::Gbk};
  Press(q, "保存");  // nothing cast yet: nothing to save, nothing asked
  QVERIFY(answers.questions.empty());
  Press(q, "查看起卦");
  Press(q, "保存");
  const QString text = Reading(q)->toPlainText();
  QCOMPARE(Bytes(dir.filePath(QStringLiteral("卦.txt"))),
           QByteArray::fromStdString(gbk::FromUtf8(
               text.split(QLatin1Char('\n')).join(QStringLiteral("\r\n")).toStdString() + "\r\n")));
  // A cancelled dialog writes nothing.
  answers.next.reset();
  Press(q, "保存");
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void HexagramWindowTest::aFailedSaveShowsAMessageAndLosesNothing() {
  QTemporaryDir dir;
  // A regular file where a folder should be: no one can write beneath it, root neither.
  const QString plain = dir.filePath(QStringLiteral("plain"));
  {
    QFile f(plain);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("kept");
  }
  TFrmQigua q(store_, 13);
  Press(q, "查看起卦");
  const QString title = TitleLine(q)->text(), text = Reading(q)->toPlainText();
  test::MessageRecorder recorder;
  SaveAnswers answers;
  answers.next = SaveAnswer{plain + QStringLiteral("/金钱卦"), TextEncoding::Utf8};
  Press(q, "保存");
  QCOMPARE(recorder.Messages().size(), std::size_t{1});
  QCOMPARE(recorder.Messages().front().kind, MessageKind::Error);
  QVERIFY(recorder.Messages().front().text.contains(QStringLiteral("金钱卦.txt")));
  QCOMPARE(TitleLine(q)->text(), title);
  QCOMPARE(Reading(q)->toPlainText(), text);
  QCOMPARE(Bytes(plain), QByteArray("kept"));
  // The reading can still be saved elsewhere.
  answers.next = SaveAnswer{dir.filePath(QStringLiteral("金钱卦")), TextEncoding::Utf8};
  Press(q, "保存");
  QVERIFY(QFile::exists(dir.filePath(QStringLiteral("金钱卦.txt"))));
}

void HexagramWindowTest::printsAtOnceOnA4() {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("gua.pdf"));
  SetPrintToPdf(pdf);
  TFrmQigua q(store_, 17);
  Press(q, "查看起卦");
  Press(q, "打印");
  ClearPrintToPdf();
  const QByteArray bytes = Bytes(pdf);
  QVERIFY(bytes.startsWith("%PDF"));
  QVERIFY(bytes.size() > 1000);
  // A4 is 595 by 842 points (Letter would be 612 by 792).
  QVERIFY2(bytes.contains("/MediaBox [0 0 595"), bytes.left(2000).constData());
}

void HexagramWindowTest::coinFacesAreRoundWithAHole() {
  for (CoinFace face : {CoinFace::Front, CoinFace::Back}) {
    const QImage coin = CoinPixmap(face, 64).toImage();
    QCOMPARE(coin.size(), QSize(64, 64));
    QCOMPARE(qAlpha(coin.pixel(32, 32)), 0);   // the square hole
    QCOMPARE(qAlpha(coin.pixel(1, 1)), 0);     // outside the disc
    QCOMPARE(qAlpha(coin.pixel(32, 4)), 255);  // the rim
    QCOMPARE(qAlpha(coin.pixel(4, 32)), 255);
  }
  QVERIFY(CoinPixmap(CoinFace::Front, 64).toImage() != CoinPixmap(CoinFace::Back, 64).toImage());
}

void HexagramWindowTest::aBrokenTableShowsTheErrorAndKeepsTheWindow() {
  QTemporaryDir dir;
  test::CopyInstall(dir.path().toStdString(), "Tgcode.dll");
  const data::ContentStore store(dir.path().toStdString());
  TFrmQigua q(store, 3);
  test::MessageRecorder recorder;
  Press(q, "查看起卦");
  QCOMPARE(recorder.Messages().size(), std::size_t{1});
  QCOMPARE(recorder.Messages().front().kind, MessageKind::Error);
  QVERIFY(IsResetState(q));
}

}  // namespace
}  // namespace vessa

int RunHexagramWindowTests(int argc, char** argv) {
  vessa::HexagramWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "hexagram_window_test.moc"

static const bool kHexagramWindowRegistered =
    vessa::test::RegisterSuite("HexagramWindow", RunHexagramWindowTests);
