#include <QtTest>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "core/almanac/almanac_rules.h"
#include "core/almanac/huangdao_lookup.h"
#include "core/text/date_text.h"
#include "gui/almanac/huangdao_window.h"
#include "gui/shell/main_window.h"
#include "gui/kit/qt_text.h"
#include "gui_test_support.h"
#include "test_support.h"
#include "window_driver.h"

// The almanac window "黄道吉日": opened from the main window, the four prompts, the
// lookup of the typed day, the glossary and the search for good days.
namespace vessa {
namespace {

using test::Named;
using test::Via;

// time136.com prints for 2023-12-30: 农历冬月十八, 癸卯年甲子月壬戌日, 仓库栖外东南,
// 冲龙（丙辰）煞北.
const QDate kToday(2023, 12, 30);

QComboBox* Year(QWidget& w) { return Named<QComboBox>(w, "YearBox"); }
QComboBox* Month(QWidget& w) { return Named<QComboBox>(w, "MonthBox"); }
QComboBox* Day(QWidget& w) { return Named<QComboBox>(w, "DayBox"); }
QLabel* DayLine(QWidget& w) { return Named<QLabel>(w, "DayLine"); }
QPlainTextEdit* Result(QWidget& w) { return Named<QPlainTextEdit>(w, "ResultMemo"); }
QPlainTextEdit* Glossary(QWidget& w) { return Named<QPlainTextEdit>(w, "GlossaryMemo"); }
QPlainTextEdit* Found(QWidget& w) { return Named<QPlainTextEdit>(w, "SearchResult"); }

void Type(QWidget& w, const QString& year, const QString& month, const QString& day) {
  Year(w)->setCurrentText(year);
  Month(w)->setCurrentText(month);
  Day(w)->setCurrentText(day);
}

void Press(QWidget& w, const char* caption) {
  const std::vector<QWidget*> buttons = test::Buttons(w, QString::fromUtf8(caption));
  QVERIFY2(buttons.size() == 1, caption);
  static_cast<QPushButton*>(buttons.front())->click();
}

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// An almanac window on a store, shown, with a recorder for its messages.
struct Fixture {
  test::MessageRecorder recorder;
  data::ContentStore store;
  QPointer<TFormHuangdao> window;

  explicit Fixture(std::filesystem::path folder = test::BinDir(), QDate today = kToday)
      : store(std::move(folder)), window(new TFormHuangdao(store, today)) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) qFatal("the almanac window was not shown");
  }
  ~Fixture() { delete window.data(); }
  TFormHuangdao& W() { return *window; }
};

class HuangdaoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensModelessOnTodayFromEachCommand_data();
  void opensModelessOnTodayFromEachCommand();
  void listsAndSeventeenLines();
  void typedBoxes_data();
  void typedBoxes();
  void dayMissingFromTheTableKeepsTheWindow();
  void missingFileShowsTheErrorBox();
  void glossaryHoldsItsThirtyFourLines();
  void searchListsTheGoodDays();
  void searchSaysWhenNothingIsFound();
  void closingDeletesTheWindow();
};

void HuangdaoWindowTest::opensModelessOnTodayFromEachCommand_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::newRow("panel button 本日黄历") << QStringLiteral("本日黄历") << Via::Button;
  QTest::newRow("page button 黄道吉日") << QStringLiteral("黄道吉日") << Via::Button;
  QTest::newRow("menu item 黄道吉日") << QStringLiteral("黄道吉日") << Via::Menu;
}

// Each click opens a new window beside the others, showing today's entry at once.
void HuangdaoWindowTest::opensModelessOnTodayFromEachCommand() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  TFrmmain main;
  main.SetTodayClock([] { return MakeDate(2023, 12, 30); });
  test::MessageRecorder recorder;
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  for (int n = 1; n <= 2; ++n) {
    QVERIFY(test::Invoke(main, caption, via));
    QTRY_COMPARE(main.findChildren<TFormHuangdao*>().size(), n);
  }
  for (TFormHuangdao* w : main.findChildren<TFormHuangdao*>()) {
    QTRY_VERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("黄道吉日"));
    QVERIFY(!w->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(Year(*w)->currentText(), QStringLiteral("2023"));
    QCOMPARE(Month(*w)->currentText(), QStringLiteral("12"));
    QCOMPARE(Day(*w)->currentText(), QStringLiteral("30"));
    QCOMPARE(DayLine(*w)->text(), QStringLiteral("2023-12-30  农历冬月十八"));
    QCOMPARE(test::PaneLines(*Result(*w)).front(), QStringLiteral("岁次:癸卯年 甲子月 壬戌日"));
  }
  // Each window keeps its own day.
  TFormHuangdao* first = main.findChildren<TFormHuangdao*>().front();
  Type(*first, QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("04"));
  Press(*first, "测算");
  QCOMPARE(DayLine(*first)->text().left(10), QStringLiteral("2024-02-04"));
  QCOMPARE(DayLine(*main.findChildren<TFormHuangdao*>().back())->text(),
           QStringLiteral("2023-12-30  农历冬月十八"));
  QVERIFY(recorder.Messages().empty());
  // The main window stays usable.
  QVERIFY(main.isEnabled());
}

// The year list covers the almanac's years; the pane holds nine labelled lines
// with an empty line between two of them, as the table holds the day.
void HuangdaoWindowTest::listsAndSeventeenLines() {
  Fixture f;
  const QStringList years = Items(*Year(f.W()));
  QCOMPARE(years.size(), 200);
  QCOMPARE(years.front(), QStringLiteral("1901"));
  QCOMPARE(years.back(), QStringLiteral("2100"));
  QCOMPARE(Items(*Month(f.W())).join(','), QStringLiteral("01,02,03,04,05,06,07,08,09,10,11,12"));
  QCOMPARE(Items(*Day(f.W())).size(), 31);
  QCOMPARE(Items(*Day(f.W())).front(), QStringLiteral("01"));
  QCOMPARE(Items(*Day(f.W())).back(), QStringLiteral("31"));
  for (QComboBox* box : {Year(f.W()), Month(f.W()), Day(f.W())}) QVERIFY(box->isEditable());

  const QStringList lines = test::PaneLines(*Result(f.W()));
  QCOMPARE(lines.size(), 17);
  const char* labels[] = {"岁次:",     "每日胎神占方:", "五行:",     "冲:", "彭祖百忌:",
                          "吉神宜趋:", "宜:",           "凶神宜忌:", "忌:"};
  for (int i = 0; i < 17; ++i) {
    if (i % 2 == 1) {
      QVERIFY2(lines[i].isEmpty(), qPrintable(lines[i]));
    } else {
      QVERIFY2(lines[i].startsWith(QString::fromUtf8(labels[i / 2])), qPrintable(lines[i]));
    }
  }
  QCOMPARE(lines[2], QStringLiteral("每日胎神占方:仓库栖外东南"));
  QCOMPARE(lines[6], QStringLiteral("冲:冲龙（丙辰）煞北"));
  // The same texts as the table's row.
  const auto entry =
      almanac::LookupHuangdao(f.store.QueryOn(data::DatabaseFile::MorBirth), "2023-12-30");
  QVERIFY(entry.has_value());
  QStringList expected;
  for (const std::string& line : almanac::EntryLines(*entry)) expected << ToQString(line);
  QCOMPARE(lines, expected);
}

void HuangdaoWindowTest::typedBoxes_data() {
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::addColumn<QString>("prompt");   // "" when none
  QTest::addColumn<QString>("dayLine");  // "" when the window keeps what it showed
  // Tested in this order: year, month, day; blanks are trimmed.
  QTest::newRow("no year") << ""
                           << ""
                           << ""
                           << "请选择年!"
                           << "";
  QTest::newRow("blank year") << "  "
                              << "05"
                              << "01"
                              << "请选择年!"
                              << "";
  QTest::newRow("no month") << "2011"
                            << ""
                            << ""
                            << "请选择月!"
                            << "";
  QTest::newRow("no day") << "2011"
                          << "02"
                          << " "
                          << "请选择日!"
                          << "";
  QTest::newRow("2011-02-30") << "2011"
                              << "02"
                              << "30"
                              << "请选择有效的日期!"
                              << "";
  QTest::newRow("2100-02-29") << "2100"
                              << "02"
                              << "29"
                              << "请选择有效的日期!"
                              << "";
  QTest::newRow("letters") << "二〇一一"
                           << "02"
                           << "01"
                           << "请选择有效的日期!"
                           << "";
  QTest::newRow("month 13") << "2011"
                            << "13"
                            << "01"
                            << "请选择有效的日期!"
                            << "";
  QTest::newRow("quote") << "2011'"
                         << "02"
                         << "01"
                         << "请选择有效的日期!"
                         << "";
  QTest::newRow("long text") << QString(300, QLatin1Char('9')) << "02"
                             << "01"
                             << "请选择有效的日期!"
                             << "";
  // Typed texts are joined as they stand.
  QTest::newRow("2025-5-1") << " 2025 "
                            << "5"
                            << "1"
                            << ""
                            << "2025-5-1  农历四月初四";
  QTest::newRow("2000-02-29") << "2000"
                              << "02"
                              << "29"
                              << ""
                              << "2000-02-29  农历正月廿五";
  QTest::newRow("last day") << "2100"
                            << "12"
                            << "31"
                            << ""
                            << "2100-12-31  农历腊月初一";
  // A year outside the list is accepted and looked up: the table has no such day.
  QTest::newRow("year 1900") << "1900"
                             << "12"
                             << "31"
                             << ""
                             << "";
  QTest::newRow("year 2101") << "2101"
                             << "01"
                             << "01"
                             << ""
                             << "";
}

// Any text in the three boxes gets one of the four prompts, or the typed day, or
// (for a real day the table lacks) the window as it was; the boxes keep the text.
void HuangdaoWindowTest::typedBoxes() {
  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(QString, day);
  QFETCH(QString, prompt);
  QFETCH(QString, dayLine);
  Fixture f;
  f.recorder.Clear();
  const QString lineBefore = DayLine(f.W())->text();
  const QString paneBefore = Result(f.W())->toPlainText();
  Type(f.W(), year, month, day);
  Press(f.W(), "测算");
  QCOMPARE(f.recorder.Texts(), prompt.isEmpty() ? QStringList{} : QStringList{prompt});
  if (!prompt.isEmpty()) QCOMPARE(f.recorder.Messages().front().kind, MessageKind::Prompt);
  if (dayLine.isEmpty()) {
    QCOMPARE(DayLine(f.W())->text(), lineBefore);
    QCOMPARE(Result(f.W())->toPlainText(), paneBefore);
  } else {
    QCOMPARE(DayLine(f.W())->text(), dayLine);
    QCOMPARE(test::PaneLines(*Result(f.W())).size(), 17);
  }
  QCOMPARE(Year(f.W())->currentText(), year);
  QVERIFY(f.W().isVisible());
}

// A fixture table with two days: a real day the table lacks leaves the earlier
// day's result in place while the boxes show the new date; no message.
void HuangdaoWindowTest::dayMissingFromTheTableKeepsTheWindow() {
  test::TempDir folder;
  test::CopyBuiltDatabases(folder.path());
  test::MakeDatabase(
      folder.path() / "MorBirth.dll",
      "CREATE TABLE huangdao (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, "
      "cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);"
      "INSERT INTO huangdao VALUES ('2010-05-01',' 农历三月十八 ','庚寅年 庚辰月 丁丑日',"
      "'仓库厕外正西','涧下水 值星：平 黑道：朱雀','冲羊（辛未）煞东',"
      "'丁不剃头头必生疮 丑不冠带主不还乡','天恩','诸事不宜','月刑','诸事不宜');"
      "INSERT INTO huangdao VALUES ('2010-05-03','农历三月二十','庚寅年 庚辰月 己卯日',"
      "'占大门外正西','城头土 值星：执 黄道：金匮','冲鸡（癸酉）煞西',"
      "'己不破券二比并亡 卯不穿井水泉不香','天恩 民日','祭祀','小耗','开仓');");
  Fixture f(folder.path(), QDate(2010, 5, 1));
  QVERIFY(f.recorder.Messages().empty());
  // Values are read trimmed.
  QCOMPARE(DayLine(f.W())->text(), QStringLiteral("2010-05-01  农历三月十八"));
  const QString pane = Result(f.W())->toPlainText();
  QCOMPARE(test::PaneLines(*Result(f.W())).size(), 17);

  Type(f.W(), QStringLiteral("2010"), QStringLiteral("05"), QStringLiteral("02"));
  Press(f.W(), "测算");
  QVERIFY(f.recorder.Messages().empty());
  QCOMPARE(DayLine(f.W())->text(), QStringLiteral("2010-05-01  农历三月十八"));
  QCOMPARE(Result(f.W())->toPlainText(), pane);
  QCOMPARE(Day(f.W())->currentText(), QStringLiteral("02"));

  Day(f.W())->setCurrentText(QStringLiteral("03"));
  Press(f.W(), "测算");
  QCOMPARE(DayLine(f.W())->text(), QStringLiteral("2010-05-03  农历三月二十"));
  QCOMPARE(test::PaneLines(*Result(f.W())).last(), QStringLiteral("忌:开仓"));
}

// Without MorBirth.dll the lookup fails under the report policy: the error box.
void HuangdaoWindowTest::missingFileShowsTheErrorBox() {
  test::TempDir empty;
  Fixture f(empty.path());
  QCOMPARE(f.recorder.Messages().size(), std::size_t{1});
  QCOMPARE(f.recorder.Messages().front().kind, MessageKind::Error);
  QVERIFY(DayLine(f.W())->text().isEmpty());
  QVERIFY(f.W().isVisible());
}

// The 34 lines: most end in one blank; the entries of 破土 and 开市 run over two
// lines each; every work it explains is one that 宜 and 忌 use.
void HuangdaoWindowTest::glossaryHoldsItsThirtyFourLines() {
  Fixture f;
  QVERIFY(Glossary(f.W())->isReadOnly());
  const QStringList lines = test::PaneLines(*Glossary(f.W()));
  QCOMPARE(lines.size(), 34);
  QCOMPARE(lines.front(), QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "));
  QCOMPARE(lines.back(), QStringLiteral("挂匾 ：指悬挂招牌或各种匾额"));
  QCOMPARE(lines[12], QStringLiteral("今社会上多已滥用属阴宅择日时属阴宅须辨别之。 "));
  QCOMPARE(lines[18], QStringLiteral("事(2)新设店铺商行或新厂开幕等事 "));
  const std::vector<std::string_view>& activities = almanac::ActivityNames();
  int entries = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const bool continued = i == 11 || i == 17;  // the first line of a two-line entry
    QVERIFY2(lines[i].endsWith(QLatin1Char(' ')) != (continued || i == 33), qPrintable(lines[i]));
    const qsizetype colon = lines[i].indexOf(QStringLiteral(" ："));
    if (colon < 0) continue;
    ++entries;
    const std::string work = lines[i].left(colon).toStdString();
    QVERIFY2(std::find(activities.begin(), activities.end(), work) != activities.end(),
             work.c_str());
  }
  QCOMPARE(entries, 32);
}

// The search lists the days of the span whose 宜 holds the activity and whose 忌
// does not, with their lunar dates: the same days as the command line's goodday.
void HuangdaoWindowTest::searchListsTheGoodDays() {
  Fixture f;
  Named<QComboBox>(f.W(), "ActivityBox")->setCurrentText(QStringLiteral("开市"));
  Named<QDateEdit>(f.W(), "FromDate")->setDate(QDate(2026, 2, 1));
  Named<QDateEdit>(f.W(), "ToDate")->setDate(QDate(2026, 3, 31));
  Press(f.W(), "查询");
  const QStringList lines = test::PaneLines(*Found(f.W()));
  const auto days = almanac::GoodDays(f.store.QueryOn(data::DatabaseFile::MorBirth), "开市",
                                      MakeDate(2026, 2, 1), MakeDate(2026, 3, 31));
  QVERIFY(!days.empty());
  QCOMPARE(lines.size(), static_cast<qsizetype>(days.size()) + 1);
  QVERIFY2(lines.front().contains(QStringLiteral("宜开市而不忌开市")), qPrintable(lines.front()));
  for (std::size_t i = 0; i < days.size(); ++i) {
    QCOMPARE(lines[static_cast<qsizetype>(i) + 1], ToQString(days[i].gn + "  " + days[i].nn));
    const auto entry =
        almanac::LookupHuangdao(f.store.QueryOn(data::DatabaseFile::MorBirth), days[i].gn);
    QVERIFY(almanac::ListHolds(entry->yi, "开市"));
    QVERIFY(!almanac::ListHolds(entry->ji, "开市"));
  }
  // The activity list is the one goodday publishes, and the lists stay editable.
  auto* activity = Named<QComboBox>(f.W(), "ActivityBox");
  QVERIFY(activity->isEditable());
  QCOMPARE(activity->count(), static_cast<int>(almanac::ActivityNames().size()));
  QVERIFY(f.recorder.Messages().empty());
}

void HuangdaoWindowTest::searchSaysWhenNothingIsFound() {
  Fixture f;
  auto* activity = Named<QComboBox>(f.W(), "ActivityBox");
  auto* from = Named<QDateEdit>(f.W(), "FromDate");
  auto* to = Named<QDateEdit>(f.W(), "ToDate");
  // 2050-07-20 is closed to every work.
  activity->setCurrentText(QStringLiteral("嫁娶"));
  from->setDate(QDate(2050, 7, 20));
  to->setDate(QDate(2050, 7, 20));
  Press(f.W(), "查询");
  QCOMPARE(Found(f.W())->toPlainText(),
           QStringLiteral("2050-07-20至2050-07-20之间没有宜嫁娶而不忌嫁娶的日子。"));
  activity->setCurrentText(QStringLiteral("跳舞"));
  Press(f.W(), "查询");
  QVERIFY(Found(f.W())->toPlainText().contains(QStringLiteral("“跳舞”不在宜忌所用的事项之中")));
  activity->setCurrentText(QStringLiteral("%"));
  Press(f.W(), "查询");
  QVERIFY(Found(f.W())->toPlainText().contains(QStringLiteral("“%”不在")));
  activity->setCurrentText(QStringLiteral("嫁娶"));
  from->setDate(QDate(2026, 3, 2));
  to->setDate(QDate(2026, 3, 1));
  Press(f.W(), "查询");
  QVERIFY(Found(f.W())->toPlainText().contains(QStringLiteral("起始日期晚于结束日期")));
  // The span cannot leave the almanac's years.
  from->setDate(QDate(1850, 1, 1));
  QCOMPARE(from->date(), QDate(1901, 1, 1));
  QVERIFY(f.recorder.Messages().empty());
}

void HuangdaoWindowTest::closingDeletesTheWindow() {
  Fixture f;
  Press(f.W(), "关闭");
  QTRY_VERIFY(f.window.isNull());
}

}  // namespace
}  // namespace vessa

int RunHuangdaoWindowTests(int argc, char** argv) {
  vessa::HuangdaoWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "huangdao_window_test.moc"

static const bool kHuangdaoWindowRegistered =
    vessa::test::RegisterSuite("HuangdaoWindow", RunHuangdaoWindowTests);
