// The fingerprint window "指纹算命".
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "core/divination/fingerprint.h"
#include "gui/divination/fingerprint_window.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "test_support.h"
#include "window_driver.h"

namespace vessa {
namespace {

using test::Invoke;
using test::Named;
using test::Via;

QLineEdit* Code(TFrmzhiwen& z) { return Named<QLineEdit>(z, "CodeEdit"); }
QPlainTextEdit* Result(TFrmzhiwen& z) { return Named<QPlainTextEdit>(z, "ResultMemo"); }

void Press(QWidget& w, const char* caption) {
  QVERIFY2(Invoke(w, QString::fromUtf8(caption), Via::Button), caption);
}

class FingerprintWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFreshAndModalFromPageAndMenu();
  void theCodeBoxTakesFiveLowerCaseLetters_data();
  void theCodeBoxTakesFiveLowerCaseLetters();
  void readClearAndClose();
  void aMissingFileEmptiesTheResultSilently();
};

void FingerprintWindowTest::opensFreshAndModalFromPageAndMenu() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPointer<TFrmzhiwen> earlier;
  for (Via via : {Via::Button, Via::Menu}) {
    QVERIFY(Invoke(w, QStringLiteral("指纹论命"), via));
    QPointer<TFrmzhiwen> z = w.FingerprintWindow();
    QVERIFY(z);
    QTRY_VERIFY(earlier.isNull());
    QVERIFY(z->isVisible());
    QCOMPARE(z->windowTitle(), QStringLiteral("指纹算命"));
    QCOMPARE(z->windowModality(), Qt::ApplicationModal);
    QCOMPARE(Code(*z)->text(), QString());
    QCOMPARE(Result(*z)->toPlainText(), QString());
    const QString intro = Named<QLabel>(*z, "Introduction")->text();
    QVERIFY(intro.startsWith(QStringLiteral("据多年研究报告，人的性格是与生具来的。")));
    QVERIFY(
        intro.endsWith(QStringLiteral("测算方法：男左手，女右手。\n"
                                      "从拇指开始，斗（或叫箩）用O(不是零0），簸箕用X代表。"
                                      "输入5个指纹代码，然后\n按 测算 按钮，结果将显示在。")));
    Code(*z)->insert(QStringLiteral("oxo"));
    earlier = z;
  }
  QVERIFY(recorder.Messages().empty());
}

void FingerprintWindowTest::theCodeBoxTakesFiveLowerCaseLetters_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("held");
  QTest::newRow("five of both") << "oxxoo"
                                << "oxxoo";
  QTest::newRow("a sixth is refused") << "xxxxxo"
                                      << "xxxxx";
  QTest::newRow("upper case and zero are dropped") << "OoX0x"
                                                   << "ox";
  QTest::newRow("other letters and blanks") << "a o-b x"
                                            << "ox";
}

void FingerprintWindowTest::theCodeBoxTakesFiveLowerCaseLetters() {
  QFETCH(QString, typed);
  QFETCH(QString, held);
  data::ContentStore store(QCoreApplication::applicationDirPath().toStdString());
  TFrmzhiwen z(store);
  z.show();
  QVERIFY(QTest::qWaitForWindowExposed(&z));
  QTest::keyClicks(Code(z), typed);
  QCOMPARE(Code(z)->text(), held);
  QTest::keyClick(Code(z), Qt::Key_Backspace);
  QCOMPARE(Code(z)->text(), held.chopped(1));
}

void FingerprintWindowTest::readClearAndClose() {
  data::ContentStore store(QCoreApplication::applicationDirPath().toStdString());
  TFrmzhiwen z(store);
  z.show();
  test::MessageRecorder recorder;
  // Empty box: the empty key, no row, the heading alone.
  Press(z, "测算");
  QCOMPARE(Result(z)->toPlainText(), QStringLiteral("测算结果:"));
  for (const char* code : {"ooxxo", "x", "oxo"}) {
    Code(z)->clear();
    QTest::keyClicks(Code(z), QString::fromLatin1(code));
    Press(z, "测算");
    const std::string text = FingerprintText(store, code);
    QVERIFY(!text.empty());
    QCOMPARE(Result(z)->toPlainText(), QStringLiteral("测算结果:") + QString::fromStdString(text));
  }
  Press(z, "清除");
  QCOMPARE(Code(z)->text(), QString());
  QVERIFY(!Result(z)->toPlainText().isEmpty());  // only the code box is emptied
  Press(z, "关闭");
  QVERIFY(z.isHidden());
  QVERIFY(recorder.Messages().empty());
}

void FingerprintWindowTest::aMissingFileEmptiesTheResultSilently() {
  QTemporaryDir dir;
  test::CopyInstall(dir.path().toStdString(), "MorFile.dll");
  data::ContentStore store(dir.path().toStdString());
  TFrmzhiwen z(store);
  test::MessageRecorder recorder;
  Result(z)->setPlainText(QStringLiteral("测算结果:earlier"));
  QTest::keyClicks(Code(z), QStringLiteral("ooooo"));
  Press(z, "测算");
  QCOMPARE(Result(z)->toPlainText(), QString());
  QVERIFY(recorder.Messages().empty());
}

}  // namespace
}  // namespace vessa

int RunFingerprintWindowTests(int argc, char** argv) {
  vessa::FingerprintWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "fingerprint_window_test.moc"

static const bool kFingerprintWindowRegistered =
    vessa::test::RegisterSuite("FingerprintWindow", RunFingerprintWindowTests);
