// The character test "测字算命" and the Zhuge reading it starts.
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "core/divination/zhuge.h"
#include "gui/divination/zhuge_dialog.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "window_driver.h"

namespace vessa {
namespace {

using test::Named;
using test::Via;

QLineEdit* Box(QWidget& d, int n) {
  return d.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
}

QPushButton* Button(QWidget& d, const char* caption) {
  for (QPushButton* b : d.findChildren<QPushButton*>()) {
    if (b->text() == QString::fromUtf8(caption)) return b;
  }
  qFatal("no button %s", caption);
}

// Once the dialog is up, fills its boxes (typing each as an input method would
// commit it) and presses the button.
void AnswerDialog(QStringList characters, QString button) {
  auto answered = std::make_shared<bool>(false);
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [=] {
    auto* dialog = qobject_cast<TFrmcezhi*>(QApplication::activeModalWidget());
    if (!dialog || *answered) return;
    *answered = true;
    poll->stop();
    poll->deleteLater();
    for (int n = 0; n < characters.size(); ++n) Box(*dialog, n + 1)->insert(characters[n]);
    Button(*dialog, qPrintable(button))->click();
  });
  poll->start();
}

QStringList ExpectedLines(const data::ContentStore& store, const QString& joined) {
  const ThreeCharacters t = SplitThreeCharacters(joined.toStdString());
  return {
      QStringLiteral("你测算的三个字是:") + joined + QStringLiteral(" 解析如下..."), QString(),
      QStringLiteral("    ") + QString::fromStdString(ZhugeText(store, t.c1, t.c2, t.c3, false)),
      QString(),
      QStringLiteral("    ") + QString::fromStdString(ZhugeText(store, t.c1, t.c2, t.c3, true))};
}

class ZhugeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void theDialogExplainsAndHasThreeBoxes();
  void eachBoxHoldsOneChineseCharacter();
  void clearEmptiesTheBoxes();
  void castAndCloseEndTheDialog();
  void everyCaptionRunsTheReading_data();
  void everyCaptionRunsTheReading();
};

void ZhugeDialogTest::theDialogExplainsAndHasThreeBoxes() {
  TFrmcezhi d;
  QCOMPARE(d.windowTitle(), QStringLiteral("测字算命"));
  const QString intro = Named<QLabel>(d, "Introduction")->text();
  QVERIFY(
      intro.endsWith(QStringLiteral("注意：输入简体中文还是繁体中文，笔画数均按繁体笔画数计算。")));
  QVERIFY(intro.contains(QStringLiteral("诸葛")));
  bool prompt = false;
  for (QLabel* l : d.findChildren<QLabel*>())
    prompt |= l->text() == QStringLiteral("请输入你测试的三个字:");
  QVERIFY(prompt);
  for (int n = 1; n <= 3; ++n) QVERIFY(Box(d, n));
  QVERIFY(!Box(d, 4));
}

void ZhugeDialogTest::eachBoxHoldsOneChineseCharacter() {
  TFrmcezhi d;
  d.show();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QLineEdit* box = Box(d, 1);
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("ab1 "));  // ASCII keys are dropped
  QCOMPARE(box->text(), QString());
  box->insert(QStringLiteral("鸞"));
  QCOMPARE(box->text(), QStringLiteral("鸞"));
  box->insert(QStringLiteral("明"));  // a second character is refused
  QCOMPARE(box->text(), QStringLiteral("鸞"));
  QTest::keyClick(box, Qt::Key_Backspace);
  QCOMPARE(box->text(), QString());
  box->insert(QStringLiteral("😀"));  // outside GBK
  QCOMPARE(box->text(), QString());
  box->insert(QStringLiteral("张三"));  // two at once
  QCOMPARE(box->text(), QString());
  box->insert(QStringLiteral("丂"));  // GBK, with a trail byte below 127
  QCOMPARE(box->text(), QStringLiteral("丂"));
}

void ZhugeDialogTest::clearEmptiesTheBoxes() {
  TFrmcezhi d;
  Box(d, 1)->insert(QStringLiteral("大"));
  Box(d, 3)->insert(QStringLiteral("天"));
  Button(d, "清除")->click();
  for (int n = 1; n <= 3; ++n) QCOMPARE(Box(d, n)->text(), QString());
  QCOMPARE(d.JoinedCharacters(), QString());
  QVERIFY(!d.isVisible());  // the dialog goes on
}

void ZhugeDialogTest::castAndCloseEndTheDialog() {
  AnswerDialog({QStringLiteral("大"), QStringLiteral("明"), QStringLiteral("天")},
               QStringLiteral("测算"));
  QCOMPARE(AskThreeCharacters(nullptr), QStringLiteral("大明天"));
  AnswerDialog({QStringLiteral("大"), QString(), QStringLiteral("天")}, QStringLiteral("测算"));
  QCOMPARE(AskThreeCharacters(nullptr), QStringLiteral("大天"));
  AnswerDialog({QStringLiteral("大"), QStringLiteral("明"), QStringLiteral("天")},
               QStringLiteral("关闭"));
  QCOMPARE(AskThreeCharacters(nullptr), QString());
}

void ZhugeDialogTest::everyCaptionRunsTheReading_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("joined");
  const QStringList daMingTian = {QStringLiteral("大"), QStringLiteral("明"), QStringLiteral("天")};
  QTest::newRow("panel 诸葛测算") << "诸葛测算" << Via::Button << daMingTian << "测算"
                                  << "大明天";
  QTest::newRow("page 测字论命") << "测字论命" << Via::Button
                                 << QStringList{QStringLiteral("南"), QStringLiteral("春"),
                                                QStringLiteral("星")}
                                 << "测算"
                                 << "南春星";
  QTest::newRow("menu 测字论命, one character")
      << "测字论命" << Via::Menu << QStringList{QStringLiteral("大")} << "测算"
      << "大";
  QTest::newRow("page 诸葛神数, closed") << "诸葛神数 " << Via::Button << daMingTian << "关闭"
                                         << "";
  QTest::newRow("menu 诸葛神数") << "诸葛神数 " << Via::Menu
                                 << QStringList{QStringLiteral("正"), QStringLiteral("〇"),
                                                QStringLiteral("人")}
                                 << "测算"
                                 << "正〇人";
}

void ZhugeDialogTest::everyCaptionRunsTheReading() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  QFETCH(QStringList, typed);
  QFETCH(QString, button);
  QFETCH(QString, joined);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  AnswerDialog(typed, button);
  QVERIFY(test::Invoke(w, caption, via));
  auto* pane = Named<QPlainTextEdit>(w, "RzMemo1");
  QVERIFY(pane->isVisible());
  QCOMPARE(test::PaneLines(*pane), ExpectedLines(w.Content(), joined));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  if (joined.size() == 3) QVERIFY(!test::PaneLines(*pane)[2].trimmed().isEmpty());
}

}  // namespace
}  // namespace vessa

int RunZhugeDialogTests(int argc, char** argv) {
  vessa::ZhugeDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "zhuge_dialog_test.moc"

static const bool kZhugeDialogRegistered =
    vessa::test::RegisterSuite("ZhugeDialog", RunZhugeDialogTests);
