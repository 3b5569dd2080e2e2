// The folk-omen windows of the menu "占卜".
#include <QtTest>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>

#include "core/divination/omens.h"
#include "gui/divination/omen_window.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "window_driver.h"

namespace vessa {
namespace {

using test::Named;

class OmenWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void eachMenuEntryOpensItsOwnPage();
  void windowsAreModelessAndCloseForGood();
};

void OmenWindowTest::eachMenuEntryOpensItsOwnPage() {
  const std::pair<const char*, const char*> topics[] = {
      {"打喷嚏占卜", "打喷嚏占卜吉凶"}, {"面热测占卜", "面热测吉凶"}, {"心惊测占卜", "心惊测吉凶"},
      {"犬吠测占卜", "犬吠测吉凶"},     {"眼跳测占卜", "眼跳测吉凶"}, {"耳热测占卜", "耳热测吉凶"},
      {"耳鸣测占卜", "耳鸣测吉凶"}};
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  for (int i = 0; i < 7; ++i) {
    const auto before = w.findChildren<TFormOnther*>();
    QVERIFY(test::Invoke(w, QString::fromUtf8(topics[i].first), test::Via::Menu));
    // No page button of the same caption.
    QVERIFY(test::Buttons(w, QString::fromUtf8(topics[i].first)).empty());
    const auto after = w.findChildren<TFormOnther*>();
    QCOMPARE(after.size(), before.size() + 1);
    TFormOnther* omen = nullptr;
    for (TFormOnther* o : after) {
      if (!before.contains(o)) omen = o;
    }
    QVERIFY(omen);
    QVERIFY(QTest::qWaitForWindowExposed(omen));
    QCOMPARE(omen->windowTitle(), QString::fromUtf8(topics[i].second));
    QCOMPARE(omen->CurrentPage(), i);
    auto* pages = Named<QStackedWidget>(*omen, "PageControl");
    auto* page = qobject_cast<QPlainTextEdit*>(pages->currentWidget());
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QVERIFY(page->isReadOnly());
    QStringList expected;
    for (const std::string& line : OmenPage(i)) expected << QString::fromStdString(line);
    QCOMPARE(page->toPlainText(), expected.join(QLatin1Char('\n')));
    // The page's tabs are never seen.
    for (QTabBar* tabs : omen->findChildren<QTabBar*>()) QVERIFY(!tabs->isVisible());
    for (int other = 0; other < pages->count(); ++other) {
      if (other != i) QVERIFY(!pages->widget(other)->isVisible());
    }
    QCOMPARE(Named<QLabel>(*omen, "DoubleHourNote")->text(),
             QStringLiteral("说明：\n子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
                            "辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
                            "申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点"));
  }
  QCOMPARE(w.findChildren<TFormOnther*>().size(), 7);
  QVERIFY(recorder.Messages().empty());
}

void OmenWindowTest::windowsAreModelessAndCloseForGood() {
  TFrmmain w;
  w.show();
  QVERIFY(test::Invoke(w, QStringLiteral("犬吠测占卜"), test::Via::Menu));
  QVERIFY(test::Invoke(w, QStringLiteral("犬吠测占卜"), test::Via::Menu));
  const auto open = w.findChildren<TFormOnther*>();
  QCOMPARE(open.size(), 2);  // a new window per command
  QPointer<TFormOnther> first = open.front();
  QCOMPARE(first->windowModality(), Qt::NonModal);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  first->close();
  QTRY_VERIFY(first.isNull());
  QCOMPARE(w.findChildren<TFormOnther*>().size(), 1);
}

}  // namespace
}  // namespace vessa

int RunOmenWindowTests(int argc, char** argv) {
  vessa::OmenWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "omen_window_test.moc"

static const bool kOmenWindowRegistered =
    vessa::test::RegisterSuite("OmenWindow", RunOmenWindowTests);
