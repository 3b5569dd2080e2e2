#include <QtTest>

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>

#include <map>

#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "reading_fixtures.h"
#include "window_driver.h"

// The constellation reading, its topic views and the outlook in the main window.
namespace vessa {
namespace {

using test::Invoke;
using test::Named;
using test::PaneLines;
using test::Via;

QPlainTextEdit* Pane(QWidget& w) { return Named<QPlainTextEdit>(w, "RzMemo1"); }

void Fill(QWidget& w, const std::map<QString, QString>& fields) {
  for (const auto& [name, text] : fields) {
    const QByteArray objectName = name.toLatin1();
    if (name.startsWith(QLatin1String("Name"))) {
      Named<QLineEdit>(w, objectName.constData())->setText(text);
    } else {
      Named<QComboBox>(w, objectName.constData())->setEditText(text);
    }
  }
}

const std::map<QString, QString> kTaurus = {{"NameA", "王"}, {"NameB", "小金"}, {"SYear", "1990"},
                                            {"SMonth", "5"}, {"Sday", "1"},     {"Shour", "未 14"}};

// What the core writes for the window's panel: the reading id after the
// constellation reading (the window's last request).
QStringList Core(const TFrmmain& w, std::string_view id) {
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  const ReadingEnv env{w.Content(), QDate::currentDate().year()};
  test::RunById("constellation", env, w.CurrentPanel(), birth, chart, out);
  if (id != "constellation") test::RunById(id, env, w.CurrentPanel(), birth, chart, out);
  return test::BufferLines(out);
}

struct Topic {
  const char* caption;
  const char* id;
};
constexpr Topic kTopics[] = {
    {"情商解析", "topic0"}, {"星座实力", "topic1"}, {"星座名人", "topic2"},  {"身体保健", "topic3"},
    {"五大建议", "topic4"}, {"星座缺陷", "topic6"}, {"星座运程", "outlook"},
};

class ConstellationReadingsTest : public QObject {
  Q_OBJECT

 private slots:
  void readingFromEveryCaption_data();
  void readingFromEveryCaption();
  void topicsBeforeAnyReadingDoNothing();
  void topicsShowThePersonOfTheLastRequest_data();
  void topicsShowThePersonOfTheLastRequest();
  void eqAnalysisGoesToTheTopEvenWithoutWriting();
  void windowAndCommandLinePrintTheSameLines();
};

void ConstellationReadingsTest::readingFromEveryCaption_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::newRow("button 星座测算") << "星座测算" << Via::Button;
  QTest::newRow("menu 星座详批") << "星座详批" << Via::Menu;
  QTest::newRow("page 星座详批") << "星座详批" << Via::Button;
}

void ConstellationReadingsTest::readingFromEveryCaption() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  Fill(w, kTaurus);
  QVERIFY(Pane(w)->isHidden());
  QVERIFY(Invoke(w, caption, via));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(Pane(w)->isVisible());
  const QStringList lines = PaneLines(*Pane(w));
  QCOMPARE(lines, Core(w, "constellation"));
  QCOMPARE(lines.size(), 22);
  QVERIFY(lines[0].endsWith(QStringLiteral("星座:金牛座")));
  QCOMPARE(lines[3], QStringLiteral("【情商解析】:"));
  QCOMPARE(w.Birth().constellation, "金牛座");
  QVERIFY(test::ShowsFirstLine(*Pane(w)));
  // An input message leaves the reading as it was.
  Fill(w, {{"NameB", ""}});
  QVERIFY(Invoke(w, caption, via));
  QCOMPARE(recorder.Texts(), QStringList{"名不能为空!"});
  QCOMPARE(PaneLines(*Pane(w)), lines);
}

void ConstellationReadingsTest::topicsBeforeAnyReadingDoNothing() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  Fill(w, kTaurus);
  for (const Topic& t : kTopics) {
    for (Via via : {Via::Menu, Via::Button}) {
      QVERIFY2(Invoke(w, QString::fromUtf8(t.caption), via), t.caption);
      QVERIFY2(Pane(w)->isHidden(), t.caption);
      QVERIFY(w.Report().Empty());
    }
  }
  QVERIFY(recorder.Messages().empty());
  QVERIFY(w.Birth().surname.empty());
}

void ConstellationReadingsTest::topicsShowThePersonOfTheLastRequest_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("id");
  QTest::addColumn<Via>("via");
  for (const Topic& t : kTopics) {
    for (Via via : {Via::Menu, Via::Button}) {
      QTest::newRow(
          qPrintable(QString::fromUtf8(t.caption) +
                     (via == Via::Menu ? QStringLiteral(", menu") : QStringLiteral(", page"))))
          << QString::fromUtf8(t.caption) << QString::fromLatin1(t.id) << via;
    }
  }
}

void ConstellationReadingsTest::topicsShowThePersonOfTheLastRequest() {
  QFETCH(QString, caption);
  QFETCH(QString, id);
  QFETCH(Via, via);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  Fill(w, kTaurus);
  QVERIFY(Invoke(w, QStringLiteral("星座测算"), Via::Button));
  const QStringList expected = Core(w, id.toStdString());
  // The panel changed since: the topics still show the person of the reading.
  Fill(w, {{"NameA", "李"}, {"SMonth", "12"}});
  QVERIFY(Invoke(w, caption, via));
  QVERIFY(recorder.Messages().empty());
  const QStringList lines = PaneLines(*Pane(w));
  QCOMPARE(lines, expected);
  QCOMPARE(lines.size(), 4);
  QVERIFY(lines[0].startsWith(QStringLiteral("王小金,您的星座为金牛座")));
  QVERIFY(lines[1].isEmpty() && lines[2].isEmpty());
  QVERIFY(lines[3].size() > 50);
  if (id == QStringLiteral("outlook")) {
    QVERIFY(lines[3].startsWith(QStringLiteral("    智商：110。")));
  }
}

void ConstellationReadingsTest::eqAnalysisGoesToTheTopEvenWithoutWriting() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  Fill(w, kTaurus);
  // The three-talent lookup stores the names alone: the topics have no sign.
  QVERIFY(Invoke(w, QStringLiteral("三才吉凶"), Via::Button));
  QVERIFY(w.Birth().constellation.empty());
  // A long text in the pane, read down to its end.
  for (int i = 1; i <= 200; ++i) w.Report().AddLine("第" + std::to_string(i) + "行");
  w.ShowReport();
  const QStringList lines = PaneLines(*Pane(w));
  test::ScrollToEnd(*Pane(w));
  QVERIFY(!test::ShowsFirstLine(*Pane(w)));
  QVERIFY(Invoke(w, QStringLiteral("星座实力"), Via::Menu));
  QVERIFY(!test::ShowsFirstLine(*Pane(w)));
  QVERIFY(Invoke(w, QStringLiteral("星座运程"), Via::Button));
  QVERIFY(!test::ShowsFirstLine(*Pane(w)));
  QVERIFY(Invoke(w, QStringLiteral("情商解析"), Via::Menu));
  QCOMPARE(PaneLines(*Pane(w)), lines);
  QVERIFY(test::ShowsFirstLine(*Pane(w)));
  QVERIFY(recorder.Messages().empty());

  // Before anything was written the pane is empty, and 情商解析 leaves it so.
  TFrmmain fresh;
  QVERIFY(Invoke(fresh, QStringLiteral("情商解析"), Via::Button));
  QVERIFY(Pane(fresh)->toPlainText().isEmpty());
  QVERIFY(Pane(fresh)->isHidden());
}

void ConstellationReadingsTest::windowAndCommandLinePrintTheSameLines() {
  const struct {
    const char* caption;
    QStringList command;
  } rows[] = {
      {"星座测算", {"constellation"}}, {"情商解析", {"topic", "0"}}, {"星座名人", {"topic", "2"}},
      {"星座缺陷", {"topic", "6"}},    {"星座运程", {"outlook"}},
  };
  for (const auto& r : rows) {
    TFrmmain w;
    test::MessageRecorder recorder;
    Fill(w, kTaurus);
    QVERIFY(Invoke(w, QStringLiteral("星座测算"), Via::Button));
    QVERIFY(Invoke(w, QString::fromUtf8(r.caption), Via::Menu) ||
            Invoke(w, QString::fromUtf8(r.caption), Via::Button));
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vessa-cli"),
              r.command + QStringList{"--surname", "王", "--given", "小金", "--date", "1990-5-1",
                                      "--hour", "14"});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), Pane(w)->toPlainText() + '\n');
  }
}

}  // namespace
}  // namespace vessa

int RunConstellationReadingsTests(int argc, char** argv) {
  vessa::ConstellationReadingsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "constellation_readings_test.moc"

static const bool kConstellationReadingsRegistered =
    vessa::test::RegisterSuite("ConstellationReadings", RunConstellationReadingsTests);
