#include <QtTest>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui/kit/message_seam.h"
#include "gui_test_support.h"

namespace vessa {
namespace {

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  int buttonCount = 0;
  bool modal = false;
};

// Shows a message without a sink and closes the real box once it is up,
// noting what it looked like.
SeenBox ShowAndClose(const std::function<void()>& show) {
  SeenBox seen;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    seen = {box->windowTitle(),         box->text(),   box->icon(), box->standardButtons(),
            int(box->buttons().size()), box->isModal()};
    box->button(QMessageBox::Ok)->click();
  });
  poll.start();
  // A box that never appears or never closes must not hang the suite.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (QWidget* stuck = QApplication::activeModalWidget()) stuck->close();
  });
  watchdog.start(5000);
  show();
  return seen;
}

class MessageSeamTest : public QObject {
  Q_OBJECT

 private slots:
  void sinkReceivesMessagesInsteadOfBoxes();
  void promptIsAModalInformationBox();
  void errorBoxCarriesTheApplicationTitle();
  void informationBoxCarriesItsOwnCaption();
};

void MessageSeamTest::sinkReceivesMessagesInsteadOfBoxes() {
  test::MessageRecorder recorder;
  ShowPrompt(QStringLiteral("姓不能为空!"));
  ShowErrorBox(QStringLiteral("'2001-2-29' is not a valid date"));
  QCOMPARE(recorder.Messages().size(), std::size_t{2});
  QCOMPARE(recorder.Messages()[0].kind, MessageKind::Prompt);
  QCOMPARE(recorder.Messages()[0].caption, QStringLiteral("提示"));
  QCOMPARE(recorder.Messages()[0].text, QStringLiteral("姓不能为空!"));
  QCOMPARE(recorder.Messages()[1].kind, MessageKind::Error);
  QCOMPARE(recorder.Messages()[1].caption, QStringLiteral("Vessa八字软件"));
}

void MessageSeamTest::promptIsAModalInformationBox() {
  const SeenBox seen = ShowAndClose([] { ShowPrompt(QStringLiteral("请检查输入数据是否出错！")); });
  QCOMPARE(seen.caption, QStringLiteral("提示"));
  QCOMPARE(seen.text, QStringLiteral("请检查输入数据是否出错！"));
  QCOMPARE(seen.icon, QMessageBox::Information);
  QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(seen.buttonCount, 1);
  QVERIFY(seen.modal);
}

void MessageSeamTest::informationBoxCarriesItsOwnCaption() {
  {
    test::MessageRecorder recorder;
    ShowInformation(QStringLiteral("投币提示"), QStringLiteral("请投第1币！"));
    QCOMPARE(recorder.Messages().size(), std::size_t{1});
    QCOMPARE(recorder.Messages()[0].kind, MessageKind::Information);
    QCOMPARE(recorder.Messages()[0].caption, QStringLiteral("投币提示"));
  }
  const SeenBox seen = ShowAndClose(
      [] { ShowInformation(QStringLiteral("投币提示"), QStringLiteral("请投第3币！")); });
  QCOMPARE(seen.caption, QStringLiteral("投币提示"));
  QCOMPARE(seen.text, QStringLiteral("请投第3币！"));
  QCOMPARE(seen.icon, QMessageBox::Information);
  QCOMPARE(seen.buttonCount, 1);
  QVERIFY(seen.modal);
}

void MessageSeamTest::errorBoxCarriesTheApplicationTitle() {
  const SeenBox seen =
      ShowAndClose([] { ShowErrorBox(QStringLiteral("'19x0' is not a valid integer value")); });
  QCOMPARE(seen.caption, QStringLiteral("Vessa八字软件"));
  QCOMPARE(seen.text, QStringLiteral("'19x0' is not a valid integer value"));
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(seen.modal);
}

}  // namespace
}  // namespace vessa

int RunMessageSeamTests(int argc, char** argv) {
  vessa::MessageSeamTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "message_seam_test.moc"

static const bool kMessageSeamRegistered =
    vessa::test::RegisterSuite("MessageSeam", RunMessageSeamTests);
