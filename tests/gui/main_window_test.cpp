#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "gui/shell/main_window.h"
#include "gui/kit/result_font.h"
#include "gui_test_support.h"

namespace vessa {
namespace {

// The readings' common road is what the report commands will call; the tests
// drive it the same way, from a bound command.
class ReadingWindow : public TFrmmain {
 public:
  using TFrmmain::RunPaneReading;
};

// A reading of the registry's shape, with the Bazi input step and the test's writer.
Reading TestReading(std::function<void(ReportBuffer&)> write) {
  return {"test", {}, "", "", ReadingInput::Bazi, ReadingInput::Bazi, true,
          [write = std::move(write)](const ReadingEnv&, const Panel&, ReadingTarget& t) {
            write(t.out);
            return true;
          }};
}

template <class T>
T* Child(QObject& root, const char* name) {
  T* found = root.findChild<T*>(QLatin1String(name));
  if (!found) qFatal("the window has no %s", name);
  return found;
}

QLineEdit* NameA(QWidget& w) { return Child<QLineEdit>(w, "NameA"); }
QLineEdit* NameB(QWidget& w) { return Child<QLineEdit>(w, "NameB"); }
QPlainTextEdit* Pane(QWidget& w) { return Child<QPlainTextEdit>(w, "RzMemo1"); }

// Sets fields by object name: the name edits take the text, the lists show it
// as if typed.
void Fill(QWidget& w, const std::map<QString, QString>& fields) {
  for (const auto& [name, text] : fields) {
    if (name.startsWith(QLatin1String("Name"))) {
      Child<QLineEdit>(w, name.toLatin1().constData())->setText(text);
    } else {
      Child<QComboBox>(w, name.toLatin1().constData())->setEditText(text);
    }
  }
}

void Click(QWidget& w, const QString& caption) {
  const std::vector<QWidget*> buttons = test::Buttons(w, caption);
  if (buttons.empty()) qFatal("no button %s", qPrintable(caption));
  static_cast<QAbstractButton*>(buttons.front())->click();
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

QStringList Split(const char* entries) {
  return QString::fromUtf8(entries).split(QLatin1Char('|'));
}

QStringList NumberTexts(int first, int last) {
  QStringList texts;
  for (int n = first; n <= last; ++n) texts << QString::number(n);
  return texts;
}

QStringList Items(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
  return items;
}

// The captions of a button page in reading order (row by row).
QStringList PageButtons(QWidget& page) {
  auto* grid = page.findChild<QGridLayout*>();
  if (!grid) qFatal("a page without its grid");
  std::vector<std::pair<std::pair<int, int>, QString>> cells;
  for (int i = 0; i < grid->count(); ++i) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
    if (auto* button = qobject_cast<QPushButton*>(grid->itemAt(i)->widget())) {
      cells.push_back({{row, column}, button->text()});
    }
  }
  std::sort(cells.begin(), cells.end());
  QStringList captions;
  for (const auto& cell : cells) captions << cell.second;
  return captions;
}

// Buttons as they stand left to right inside a bar.
QStringList ButtonsLeftToRight(QWidget& bar) {
  QList<QPushButton*> buttons = bar.findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(),
            [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
  QStringList captions;
  for (QPushButton* b : buttons) captions << b->text();
  return captions;
}

const QString kBazi = QStringLiteral("八字测算");
const QString kName = QStringLiteral("姓名测算");
const QString kConstellation = QStringLiteral("星座测算");
const QString kSolar = QStringLiteral("生日公历");
const QString kLunar = QStringLiteral("生日农历");
const QString kCheckInput = QStringLiteral("请检查输入数据是否出错！");

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void firstShowFocusesTheSurnameWithThePaneHidden();
  void panelListsHaveTheirItemsAndDefaults();
  void tabFollowsThePanelOrder();
  void nameFieldsHoldFourGbkBytes_data();
  void nameFieldsHoldFourGbkBytes();
  void inputMessagesComeInOrder_data();
  void inputMessagesComeInOrder();
  void fieldsCheckedBeforeTheFailingOneKeepTheirValues();
  void typedHourAndMinute_data();
  void typedHourAndMinute();
  void datesAreConverted_data();
  void datesAreConverted();
  void constellationBoundaries_data();
  void constellationBoundaries();
  void nameAndConstellationLeaveTheBaziFields_data();
  void nameAndConstellationLeaveTheBaziFields();
  void impossibleDateGoesToTheErrorBox_data();
  void impossibleDateGoesToTheErrorBox();
  void dateOutsideTheCalendarIsPrompted_data();
  void dateOutsideTheCalendarIsPrompted();
  void readingRoadShowsThePane();
  void scrollResultToTopShowsTheFirstLine();
  void everyReadingCommandRunsItsInputStep();
  void unboundCommandsAreDisabledAndDoNothing();
  void bindingEnablesEveryControlOfTheCaption();
  void fontSizeListSetsThePaneFont_data();
  void fontSizeListSetsThePaneFont();
  void paneFontKeepsChineseTwoBlanksWide();
  void menusFollowTheCommandTables();
  void pagesAndBarsFollowTheCommandTables();
  void everyCaptionIsGbkText();
  void exitEndsTheProgram_data();
  void exitEndsTheProgram();
};

void MainWindowTest::firstShowFocusesTheSurnameWithThePaneHidden() {
  TFrmmain w;
  QVERIFY(!w.ADOQname().IsBound());
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(QApplication::focusWidget(), NameA(w));
  QVERIFY(Pane(w)->isHidden());
  QVERIFY(Child<QPlainTextEdit>(w, "Memo1")->isHidden());
  QVERIFY(Child<QPlainTextEdit>(w, "MemoShensha")->isHidden());
  QCOMPARE(w.ADOQname().Connection(), w.Content().MorFileConnection());
  QVERIFY(w.Content().MorFileConnection().find("MorFile.dll") != std::string::npos);

  QCOMPARE(w.windowTitle(), QStringLiteral("Vessa生辰八字排盘算命软件"));
  QCOMPARE(w.size(), QSize(800, 600));
  QVERIFY(!w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(w.windowFlags().testFlag(Qt::WindowSystemMenuHint));
  const QPoint offCentre = w.geometry().center() - w.screen()->availableGeometry().center();
  QVERIFY(offCentre.manhattanLength() <= 2);
  QCOMPARE(Child<QWidget>(w, "InputPanel")->height(), 84);
  QCOMPARE(Child<QTabWidget>(w, "CommandPages")->width(), 191);
}

void MainWindowTest::panelListsHaveTheirItemsAndDefaults() {
  TFrmmain w;
  QStringList hours;
  for (const char* h : {"子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
                        "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
                        "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"}) {
    hours << QString::fromUtf8(h);
  }
  const struct {
    const char* name;
    QStringList items;
    QString current;
  } lists[] = {
      {"Sex", Split("男|女"), "男"},
      {"Xuxing", Split("A型|B型|O型|AB型"), "A型"},
      {"ComDate", Split("生日公历|生日农历"), "生日公历"},
      {"SYear", NumberTexts(1900, 2099), "1980"},
      {"SMonth", NumberTexts(1, 12), "1"},
      {"Sday", NumberTexts(1, 31), "1"},
      {"Shour", hours, "子 0"},
      {"Fengzhong", NumberTexts(0, 59), "0"},
  };
  for (const auto& l : lists) {
    QComboBox* list = Child<QComboBox>(w, l.name);
    QCOMPARE(Items(*list), l.items);
    QCOMPARE(list->currentText(), l.current);
    QVERIFY2(list->isEditable(), l.name);
  }
  QCOMPARE(Child<QComboBox>(w, "Fengzhong")->maxVisibleItems(), 30);
  QVERIFY(NameA(w)->text().isEmpty());
  QVERIFY(NameB(w)->text().isEmpty());

  // Typed text stays typed: it never becomes an item of the list.
  QComboBox* day = Child<QComboBox>(w, "Sday");
  day->lineEdit()->setText(QStringLiteral("32"));
  QTest::keyClick(day, Qt::Key_Return);
  QCOMPARE(Items(*day), NumberTexts(1, 31));
  QCOMPARE(w.CurrentPanel().day, "32");

  QStringList labels;
  for (QLabel* label : Child<QWidget>(w, "InputPanel")->findChildren<QLabel*>()) {
    labels << label->text();
  }
  for (const char* label :
       {"请输入基本信息：", "姓", "名", "姓别", "血型", "年", "月", "日", "时", "分"}) {
    QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
  }
}

void MainWindowTest::tabFollowsThePanelOrder() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  const char* order[] = {"NameA", "NameB",  "Sex",  "Xuxing", "ComDate",
                         "SYear", "SMonth", "Sday", "Shour",  "Fengzhong"};
  QCOMPARE(QApplication::focusWidget(), NameA(w));
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    QWidget* expected = Child<QWidget>(w, order[i]);
    QVERIFY2(focused == expected || focused->parentWidget() == expected, order[i]);
  }
}

void MainWindowTest::nameFieldsHoldFourGbkBytes_data() {
  QTest::addColumn<QString>("field");
  QTest::newRow("surname") << "NameA";
  QTest::newRow("given name") << "NameB";
}

void MainWindowTest::nameFieldsHoldFourGbkBytes() {
  QFETCH(QString, field);
  TFrmmain w;
  QLineEdit* edit = Child<QLineEdit>(w, field.toLatin1().constData());
  const auto commit = [edit](const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
  };

  edit->setText(QStringLiteral("欧阳"));
  edit->end(false);
  QTest::keyClick(edit, Qt::Key_A);
  QCOMPARE(edit->text(), QStringLiteral("欧阳"));
  edit->insert(QStringLiteral("张"));
  QCOMPARE(edit->text(), QStringLiteral("欧阳"));
  commit(QStringLiteral("张"));  // a character from an input method
  QCOMPARE(edit->text(), QStringLiteral("欧阳"));

  edit->setText(QStringLiteral("欧"));
  edit->end(false);
  commit(QStringLiteral("阳"));
  QCOMPARE(edit->text(), QStringLiteral("欧阳"));

  edit->setText(QStringLiteral("张"));
  edit->end(false);
  QTest::keyClicks(edit, QStringLiteral("xyz"));
  QCOMPARE(edit->text(), QStringLiteral("张xy"));

  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("abcde"));
  QCOMPARE(edit->text(), QStringLiteral("abcd"));
}

void MainWindowTest::inputMessagesComeInOrder_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QStringList>("blank");
  QTest::addColumn<QString>("message");
  const QStringList none;
  QTest::newRow("surname") << kBazi << QStringList{"NameA"} << "姓不能为空!";
  QTest::newRow("given name") << kBazi << QStringList{"NameB"} << "名不能为空!";
  QTest::newRow("surname before given name")
      << kBazi << QStringList{"NameA", "NameB"} << "姓不能为空!";
  QTest::newRow("blood type") << kBazi << QStringList{"Xuxing"} << "血型不能为空!";
  QTest::newRow("blood type before year")
      << kBazi << QStringList{"Xuxing", "SYear"} << "血型不能为空!";
  QTest::newRow("year") << kBazi << QStringList{"SYear"} << "请选择出生年!";
  QTest::newRow("month") << kBazi << QStringList{"SMonth"} << "请选择出生月!";
  QTest::newRow("day") << kBazi << QStringList{"Sday"} << "请选择出生日!";
  QTest::newRow("day before hour") << kBazi << QStringList{"Sday", "Shour"} << "请选择出生日!";
  QTest::newRow("hour") << kBazi << QStringList{"Shour"} << "请选择出生小时!";
  QTest::newRow("sex is not checked") << kBazi << QStringList{"Sex"} << "";
  // An empty minute is no minute 0-59: the date check's message, nothing written.
  QTest::newRow("minute") << kBazi << QStringList{"Fengzhong"} << "请检查输入数据是否出错！";
  QTest::newRow("name: given name") << kName << QStringList{"NameB"} << "名不能为空!";
  QTest::newRow("name: blood type not checked") << kName << QStringList{"Xuxing"} << "";
  QTest::newRow("name: year after blood type")
      << kName << QStringList{"Xuxing", "SYear"} << "请选择出生年!";
  QTest::newRow("constellation: blood type not checked")
      << kConstellation << QStringList{"Xuxing"} << "";
  QTest::newRow("constellation: hour")
      << kConstellation << QStringList{"Shour"} << "请选择出生小时!";
}

void MainWindowTest::inputMessagesComeInOrder() {
  QFETCH(QString, command);
  QFETCH(QStringList, blank);
  QFETCH(QString, message);
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}});
  std::map<QString, QString> blanks;
  for (const QString& field : blank) blanks[field] = QStringLiteral("  ");
  Fill(w, blanks);

  Click(w, command);

  if (message.isEmpty()) {
    // The checks pass and the reading is shown.
    QVERIFY(recorder.Messages().empty());
    QCOMPARE(w.Birth().solarDateText, "1980-1-1");
    QVERIFY(!Pane(w)->isHidden());
  } else {
    QCOMPARE(recorder.Texts(), QStringList{message});
    QCOMPARE(recorder.Messages().front().kind, MessageKind::Prompt);
    QCOMPARE(recorder.Messages().front().caption, QStringLiteral("提示"));
    QVERIFY(w.Birth().solarDateText.empty());
    QVERIFY(Pane(w)->isHidden());
  }
}

void MainWindowTest::fieldsCheckedBeforeTheFailingOneKeepTheirValues() {
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}});
  Click(w, kBazi);
  QVERIFY(recorder.Messages().empty());

  Fill(w, {{"NameA", " 李 "},
           {"NameB", "四"},
           {"Xuxing", "O型"},
           {"SYear", "1990"},
           {"SMonth", ""},
           {"Sday", "9"}});
  Click(w, kBazi);
  QCOMPARE(recorder.Texts(), QStringList{"请选择出生月!"});
  const BirthInput& b = w.Birth();
  QCOMPARE(b.surname, "李");
  QCOMPARE(b.givenName, "四");
  QCOMPARE(b.bloodType, "O型");
  QCOMPARE(b.yearText, "1990");
  // From the failing check on, the record keeps the earlier reading.
  QCOMPARE(b.monthText, "1");
  QCOMPARE(b.dayText, "1");
  QCOMPARE(b.solarDateText, "1980-1-1");
  QCOMPARE(b.lunarDateText, "己未(羊年)十一月十四");
}

// The hour list and the minute list are editable: what a new user types there.
// A whole hour 0-23 selects its item; anything else, and a minute that is not
// 0-59, is the date check's message with nothing written.
void MainWindowTest::typedHourAndMinute_data() {
  QTest::addColumn<QString>("hour");
  QTest::addColumn<QString>("minute");
  QTest::addColumn<QString>("hourItem");  // "" for the message
  QTest::newRow("10 is 巳, not 子") << "10" << "0" << "巳 10";
  QTest::newRow("8") << "8" << "30" << "辰 8";
  QTest::newRow("08 and blanks") << " 08 " << "5" << "辰 8";
  QTest::newRow("0") << "0" << "59" << "子 0";
  QTest::newRow("23") << "23" << "0" << "子 23";
  QTest::newRow("an item as listed") << "午 12" << "0" << "午 12";
  QTest::newRow("24") << "24" << "0" << "";
  QTest::newRow("-1") << "-1" << "0" << "";
  QTest::newRow("8.5") << "8.5" << "0" << "";
  QTest::newRow("letters") << "午" << "0" << "";
  QTest::newRow("minute 60") << "8" << "60" << "";
  QTest::newRow("minute ab") << "8" << "ab" << "";
  QTest::newRow("minute -1") << "8" << "-1" << "";
}

void MainWindowTest::typedHourAndMinute() {
  QFETCH(QString, hour);
  QFETCH(QString, minute);
  QFETCH(QString, hourItem);
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}, {"Shour", hour}, {"Fengzhong", minute}});
  Click(w, kBazi);
  if (hourItem.isEmpty()) {
    QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("请检查输入数据是否出错！")});
    QVERIFY(w.Birth().solarDateText.empty());
    QVERIFY(Pane(w)->isHidden());
    return;
  }
  QVERIFY(recorder.Messages().empty());
  QCOMPARE(QString::fromStdString(w.Birth().hourText), hourItem);
  QVERIFY(!Pane(w)->isHidden());
  // The pane's birth line prints the hour and minute as read.
  QVERIFY(Pane(w)->toPlainText().contains(
      hourItem.mid(2) + QStringLiteral("点") + QString::number(minute.toInt()) +
      QStringLiteral("分")));
}

void MainWindowTest::datesAreConverted_data() {
  QTest::addColumn<QString>("calendar");
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::addColumn<QString>("hour");
  // yearText monthText dayText solarDateText lunarDateText zodiac constellation
  // lunarYearText lunarMonthText lunarDayText hourNumberText
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("solar 1980-1-1")
      << kSolar << "1980"
      << "1"
      << "1"
      << "子 0" << Split("1980|1|1|1980-1-1|己未(羊年)十一月十四|羊|摩羯座|1979|11|14|0");
  QTest::newRow("lunar 2020-4-1 is the ordinary fourth month")
      << kLunar << "2020"
      << "4"
      << "1"
      << "子 23" << Split("2020|04|23|2020-04-23|庚子(鼠年)四月初一|鼠|金牛座|2020|4|1|23");
  QTest::newRow("lunar 1999-12-29 falls in 2000")
      << kLunar << "1999"
      << "12"
      << "29"
      << "午 12" << Split("2000|02|04|2000-02-04|己卯(兔年)十二月廿九|兔|水瓶座|1999|12|29|12");
}

void MainWindowTest::datesAreConverted() {
  QFETCH(QString, calendar);
  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(QString, day);
  QFETCH(QString, hour);
  QFETCH(QStringList, expected);
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"},
           {"NameB", "三"},
           {"ComDate", calendar},
           {"SYear", year},
           {"SMonth", month},
           {"Sday", day},
           {"Shour", hour}});
  Click(w, kBazi);
  QVERIFY(recorder.Messages().empty());
  const BirthInput& b = w.Birth();
  const QStringList got = {Q(b.yearText),      Q(b.monthText),     Q(b.dayText),
                           Q(b.solarDateText), Q(b.lunarDateText), Q(b.zodiac),
                           Q(b.constellation), Q(b.lunarYearText), Q(b.lunarMonthText),
                           Q(b.lunarDayText),  Q(b.hourNumberText)};
  QCOMPARE(got, expected);
  QCOMPARE(Q(b.hourText), hour);
}

void MainWindowTest::constellationBoundaries_data() {
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::addColumn<QString>("constellation");
  QTest::newRow("01-01") << "1"
                         << "1"
                         << "摩羯座";
  QTest::newRow("01-19") << "1"
                         << "19"
                         << "摩羯座";
  QTest::newRow("01-20") << "1"
                         << "20"
                         << "水瓶座";
  QTest::newRow("06-21") << "6"
                         << "21"
                         << "双子座";
  QTest::newRow("06-22") << "6"
                         << "22"
                         << "巨蟹座";
  QTest::newRow("12-21") << "12"
                         << "21"
                         << "射手座";
  QTest::newRow("12-22") << "12"
                         << "22"
                         << "摩羯座";
  QTest::newRow("12-31") << "12"
                         << "31"
                         << "摩羯座";
}

void MainWindowTest::constellationBoundaries() {
  QFETCH(QString, month);
  QFETCH(QString, day);
  QFETCH(QString, constellation);
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}, {"SYear", "2001"}, {"SMonth", month}, {"Sday", day}});
  Click(w, kConstellation);
  QVERIFY(recorder.Messages().empty());
  QCOMPARE(Q(w.Birth().constellation), constellation);
}

void MainWindowTest::nameAndConstellationLeaveTheBaziFields_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("name") << kName;
  QTest::newRow("constellation") << kConstellation;
}

void MainWindowTest::nameAndConstellationLeaveTheBaziFields() {
  QFETCH(QString, command);
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}, {"Xuxing", "B型"}, {"Shour", "午 12"}});
  Click(w, kBazi);

  Fill(w, {{"NameA", "王"},
           {"NameB", "五"},
           {"Xuxing", "AB型"},
           {"ComDate", kLunar},
           {"SYear", "2020"},
           {"SMonth", "4"},
           {"Shour", "子 23"}});
  Click(w, command);
  QVERIFY(recorder.Messages().empty());
  const BirthInput& b = w.Birth();
  QCOMPARE(b.bloodType, "B型");
  QCOMPARE(b.lunarYearText, "1979");
  QCOMPARE(b.lunarMonthText, "11");
  QCOMPARE(b.lunarDayText, "14");
  QCOMPARE(b.hourNumberText, "12");
  // What every kind sets has moved on.
  QCOMPARE(b.surname, "王");
  QCOMPARE(b.hourText, "子 23");
  QCOMPARE(b.solarDateText, "2020-04-23");
  QCOMPARE(b.lunarDateText, "庚子(鼠年)四月初一");
}

void MainWindowTest::impossibleDateGoesToTheErrorBox_data() {
  QTest::addColumn<QString>("calendar");
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::addColumn<QString>("message");
  QTest::newRow("2001-2-29") << kSolar << "2001"
                             << "2"
                             << "29"
                             << "'2001-2-29' is not a valid date";
  QTest::newRow("1990-4-31") << kSolar << "1990"
                             << "4"
                             << "31"
                             << "'1990-4-31' is not a valid date";
  QTest::newRow("lunar year not a number") << kLunar << "19x0"
                                           << "1"
                                           << "1"
                                           << "'19x0' is not a valid integer value";
}

void MainWindowTest::impossibleDateGoesToTheErrorBox() {
  QFETCH(QString, calendar);
  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(QString, day);
  QFETCH(QString, message);
  ReadingWindow w;
  test::MessageRecorder recorder;
  bool wrote = false;
  w.BindCommand(QStringLiteral("生辰信息"), [&] {
    w.RunPaneReading(TestReading([&](ReportBuffer& r) {
      wrote = true;
      r.AddLine("reading");
    }));
  });
  Fill(w, {{"NameA", "张"},
           {"NameB", "三"},
           {"ComDate", calendar},
           {"SYear", year},
           {"SMonth", month},
           {"Sday", day}});
  Click(w, QStringLiteral("生辰信息"));
  QCOMPARE(recorder.Texts(), QStringList{message});
  QCOMPARE(recorder.Messages().front().kind, MessageKind::Error);
  QCOMPARE(recorder.Messages().front().caption, QStringLiteral("Vessa八字软件"));
  QVERIFY(!wrote);
  QVERIFY(w.Report().Empty());
  QVERIFY(Pane(w)->isHidden());
  QVERIFY(w.Birth().solarDateText.empty());
}

void MainWindowTest::dateOutsideTheCalendarIsPrompted_data() {
  QTest::addColumn<QString>("calendar");
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::newRow("lunar 2021-1-30: the month has 29 days") << kLunar << "2021"
                                                          << "1"
                                                          << "30";
  QTest::newRow("lunar day 31") << kLunar << "1990"
                                << "3"
                                << "31";
  QTest::newRow("solar before 1900-01-31") << kSolar << "1900"
                                           << "1"
                                           << "30";
  QTest::newRow("solar after 2100") << kSolar << "2101"
                                    << "1"
                                    << "1";
}

void MainWindowTest::dateOutsideTheCalendarIsPrompted() {
  QFETCH(QString, calendar);
  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(QString, day);
  TFrmmain w;
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"},
           {"NameB", "三"},
           {"ComDate", calendar},
           {"SYear", year},
           {"SMonth", month},
           {"Sday", day}});
  Click(w, kBazi);
  QCOMPARE(recorder.Texts(), QStringList{kCheckInput});
  QCOMPARE(recorder.Messages().front().kind, MessageKind::Prompt);
  QVERIFY(w.Birth().lunarDateText.empty());
  QVERIFY(Pane(w)->isHidden());
}

void MainWindowTest::readingRoadShowsThePane() {
  ReadingWindow w;
  test::MessageRecorder recorder;
  std::function<void(ReportBuffer&)> writer;
  int writes = 0;
  w.BindCommand(QStringLiteral("生辰信息"), [&] {
    w.RunPaneReading(TestReading([&](ReportBuffer& r) {
      ++writes;
      r.Clear();
      writer(r);
    }));
  });
  const auto run = [&](std::function<void(ReportBuffer&)> write) {
    writer = std::move(write);
    recorder.Clear();
    Click(w, QStringLiteral("生辰信息"));
  };

  // An input message: nothing is written and the pane stays hidden.
  run([](ReportBuffer& r) { r.AddLine("never"); });
  QCOMPARE(recorder.Texts(), QStringList{"姓不能为空!"});
  QCOMPARE(writes, 0);
  QVERIFY(Pane(w)->isHidden());

  Fill(w, {{"NameA", "张"}, {"NameB", "三"}});
  run([&](ReportBuffer& r) {
    r.AddLine("张三 " + w.Birth().lunarDateText);
    r.AddLine("");
    r.AddLine("  中  文");
  });
  QVERIFY(recorder.Messages().empty());
  QVERIFY(!Pane(w)->isHidden());
  QCOMPARE(Pane(w)->toPlainText(), QStringLiteral("张三 己未(羊年)十一月十四\n\n  中  文"));

  // A reading stopped under the cancel policy keeps what it wrote and still shows it.
  run([](ReportBuffer& r) {
    r.AddLine("first");
    throw SilentAbort("no row");
  });
  QVERIFY(recorder.Messages().empty());
  QCOMPARE(Pane(w)->toPlainText(), QStringLiteral("first"));

  // Under the report policy the error box speaks, and the lines are shown too.
  run([](ReportBuffer& r) {
    r.AddLine("before the failure");
    throw ReportedError("no such table: zhiwen");
  });
  QCOMPARE(recorder.Texts(), QStringList{"no such table: zhiwen"});
  QCOMPARE(Pane(w)->toPlainText(), QStringLiteral("before the failure"));

  // Once shown, the pane stays: a later input message leaves it as it was.
  Fill(w, {{"NameB", ""}});
  run([](ReportBuffer& r) { r.AddLine("never"); });
  QCOMPARE(recorder.Texts(), QStringList{"名不能为空!"});
  QVERIFY(!Pane(w)->isHidden());
  QCOMPARE(Pane(w)->toPlainText(), QStringLiteral("before the failure"));
}

void MainWindowTest::scrollResultToTopShowsTheFirstLine() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  for (int i = 1; i <= 400; ++i) w.Report().AddLine("第" + std::to_string(i) + "行");
  w.ShowReport();
  QPlainTextEdit* pane = Pane(w);
  QVERIFY(pane->isVisible());
  QVERIFY(pane->isReadOnly());
  QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  pane->moveCursor(QTextCursor::End);
  pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->maximum());
  QVERIFY(pane->verticalScrollBar()->value() > 0);

  w.ScrollResultToTop();
  QCOMPARE(pane->verticalScrollBar()->value(), pane->verticalScrollBar()->minimum());
  QCOMPARE(pane->textCursor().position(), 0);
  QCOMPARE(pane->cursorForPosition(QPoint(4, 4)).block().text(), QStringLiteral("第1行"));
}

void MainWindowTest::everyReadingCommandRunsItsInputStep() {
  // Only the Bazi kind checks the blood type, which tells the kinds apart.
  const struct {
    bool menu;
    const char* caption;
    bool bazi;
  } commands[] = {
      {false, "八字测算", true},  {true, "八字详批", true},  {false, "八字详批", true},
      {false, "姓名测算", false}, {true, "姓名详批", false}, {false, "姓名详批", false},
      {false, "星座测算", false}, {true, "星座详批", false}, {false, "星座详批", false},
  };
  for (const auto& c : commands) {
    TFrmmain w;
    test::MessageRecorder recorder;
    Fill(w, {{"NameA", "张"}, {"NameB", "三"}, {"Xuxing", ""}});
    const QString caption = QString::fromUtf8(c.caption);
    if (c.menu) {
      const std::vector<QAction*> items = test::MenuItems(w, caption);
      QVERIFY2(items.size() == 1, c.caption);
      items.front()->trigger();
    } else {
      const std::vector<QWidget*> buttons = test::Buttons(w, caption);
      QVERIFY2(buttons.size() == 1, c.caption);
      static_cast<QAbstractButton*>(buttons.front())->click();
    }
    const QStringList expected = c.bazi ? QStringList{"血型不能为空!"} : QStringList{};
    QVERIFY2(recorder.Texts() == expected, c.caption);
    QVERIFY2(w.Birth().surname == "张", c.caption);
  }
}

void MainWindowTest::unboundCommandsAreDisabledAndDoNothing() {
  const QSet<QString> bound = {
      "退出系统", "退出(&E)", "八字测算", "八字详批", "姓名测算", "姓名详批", "星座测算",
      "星座详批", "生辰信息", "称骨算命", "血型论命", "三才吉凶", "起名宝典",
      // the shell's own commands
      "新建测算", "打开记录...", "保存测算", "另存测算", "打印设置...", "打印结果", "打印(&P)..",
      "保存(&S)..", "QQ服务(&Q)", "软件升级", "帮助主题", "公司主页", "给我们发邮件", "关于系统",
      "客户服务", "生男生女",
      // the articles
      "姓名原理", "什么是八字", "所谓三才", "称骨算命法", "血型测命", "八字与起名的重要性",
      "吉祥宝宝起名方法 ", "择日生子（紧参考）", "命自我立", "三世因果经", "心命歌", "太上感应篇",
      "孝经", "孝悌歌", "孝顺歌", "亲恩歌", "孝道良心歌", "闺训千字文", "孔子与小儿论", "朱子治家格言",
      "百忍歌",
      // the windows and views
      "万年历法", "星座运程", "情商解析", "星座实力", "星座名人", "身体保健", "五大建议", "星座缺陷",
      "手机号码", "手机号码分析", "QQ号码分析", "数字分析", "更多数字分析", "QQ配对", "QQ缘分配对",
      "网名分析",
      // the divination windows and the Zhuge sign
      "每日一卦", "快速起名", "诸葛测算", "测字论命", "诸葛神数 ", "指纹论命",
      // the almanac
      "本日黄历", "黄道吉日"};
  // Bound in the menu only: the page button "金钱卦" has no action.
  const QSet<QString> menuOnly = {"金钱卦",     "打喷嚏占卜", "面热测占卜", "心惊测占卜",
                                  "犬吠测占卜", "眼跳测占卜", "耳热测占卜", "耳鸣测占卜"};
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::MessageRecorder recorder;
  Fill(w, {{"NameA", "张"}, {"NameB", "三"}});

  std::function<void(QMenu&)> visit = [&](QMenu& menu) {
    for (QAction* item : menu.actions()) {
      if (item->isSeparator()) continue;
      if (item->menu()) {
        visit(*item->menu());
        continue;
      }
      QVERIFY2(
          item->isEnabled() == (bound.contains(item->text()) || menuOnly.contains(item->text())),
          qPrintable(item->text()));
      if (!item->isEnabled()) item->trigger();
    }
  };
  for (QAction* top : w.menuBar()->actions()) visit(*top->menu());
  for (QPushButton* button : w.findChildren<QPushButton*>()) {
    QVERIFY2(button->isEnabled() == bound.contains(button->text()), qPrintable(button->text()));
    if (!button->isEnabled()) button->click();
  }

  QVERIFY(recorder.Messages().empty());
  QVERIFY(w.Birth().surname.empty());
  QVERIFY(Pane(w)->isHidden());
  QVERIFY(w.isVisible());
}

void MainWindowTest::bindingEnablesEveryControlOfTheCaption() {
  TFrmmain w;
  test::MessageRecorder recorder;
  int first = 0, second = 0;
  QCOMPARE(w.BindCommand(QStringLiteral("生辰信息"), [&] { ++first; }), 2);
  for (QAction* item : test::MenuItems(w, QStringLiteral("生辰信息"))) item->trigger();
  Click(w, QStringLiteral("生辰信息"));
  QCOMPARE(first, 2);

  // A new binding replaces the old one.
  w.BindCommand(QStringLiteral("生辰信息"), [&] { ++second; });
  Click(w, QStringLiteral("生辰信息"));
  QCOMPARE(first, 2);
  QCOMPARE(second, 1);

  // "金钱卦" opens the hexagram window from the menu only; its page button does nothing.
  QCOMPARE(w.BindCommand(
               QStringLiteral("金钱卦"), [] {}, CommandPlace::Menu),
           1);
  QVERIFY(test::MenuItems(w, QStringLiteral("金钱卦")).front()->isEnabled());
  QVERIFY(!test::Buttons(w, QStringLiteral("金钱卦")).front()->isEnabled());

  // A bound command runs through the command runner.
  w.BindCommand(QStringLiteral("四柱八字"), [] { throw ReportedError("engine failure"); });
  Click(w, QStringLiteral("四柱八字"));
  w.BindCommand(QStringLiteral("性格总论"), [] { throw SilentAbort(); });
  Click(w, QStringLiteral("性格总论"));
  QCOMPARE(recorder.Texts(), QStringList{"engine failure"});

  QCOMPARE(w.BindCommand(QStringLiteral("没有这个命令"), [] {}), 0);
}

void MainWindowTest::fontSizeListSetsThePaneFont_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("item");
  QTest::addColumn<int>("points");
  QTest::newRow("三号") << 0 << "三号" << 16;
  QTest::newRow("小三号") << 1 << "小三号" << 15;
  QTest::newRow("四号") << 2 << "四号" << 14;
  QTest::newRow("小四号") << 3 << "小四号" << 12;
  QTest::newRow("五号") << 4 << "五号" << 11;
  QTest::newRow("小五号") << 5 << "小五号" << 9;
  QTest::newRow("no selection") << -1 << "" << 9;
}

void MainWindowTest::fontSizeListSetsThePaneFont() {
  QFETCH(int, index);
  QFETCH(QString, item);
  QFETCH(int, points);
  TFrmmain w;
  QComboBox* sizes = Child<QComboBox>(w, "CBFont");
  QCOMPARE(sizes->currentText(), QStringLiteral("小五号"));
  sizes->setCurrentIndex(2);
  sizes->setCurrentIndex(index);
  QCOMPARE(sizes->currentText(), item);
  QCOMPARE(w.ResultPointSize(), points);

  const QFont font = Pane(w)->font();
  const qreal nominalPixels = points * Pane(w)->logicalDpiY() / 72.0;
  QVERIFY2(std::abs(QFontInfo(font).pixelSize() - nominalPixels) <= 1.0, qPrintable(item));
  const QString family = QFontInfo(font).family();
  QVERIFY2(family == QStringLiteral("宋体") || family == QStringLiteral("SimSun") ||
               family == QStringLiteral("Noto Sans Mono CJK SC"),
           qPrintable(family));
  const QFontMetrics metrics(font);
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("中")),
           2 * metrics.horizontalAdvance(QLatin1Char(' ')));
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("年月日时")),
           metrics.horizontalAdvance(QString(8, QLatin1Char(' '))));
}

void MainWindowTest::paneFontKeepsChineseTwoBlanksWide() {
  // Other screens than the test's: the property must hold at every resolution.
  for (qreal dpi : {72.0, 96.0, 120.0, 144.0, 192.0}) {
    for (int index = 0; index < 6; ++index) {
      const QFontMetrics metrics(ResultFont(PointSizeOfFontItem(index), dpi));
      const QString where = QStringLiteral("%1 dpi, item %2").arg(dpi).arg(index);
      QVERIFY2(metrics.horizontalAdvance(QStringLiteral("中")) ==
                   2 * metrics.horizontalAdvance(QLatin1Char(' ')),
               qPrintable(where));
    }
  }
}

void MainWindowTest::menusFollowTheCommandTables() {
  TFrmmain w;
  QStringList titles;
  for (QAction* top : w.menuBar()->actions()) titles << top->text();
  QCOMPARE(titles, Split("系统|八字|姓名|周易|星运|黄道|占卜|缘分|工具|造命|帮助"));

  const struct {
    const char* path;
    const char* entries;
  } menus[] = {
      {"系统", "新建测算|打开记录...|-|保存测算|另存测算|-|打印设置...|打印结果|-|退出系统"},
      {"八字",
       "八字详批|-|生辰信息|四柱八字|称骨算命|性格总论|五行分析|年月日时论命|三命通会论命|"
       "三世财运论命|属相论命|生日论命|-|日干论命|性格分析|爱情婚姻分析|事业功名分析|财运分析|"
       "健康分析|-|血型论命|测字论命|指纹论命"},
      {"姓名",
       "姓名详批|-|姓名原理|起名宝典|姓名分析|三才吉凶|常用汉字繁体字|-|>起名规则|"
       "吉祥名字重要性|姓名与命运|姓名与性格|五行与数字|五格剖象法|数理暗示因素 |81数理运势诱导|"
       "姓名字划计算方法 |天人地格三才配置"},
      {"姓名/起名规则", "取名规则|企业取名规则|取笔名规则|取艺名规则"},
      {"周易",
       "金钱卦|-|四柱八字排盘|六壬起课 |六爻起卦|奇门遁甲术|玄空飞星排盘|金口诀排盘|紫微斗数排盘|"
       "太乙神数|诸葛神数 |-|周易起源|周易全书"},
      {"星运",
       "星座详批|本年运程|-|星座运程|情商解析|星座实力|星座名人|身体保健|五大建议|星座缺陷|-|"
       "星座缘分|星术排盘"},
      {"黄道",
       "黄道吉日|吉日查询|-|开市吉日|交易吉日|嫁娶吉日|入宅吉日|入学吉日|纳财吉日|订盟吉日|"
       "安门吉日|出行吉日|开光吉日|求嗣吉日|祈福吉日|破土吉日|祭祀吉日|安葬吉日"},
      {"占卜",
       "拜佛求签|土地圣杯|黄大仙签 |关帝神签 |太极神测|婚姻占卜|眼形占卜 |手相占卜|-|打喷嚏占卜|"
       "面热测占卜|心惊测占卜|犬吠测占卜|眼跳测占卜|耳热测占卜|耳鸣测占卜"},
      {"缘分", "缘分测试|婚姻配对|星座配对|生肖配对|血型配对|QQ缘分配对"},
      {"工具",
       "周公解析|解梦全书|-|手机号码分析|QQ号码分析|更多数字分析|网名分析|-|生男生女|万年历法"},
      {"造命",
       ">八字与姓名|-|命自我立|三世因果经|心命歌|太上感应篇|孝经|孝悌歌|孝顺歌|亲恩歌|孝道良心歌|"
       "闺训千字文|孔子与小儿论|朱子治家格言|百忍歌"},
      {"造命/八字与姓名",
       "什么是八字|所谓三才|称骨算命法|血型测命|-|姓名原理|八字与起名的重要性|吉祥宝宝起名方法 |"
       "择日生子（紧参考）"},
      {"帮助", "客户服务|给我们发邮件|公司主页|-|帮助主题|关于系统|-|软件升级"},
  };
  for (const auto& m : menus) {
    QList<QAction*> level = w.menuBar()->actions();
    const QAction* found = nullptr;
    for (const QString& step : QString::fromUtf8(m.path).split(QLatin1Char('/'))) {
      found = nullptr;
      for (const QAction* a : level) {
        if (a->menu() && a->text() == step) found = a;
      }
      QVERIFY2(found, m.path);
      level = found->menu()->actions();
    }
    QCOMPARE(test::MenuEntries(*found), Split(m.entries));
  }
}

void MainWindowTest::pagesAndBarsFollowTheCommandTables() {
  TFrmmain w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  auto* pages = Child<QTabWidget>(w, "CommandPages");
  QCOMPARE(pages->currentIndex(), 0);
  const struct {
    const char* title;
    const char* buttons;
  } expected[] = {
      {"综合",
       "八字详批|生辰信息|四柱八字|称骨算命|性格总论|五行分析|年月日时|三命通会|三世财运|属相论命|"
       "生日论命|日干论命|性格分析|爱情婚姻|事业功名|财运分析|健康分析|血型论命|测字论命|指纹论命|"
       "姓名详批|起名宝典|快速起名|姓名分析|三才吉凶|缘分测试|婚姻配对|星座配对|生肖配对|血型配对|"
       "周公解析|解梦全书|手机号码|QQ配对|数字分析|网名分析"},
      {"星运八卦",
       "金钱卦|八字排盘|六壬起课 |六爻起卦|奇门遁甲|玄空飞星|金口诀|紫微斗数|太乙神数|诸葛神数 |"
       "星座详批|本年运程|星座运程|情商解析|星座实力|星座名人|身体保健|五大建议|星座缺陷|星座缘分|"
       "星座排盘|缘分测试"},
      {"黄道吉日",
       "黄道吉日|吉日查询|开市吉日|交易吉日|嫁娶吉日|入宅吉日|纳财吉日|订盟吉日|安门吉日|出行吉日|"
       "开光吉日|求嗣吉日|祈福吉日|破土吉日|祭祀吉日|安葬吉日|立碑吉日|修造吉日|造桥吉日|盖屋吉日|"
       "安香吉日|沐浴吉日|理发吉日|修坟吉日|求医吉日|挂匾吉日"},
  };
  QCOMPARE(pages->count(), int(std::size(expected)));
  for (int i = 0; i < pages->count(); ++i) {
    QCOMPARE(pages->tabText(i), QString::fromUtf8(expected[i].title));
    QCOMPARE(PageButtons(*pages->widget(i)), Split(expected[i].buttons));
  }

  QWidget* panel = Child<QWidget>(w, "InputPanel");
  QCOMPARE(ButtonsLeftToRight(*panel),
           Split("八字测算|姓名测算|星座测算|诸葛测算|每日一卦|本日黄历"));
  QWidget* bar = Child<QWidget>(w, "ResultActionBar");
  QCOMPARE(bar->height(), 30);
  QCOMPARE(ButtonsLeftToRight(*bar), Split("打印(&P)..|保存(&S)..|QQ服务(&Q)|退出(&E)"));
  QCOMPARE(Items(*Child<QComboBox>(w, "CBFont")), Split("三号|小三号|四号|小四号|五号|小五号"));
  QCOMPARE(bar->findChild<QLabel*>()->text(), QStringLiteral("字体大小："));
}

void MainWindowTest::everyCaptionIsGbkText() {
  TFrmmain w;
  QStringList texts = {w.windowTitle(), QApplication::applicationDisplayName()};
  for (QAction* a : w.findChildren<QAction*>()) texts << a->text();
  for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) texts << b->text();
  for (QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
  for (QComboBox* c : w.findChildren<QComboBox*>()) texts << Items(*c);
  for (QTabWidget* t : w.findChildren<QTabWidget*>()) {
    for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
  }
  QStringList welcome;
  for (QLabel* l : w.statusBar()->findChildren<QLabel*>()) welcome << l->text();
  QCOMPARE(welcome.size(), 1);
  QVERIFY(welcome.front().size() > 10);
  for (const QString& text : texts) {
    QVERIFY2(gbk::IsEncodable(text.toStdString()), qPrintable(text));
  }
}

void MainWindowTest::exitEndsTheProgram_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("close box") << "";
  QTest::newRow("menu") << "退出系统";
  QTest::newRow("action bar") << "退出(&E)";
}

void MainWindowTest::exitEndsTheProgram() {
  QFETCH(QString, how);
  TFrmmain w;
  w.show();
  // A modeless tool window still open must not keep the program alive.
  QWidget toolWindow;
  toolWindow.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));

  QTimer::singleShot(0, &w, [&] {
    if (how.isEmpty()) {
      w.close();
    } else if (auto items = test::MenuItems(w, how); !items.empty()) {
      items.front()->trigger();
    } else {
      Click(w, how);
    }
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  watchdog.start(5000);
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(!w.isVisible());
}

}  // namespace
}  // namespace vessa

int RunMainWindowTests(int argc, char** argv) {
  vessa::MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"

static const bool kMainWindowRegistered =
    vessa::test::RegisterSuite("MainWindow", RunMainWindowTests);
