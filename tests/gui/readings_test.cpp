#include <QtTest>

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "core/reports/three_talent_reading.h"
#include "core/reports/bazi_report.h"
#include "core/reports/name_report.h"
#include "reading_fixtures.h"
#include "test_support.h"
#include "window_driver.h"

Q_DECLARE_METATYPE(vessa::BirthInfoMode)

// The report commands of the main window: each writes the same lines as the
// core writer for the same panel, shows the pane and puts its view where a
// reader expects it.
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

// A birth away from every default, so that a field the window dropped shows.
const std::map<QString, QString> kPerson = {
    {"NameA", "张"}, {"NameB", "三"}, {"Sex", "女"},      {"Xuxing", "B型"},  {"SYear", "1990"},
    {"SMonth", "8"}, {"Sday", "15"},  {"Shour", "午 12"}, {"Fengzhong", "30"}};

ReadingEnv EnvOf(const TFrmmain& w) { return {w.Content(), QDate::currentDate().year()}; }

// What the core writes for the panel as the window holds it now.
QStringList CoreBazi(const TFrmmain& w) {
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  test::RunById("bazi", EnvOf(w), w.CurrentPanel(), birth, chart, out);
  return test::BufferLines(out);
}

QStringList CoreBirthInfo(const TFrmmain& w, BirthInfoMode mode) {
  BirthInput birth;
  BaziChart chart;
  ReportBuffer out;
  test::RunById(test::BirthInfoId(static_cast<int>(mode)), EnvOf(w), w.CurrentPanel(), birth, chart, out);
  return test::BufferLines(out);
}

QStringList CoreName(const TFrmmain& w) {
  BirthInput birth;
  if (!ReadBirthInput(w.CurrentPanel(), BirthInputKind::Name, birth).ok()) return {};
  ReportBuffer out;
  NameReport(EnvOf(w), birth, out);
  return test::BufferLines(out);
}

QStringList CoreThreeTalent(const TFrmmain& w, const char* surname, const char* given) {
  BirthInput birth;
  birth.surname = surname;
  birth.givenName = given;
  ReportBuffer out;
  ThreeTalentReading(data::Query(w.Content().MorFileConnection()), w.Content(), birth, out);
  return test::BufferLines(out);
}

const QString kShortClosing =
    QStringLiteral("--以上内容紧着参考---------------------------------------------");
const QString kLongClosing =
    QStringLiteral("--以上内容紧着参考----------------------------------------------------------");

class ReadingsTest : public QObject {
  Q_OBJECT

 private slots:
  void baziReadingFillsThePaneFromItsFirstLine_data();
  void baziReadingFillsThePaneFromItsFirstLine();
  void birthInfoFamilyWritesItsReading_data();
  void birthInfoFamilyWritesItsReading();
  void birthInfoLeavesTheViewAtTheEndOfItsReading();
  void boneWeightAsTheFirstCommandReadsThePanelAsItIs();
  void damagedInstallEndsOrThinsTheReadingWithoutABox_data();
  void damagedInstallEndsOrThinsTheReadingWithoutABox();
  void nameReadingFillsThePaneFromItsFirstLine_data();
  void nameReadingFillsThePaneFromItsFirstLine();
  void threeTalentReadsTheNamesOfTheLastRequest_data();
  void threeTalentReadsTheNamesOfTheLastRequest();
  void windowAndCommandLinePrintTheSameLines_data();
  void windowAndCommandLinePrintTheSameLines();
};

void ReadingsTest::baziReadingFillsThePaneFromItsFirstLine_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::newRow("button 八字测算") << "八字测算" << Via::Button;
  QTest::newRow("menu 八字详批") << "八字详批" << Via::Menu;
  QTest::newRow("page 八字详批") << "八字详批" << Via::Button;
}

void ReadingsTest::baziReadingFillsThePaneFromItsFirstLine() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, kPerson);

  QVERIFY(Invoke(w, caption, via));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(pane->isVisible());
  const QStringList lines = PaneLines(*pane);
  QCOMPARE(lines, CoreBazi(w));
  // 93 fixed lines (this birth has a season line) and S + 90 annual-month rows.
  QCOMPARE(lines.size(), 93 + w.Chart().luckStart + 90);
  QVERIFY(lines[0].startsWith(QStringLiteral("姓名：张三  性别：女  生肖：马")));
  QCOMPARE(lines[2], QStringLiteral("生日（公历）：1990年08月15日12点30分"));
  QVERIFY(test::ShowsFirstLine(*pane));

  // Read down to the end, then ask again: the new reading starts at its top.
  test::ScrollToEnd(*pane);
  QVERIFY(!test::ShowsFirstLine(*pane));
  QVERIFY(Invoke(w, caption, via));
  QCOMPARE(PaneLines(*pane), lines);
  QVERIFY(test::ShowsFirstLine(*pane));

  // An input message leaves the reading in the pane.
  Fill(w, {{"NameA", " "}});
  QVERIFY(Invoke(w, caption, via));
  QCOMPARE(recorder.Texts(), QStringList{"姓不能为空!"});
  QVERIFY(pane->isVisible());
  QCOMPARE(PaneLines(*pane), lines);
}

void ReadingsTest::birthInfoFamilyWritesItsReading_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::addColumn<BirthInfoMode>("mode");
  QTest::addColumn<int>("lineCount");  // lines 1-63, the season line, 65-69, the tail
  QTest::addColumn<QString>("closing");
  QTest::addColumn<bool>("toTop");
  const struct {
    const char* caption;
    BirthInfoMode mode;
    int lineCount;
    QString closing;
    bool toTop;
  } commands[] = {
      {"生辰信息", BirthInfoMode::BirthInfo, 71, kShortClosing, false},
      {"称骨算命", BirthInfoMode::BoneWeight, 76, kLongClosing, true},
      {"血型论命", BirthInfoMode::BloodType, 74, kLongClosing, true},
  };
  for (const auto& c : commands) {
    for (Via via : {Via::Menu, Via::Button}) {
      const QString where =
          via == Via::Menu ? QStringLiteral("menu 八字") : QStringLiteral("page 综合");
      QTest::newRow(qPrintable(where + QLatin1Char(' ') + QString::fromUtf8(c.caption)))
          << QString::fromUtf8(c.caption) << via << c.mode << c.lineCount << c.closing << c.toTop;
    }
  }
}

void ReadingsTest::birthInfoFamilyWritesItsReading() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  QFETCH(BirthInfoMode, mode);
  QFETCH(int, lineCount);
  QFETCH(QString, closing);
  QFETCH(bool, toTop);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, kPerson);
  // A long reading first, read down to its end.
  QVERIFY(Invoke(w, QStringLiteral("八字测算"), Via::Button));
  test::ScrollToEnd(*pane);
  QVERIFY(test::ShowsLastLine(*pane));
  QVERIFY(!test::ShowsFirstLine(*pane));

  QVERIFY(Invoke(w, caption, via));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(pane->isVisible());
  const QStringList lines = PaneLines(*pane);
  QCOMPARE(lines, CoreBirthInfo(w, mode));
  QCOMPARE(lines.size(), lineCount);
  QCOMPARE(lines.back(), closing);
  QCOMPARE(lines[2], QStringLiteral("生日（公历）：1990年08月15日12点"));
  if (toTop) {
    QVERIFY(test::ShowsFirstLine(*pane));
  } else {
    QVERIFY(test::ShowsLastLine(*pane) && !test::ShowsFirstLine(*pane));
  }
}

void ReadingsTest::birthInfoLeavesTheViewAtTheEndOfItsReading() {
  // However the view stood before, "生辰信息" is read from where its writing
  // ended: the closing line is in view, the first line is not.
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, kPerson);
  QVERIFY(Invoke(w, QStringLiteral("称骨算命"), Via::Button));
  QVERIFY(test::ShowsFirstLine(*pane));

  QVERIFY(Invoke(w, QStringLiteral("生辰信息"), Via::Button));
  QVERIFY(recorder.Messages().empty());
  QCOMPARE(PaneLines(*pane).back(), kShortClosing);
  QVERIFY(test::ShowsLastLine(*pane) && !test::ShowsFirstLine(*pane));
}

void ReadingsTest::boneWeightAsTheFirstCommandReadsThePanelAsItIs() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}, {"SYear", "1985"}, {"SMonth", "3"}, {"Sday", "5"}});
  QVERIFY(pane->isHidden());

  QVERIFY(Invoke(w, QStringLiteral("称骨算命"), Via::Button));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(pane->isVisible());
  const QStringList first = PaneLines(*pane);
  QCOMPARE(first, CoreBirthInfo(w, BirthInfoMode::BoneWeight));
  const qsizetype heading = first.indexOf(QStringLiteral(
      "--【袁天罡称骨算命】--------------------------------------------------------"));
  QVERIFY(heading > 0);
  QVERIFY(first[heading + 1].startsWith(QStringLiteral("你的骨重为：")));
  QVERIFY(test::ShowsFirstLine(*pane));

  // New birth data and no Bazi reading between: the weight of the new data.
  Fill(w, {{"SYear", "1990"}});
  QVERIFY(Invoke(w, QStringLiteral("称骨算命"), Via::Menu));
  const QStringList second = PaneLines(*pane);
  QCOMPARE(second, CoreBirthInfo(w, BirthInfoMode::BoneWeight));
  QCOMPARE(second[2], QStringLiteral("生日（公历）：1990年03月05日0点"));
  QVERIFY(second[heading + 1] != first[heading + 1]);
}

void ReadingsTest::damagedInstallEndsOrThinsTheReadingWithoutABox_data() {
  QTest::addColumn<QString>("omit");
  QTest::addColumn<QStringList>("tail");     // the last lines of the reading
  QTest::addColumn<QString>("presentLine");  // a line the reading must hold
  QTest::addColumn<int>("lineCount");
  // The status bar's line: a stopped reading says nothing there, a thinned one
  // names the file and what is missing.
  QTest::addColumn<QString>("statusLine");
  QTest::newRow("no shensha: ends after the spirit-star heading")
      << "shensha" << QStringList{"四柱神煞：", ""}
      << "始于：1980   1988   1998   2008   2018   2028   2038   2048   2058   2068" << 37
      << QString();
  // 1980-1-1 子 0 has luck start 8, so 98 annual-month rows: 69 + 4 + 98 + 4 lines
  // up to the bone-weight heading, 93 + 98 in the whole reading.
  QTest::newRow("no dream.dll: ends at the bone weight")
      << "dream.dll" << QStringList{"袁天罡称骨算命："}
      << "八字五行个数：金:占1个 0.125, 木:占0个 0, 水:占4个 0.5, 火:占1个 0.125, 土:占2个 0.25."
      << 175 << QString();
  QTest::newRow("no Tgcode.dll: empty pieces, the reading goes on")
      << "Tgcode.dll" << QStringList{} << "胎元：丁卯()" << 191
      << "数据文件 Tgcode.dll 无法读取：纳音、十神、五行、四季用神、调候用神缺失";
}

void ReadingsTest::damagedInstallEndsOrThinsTheReadingWithoutABox() {
  QFETCH(QString, omit);
  QFETCH(QStringList, tail);
  QFETCH(QString, presentLine);
  QFETCH(int, lineCount);
  QFETCH(QString, statusLine);
  QTemporaryDir install;
  QVERIFY(install.isValid());
  test::CopyInstall(install.path().toStdString(), omit.toStdString());
  TFrmmain w(nullptr, install.path().toStdString());
  QCOMPARE(QString::fromStdString(w.Content().Folder().string()), install.path());
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}});

  QVERIFY(Invoke(w, QStringLiteral("八字测算"), Via::Button));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(pane->isVisible());
  const QStringList lines = PaneLines(*pane);
  QCOMPARE(lines, CoreBazi(w));
  QVERIFY(lines.contains(presentLine));
  QCOMPARE(lines.mid(lines.size() - tail.size()), tail);
  QCOMPARE(lines.size(), lineCount);
  QVERIFY(test::ShowsFirstLine(*pane));
  QCOMPARE(w.statusBar()->currentMessage(), statusLine);

  // Scrolled down and asked again: still shown from the first line, silently.
  test::ScrollToEnd(*pane);
  QVERIFY(!test::ShowsFirstLine(*pane));
  QVERIFY(Invoke(w, QStringLiteral("八字详批"), Via::Menu));
  QVERIFY(test::ShowsFirstLine(*pane));
  QCOMPARE(PaneLines(*pane), lines);
  QVERIFY(recorder.Messages().empty());
}

void ReadingsTest::nameReadingFillsThePaneFromItsFirstLine_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::newRow("button 姓名测算") << "姓名测算" << Via::Button;
  QTest::newRow("menu 姓名详批") << "姓名详批" << Via::Menu;
  QTest::newRow("page 姓名详批") << "姓名详批" << Via::Button;
}

void ReadingsTest::nameReadingFillsThePaneFromItsFirstLine() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, kPerson);

  QVERIFY(Invoke(w, caption, via));
  QVERIFY(recorder.Messages().empty());
  QVERIFY(pane->isVisible());
  const QStringList lines = PaneLines(*pane);
  QCOMPARE(lines, CoreName(w));
  QVERIFY(lines.size() > 40);
  QVERIFY(lines[0].startsWith(QStringLiteral("张三,你今年:")));
  QVERIFY(test::ShowsFirstLine(*pane));

  test::ScrollToEnd(*pane);
  QVERIFY(!test::ShowsFirstLine(*pane));
  QVERIFY(Invoke(w, caption, via));
  QCOMPARE(PaneLines(*pane), lines);
  QVERIFY(test::ShowsFirstLine(*pane));
}

void ReadingsTest::threeTalentReadsTheNamesOfTheLastRequest_data() {
  QTest::addColumn<Via>("via");
  QTest::newRow("menu 姓名") << Via::Menu;
  QTest::newRow("page 综合") << Via::Button;
}

void ReadingsTest::threeTalentReadsTheNamesOfTheLastRequest() {
  QFETCH(Via, via);
  const QString threeTalent = QStringLiteral("三才吉凶");
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  QPlainTextEdit* pane = Pane(w);
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}});

  // The panel holds names, but no request has read them yet.
  QVERIFY(Invoke(w, threeTalent, via));
  QVERIFY(pane->isHidden());
  QVERIFY(w.Report().Empty());
  QVERIFY(recorder.Messages().empty());

  QVERIFY(Invoke(w, QStringLiteral("姓名测算"), Via::Button));
  QVERIFY(Invoke(w, threeTalent, via));
  const QStringList zhangSan = PaneLines(*pane);
  QCOMPARE(zhangSan, CoreThreeTalent(w, "张", "三"));
  QCOMPARE(zhangSan.size(), 4);
  QVERIFY(zhangSan[0].startsWith(QStringLiteral("张三,您的三才为")));
  QVERIFY(zhangSan[0].endsWith(QStringLiteral(",经系统分析如下:")));
  QCOMPARE(zhangSan[1], QString());
  QCOMPARE(zhangSan[2], QString());
  QVERIFY(zhangSan[3].startsWith(QStringLiteral("    ")));
  QVERIFY(zhangSan[3].size() > 20);

  // A new surname on the panel is not read until a request reads it.
  Fill(w, {{"NameA", "李"}});
  QVERIFY(Invoke(w, threeTalent, via));
  QCOMPARE(PaneLines(*pane), zhangSan);

  // A request that stops at the blood type has stored the names before it.
  Fill(w, {{"Xuxing", ""}});
  QVERIFY(Invoke(w, QStringLiteral("八字测算"), Via::Button));
  QCOMPARE(recorder.Texts(), QStringList{"血型不能为空!"});
  QVERIFY(Invoke(w, threeTalent, via));
  const QStringList liSan = PaneLines(*pane);
  QCOMPARE(liSan, CoreThreeTalent(w, "李", "三"));
  QVERIFY(liSan[0].startsWith(QStringLiteral("李三,您的三才为")));
  QCOMPARE(recorder.Texts(), QStringList{"血型不能为空!"});
}

void ReadingsTest::windowAndCommandLinePrintTheSameLines_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QStringList>("captions");  // pressed in turn in the window
  QTest::newRow("bazi") << "bazi" << QStringList{"八字测算"};
  QTest::newRow("birthinfo") << "birthinfo" << QStringList{"生辰信息"};
  QTest::newRow("boneweight") << "boneweight" << QStringList{"称骨算命"};
  QTest::newRow("bloodtype") << "bloodtype" << QStringList{"血型论命"};
  QTest::newRow("name") << "name" << QStringList{"姓名测算"};
  QTest::newRow("threetalent") << "threetalent" << QStringList{"姓名测算", "三才吉凶"};
}

void ReadingsTest::windowAndCommandLinePrintTheSameLines() {
  QFETCH(QString, command);
  QFETCH(QStringList, captions);
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  Fill(w, kPerson);
  for (const QString& caption : captions) QVERIFY(Invoke(w, caption, Via::Button));
  QVERIFY(recorder.Messages().empty());

  QProcess cli;
  cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vessa-cli"),
            {command, "--surname", "张", "--given", "三", "--sex", "女", "--blood", "B型", "--date",
             "1990-8-15", "--hour", "12", "--minute", "30"});
  QVERIFY(cli.waitForFinished(30000));
  QCOMPARE(cli.exitCode(), 0);
  QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), Pane(w)->toPlainText() + '\n');
}

}  // namespace
}  // namespace vessa

int RunReadingsTests(int argc, char** argv) {
  vessa::ReadingsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "readings_test.moc"

static const bool kReadingsRegistered = vessa::test::RegisterSuite("Readings", RunReadingsTests);
