#include <QtTest>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include "core/text/date_text.h"
#include "core/text/gbk.h"
#include "gui/calendar/calendar_spinner.h"
#include "gui/calendar/calendar_window.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "window_driver.h"

// The perpetual calendar "Lumo日历", opened from the menu item "万年历法".
namespace vessa {
namespace {

using test::Named;

QLabel* Number(QWidget& w, int cell) {
  return Named<QLabel>(w, QStringLiteral("DayNumber%1").arg(cell).toLatin1().constData());
}
QLabel* Lunar(QWidget& w, int cell) {
  return Named<QLabel>(w, QStringLiteral("LunarText%1").arg(cell).toLatin1().constData());
}
QString Text(QWidget& w, const char* name) { return Named<QLabel>(w, name)->text(); }
QColor TextColor(const QLabel& label) { return label.palette().color(QPalette::WindowText); }
QPoint MarkPos(QWidget& w) { return Named<QWidget>(w, "SelectionMark")->pos(); }
// Where the mark stands on a cell: a pixel left of its number and one below.
QPoint MarkOn(QWidget& w, int cell) { return Number(w, cell)->pos() + QPoint(-1, 1); }

CalendarSpinner* Spinner(QWidget& w, const char* name) { return Named<CalendarSpinner>(w, name); }
void Step(QWidget& w, const char* spinner, const char* arrow) {
  QTest::mouseClick(Named<QToolButton>(*Spinner(w, spinner), arrow), Qt::LeftButton);
}

// The calendar on its own, on a fixed today.
struct Calendar {
  TFRM_Date window;
  explicit Calendar(Date today) : window([today] { return today; }) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the calendar was not shown");
  }
  int SelectedDay() const { return window.Grid().Cell(window.Grid().selectedCell).day; }
};

}  // namespace

class CalendarWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensModallyOnTodayFromTheMenu();
  void layoutOfTheMonth();
  void clickingADayMovesTheMarkAndKeepsTheConstellation();
  void spinnersStopAtTheirEnds();
  void rememberedDayIsHeldToEachMonth();
  void labelsChooseTheSpinner();
  void todayReturnsToToday();
  void losingTheFocusCloses();
};

void CalendarWindowTest::opensModallyOnTodayFromTheMenu() {
  TFrmmain main;
  Date today = MakeDate(2010, 5, 9);
  main.SetTodayClock([&today] { return today; });
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QVERIFY(test::Buttons(main, QStringLiteral("万年历法")).empty());
  QVERIFY(test::Invoke(main, QStringLiteral("万年历法"), test::Via::Menu));
  QPointer<TFRM_Date> first = main.PerpetualCalendar();
  QVERIFY(first);
  QVERIFY(QTest::qWaitForWindowExposed(first));
  QCOMPARE(first->windowTitle(), QStringLiteral("Lumo日历"));
  QCOMPARE(first->objectName(), QStringLiteral("TFRM_Date"));
  QCOMPARE(first->windowModality(), Qt::ApplicationModal);

  // Today's month, today marked, today's constellation.
  QCOMPARE(Text(*first, "YearLabel"), QStringLiteral("2010"));
  QCOMPARE(Text(*first, "MonthLabel"), QStringLiteral("5"));
  QCOMPARE(Text(*first, "BigYear"), QStringLiteral("2010"));
  QCOMPARE(Text(*first, "BigMonth"), QStringLiteral("5"));
  QCOMPARE(Text(*first, "ZodiacLabel"), QStringLiteral("寅虎"));
  QCOMPARE(Text(*first, "ConstellationLabel"), QStringLiteral("金牛座"));
  QCOMPARE(MarkPos(*first), MarkOn(*first, 15));
  QCOMPARE(first->CurrentDate(), today);

  // Each opening starts afresh on the day it is opened.
  first->close();
  QTRY_VERIFY(first.isNull());
  QVERIFY(!main.PerpetualCalendar());
  today = MakeDate(2012, 2, 29);
  QVERIFY(test::Invoke(main, QStringLiteral("万年历法"), test::Via::Menu));
  TFRM_Date* second = main.PerpetualCalendar();
  QVERIFY(second);
  QCOMPARE(Text(*second, "MonthLabel"), QStringLiteral("2"));
  QCOMPARE(Text(*second, "ConstellationLabel"), QStringLiteral("双鱼座"));
  QCOMPARE(MarkPos(*second), MarkOn(*second, 32));  // February 2012 begins on a Wednesday
  QCOMPARE(main.findChildren<TFRM_Date*>().size(), 1);
}

void CalendarWindowTest::layoutOfTheMonth() {
  Calendar c(MakeDate(2010, 5, 9));  // May 2010: 31 days from a Saturday
  TFRM_Date& w = c.window;
  for (int cell = 1; cell <= 37; ++cell) {
    QVERIFY(Number(w, cell)->isVisible() == (cell >= 7));
    QVERIFY(Lunar(w, cell)->isVisible() == (cell >= 7));
  }
  QCOMPARE(Number(w, 7)->text(), QStringLiteral("1"));
  QCOMPARE(Lunar(w, 7)->text(), QStringLiteral("劳动节"));
  QCOMPARE(TextColor(*Lunar(w, 7)), QColor(255, 128, 0));
  QCOMPARE(Lunar(w, 11)->text(), QStringLiteral("立夏"));
  QCOMPARE(TextColor(*Lunar(w, 11)), QColor(83, 83, 255));
  QCOMPARE(Lunar(w, 20)->text(), QStringLiteral("四月"));
  QCOMPARE(TextColor(*Lunar(w, 20)), QColor(255, 0, 0));
  QCOMPARE(Lunar(w, 8)->text(), QStringLiteral("十九"));
  QCOMPARE(TextColor(*Lunar(w, 8)), QColor(0, 64, 0));
  QCOMPARE(Number(w, 37)->text(), QStringLiteral("31"));
  QCOMPARE(TextColor(*Number(w, 37)), QColor(Qt::black));

  // The cells: 42 pixels apart in a row, rows 32 apart, from the templates' places.
  QCOMPARE(Number(w, 1)->geometry(), QRect(14, 56, 36, 16));
  QCOMPARE(Lunar(w, 1)->geometry(), QRect(13, 73, 36, 12));
  QCOMPARE(Number(w, 2)->pos(), QPoint(56, 56));
  QCOMPARE(Number(w, 8)->pos(), QPoint(14, 88));
  QCOMPARE(Number(w, 37)->pos(), QPoint(56, 216));
  QCOMPARE(Lunar(w, 37)->pos(), QPoint(55, 233));
  QWidget* mark = Named<QWidget>(w, "SelectionMark");
  QCOMPARE(mark->size(), QSize(38, 30));
  QCOMPARE(mark->palette().color(QPalette::Window), QColor(126, 226, 129));
  QCOMPARE(TextColor(*Named<QLabel>(w, "BigYear")), QColor(255, 232, 221));
  QCOMPARE(TextColor(*Named<QLabel>(w, "BigMonth")), QColor(235, 235, 235));

  // Two weekday rows, Sunday first, the weekend in red.
  const QStringList names = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  for (const char* row : {"WeekdayTop", "WeekdayBottom"}) {
    for (int column = 0; column < 7; ++column) {
      const QLabel* header =
          Named<QLabel>(w, QStringLiteral("%1%2").arg(row).arg(column).toLatin1().constData());
      QCOMPARE(header->text(), names[column]);
      const QColor color = TextColor(*header);
      const bool red = color.red() > 180 && color.green() < 60 && color.blue() < 60;
      QVERIFY2(red == (column == 0 || column == 6), qPrintable(header->text()));
    }
  }
  QVERIFY(Named<QWidget>(w, "TodayFrame")->isVisible());
  QCOMPARE(Named<QWidget>(w, "TodayFrame")->pos(), MarkOn(w, 15));

  QStringList texts = {w.windowTitle()};
  for (const QLabel* label : w.findChildren<QLabel*>()) texts << label->text() << label->toolTip();
  for (const QPushButton* button : w.findChildren<QPushButton*>()) texts << button->text();
  for (const QString& text : texts)
    QVERIFY2(gbk::IsEncodable(text.toStdString()), qPrintable(text));
}

void CalendarWindowTest::clickingADayMovesTheMarkAndKeepsTheConstellation() {
  Calendar c(MakeDate(2010, 5, 9));
  TFRM_Date& w = c.window;
  // Pressing the lunar text of 25 May moves the mark at once; the click chooses the day.
  QLabel* lunar = Lunar(w, 31);
  QTest::mousePress(lunar, Qt::LeftButton);
  QCOMPARE(MarkPos(w), lunar->pos() - QPoint(0, 16));
  QCOMPARE(MarkPos(w), MarkOn(w, 31));
  QCOMPARE(w.RememberedDay(), 9);
  QTest::mouseRelease(lunar, Qt::LeftButton);
  QCOMPARE(w.RememberedDay(), 25);
  QCOMPARE(w.CurrentDate(), MakeDate(2010, 5, 25));
  // The grid is not rebuilt: the constellation stays that of the 9th.
  QCOMPARE(Text(w, "ConstellationLabel"), QStringLiteral("金牛座"));
  QCOMPARE(c.SelectedDay(), 9);

  QTest::mouseClick(Number(w, 10), Qt::LeftButton);  // 4 May, by its number
  QCOMPARE(MarkPos(w), MarkOn(w, 10));
  QCOMPARE(w.RememberedDay(), 4);
  QCOMPARE(w.CurrentDate(), MakeDate(2010, 5, 4));

  // The next step renders the chosen day in the new month.
  Step(w, "MonthSpinner", "Up");
  QCOMPARE(Text(w, "MonthLabel"), QStringLiteral("6"));
  QCOMPARE(c.SelectedDay(), 4);
  QCOMPARE(Text(w, "ConstellationLabel"), QStringLiteral("双子座"));
  QCOMPARE(MarkPos(w), MarkOn(w, 6));  // June 2010 begins on a Tuesday
  QCOMPARE(Lunar(w, 3)->text(), QStringLiteral("儿童节"));
  QVERIFY(!Number(w, 2)->isVisible());
  QVERIFY(!Named<QWidget>(w, "TodayFrame")->isVisible());
}

void CalendarWindowTest::spinnersStopAtTheirEnds() {
  {
    Calendar c(MakeDate(2100, 12, 15));
    TFRM_Date& w = c.window;
    QTest::mouseClick(Named<QLabel>(w, "YearLabel"), Qt::LeftButton);
    CalendarSpinner* years = Spinner(w, "YearSpinner");
    QCOMPARE(years->Minimum(), 1901);
    QCOMPARE(years->Maximum(), 2100);
    QVERIFY(!Named<QToolButton>(*years, "Up")->isEnabled());
    QSignalSpy stepped(years, &CalendarSpinner::Stepped);
    years->Step(1);
    Step(w, "YearSpinner", "Up");
    QCOMPARE(stepped.count(), 0);
    QCOMPARE(Text(w, "YearLabel"), QStringLiteral("2100"));
    QTest::mouseClick(Named<QLabel>(w, "MonthLabel"), Qt::LeftButton);
    Spinner(w, "MonthSpinner")->Step(1);
    QCOMPARE(Text(w, "MonthLabel"), QStringLiteral("12"));
    QCOMPARE(Lunar(w, 34)->text(), QStringLiteral("腊月"));  // 31 December 2100, a Friday
    QCOMPARE(Text(w, "ZodiacLabel"), QStringLiteral("申猴"));

    QTest::mouseClick(Named<QLabel>(w, "YearLabel"), Qt::LeftButton);
    Step(w, "YearSpinner", "Down");
    QCOMPARE(Text(w, "YearLabel"), QStringLiteral("2099"));
    QCOMPARE(c.SelectedDay(), 15);
    QVERIFY(Named<QToolButton>(*years, "Up")->isEnabled());
  }
  {
    Calendar c(MakeDate(1901, 1, 1));
    TFRM_Date& w = c.window;
    QCOMPARE(Lunar(w, 3)->text(), QStringLiteral("元旦节"));  // 冬月十一, a Tuesday
    QCOMPARE(Lunar(w, 4)->text(), QStringLiteral("十二"));
    QCOMPARE(Text(w, "ZodiacLabel"), QStringLiteral("子鼠"));
    CalendarSpinner* months = Spinner(w, "MonthSpinner");
    QVERIFY(!Named<QToolButton>(*months, "Down")->isEnabled());
    months->Step(-1);
    Spinner(w, "YearSpinner")->Step(-1);
    QCOMPARE(Text(w, "YearLabel"), QStringLiteral("1901"));
    QCOMPARE(Text(w, "MonthLabel"), QStringLiteral("1"));
    Step(w, "MonthSpinner", "Up");
    QCOMPARE(Text(w, "MonthLabel"), QStringLiteral("2"));
    // 1 February 1901 still lies in the 腊月 of the 子鼠 year.
    QCOMPARE(Text(w, "ZodiacLabel"), QStringLiteral("子鼠"));
  }
}

void CalendarWindowTest::rememberedDayIsHeldToEachMonth() {
  Calendar c(MakeDate(2010, 1, 31));
  TFRM_Date& w = c.window;
  struct Stop {
    const char* month;
    int shownDay;
  };
  // February shows its last day, April its 30th; March and May the 31st again.
  for (const Stop& stop : {Stop{"2", 28}, Stop{"3", 31}, Stop{"4", 30}, Stop{"5", 31}}) {
    Step(w, "MonthSpinner", "Up");
    QCOMPARE(Text(w, "MonthLabel"), QString::fromUtf8(stop.month));
    QCOMPARE(c.SelectedDay(), stop.shownDay);
    QCOMPARE(w.RememberedDay(), 31);
  }
  QCOMPARE(w.CurrentDate(), MakeDate(2010, 1, 31));  // the spinners choose no day
  QTest::mouseClick(Named<QLabel>(w, "YearLabel"), Qt::LeftButton);
  Step(w, "YearSpinner", "Up");
  Step(w, "YearSpinner", "Up");
  QTest::mouseClick(Named<QLabel>(w, "MonthLabel"), Qt::LeftButton);
  for (int i = 0; i < 3; ++i) Step(w, "MonthSpinner", "Down");
  QCOMPARE(Text(w, "YearLabel"), QStringLiteral("2012"));
  QCOMPARE(Text(w, "MonthLabel"), QStringLiteral("2"));
  QCOMPARE(c.SelectedDay(), 29);  // a leap February
}

void CalendarWindowTest::labelsChooseTheSpinner() {
  Calendar c(MakeDate(2010, 5, 9));
  TFRM_Date& w = c.window;
  QVERIFY(Spinner(w, "MonthSpinner")->isVisible());
  QVERIFY(!Spinner(w, "YearSpinner")->isVisible());
  QTest::mouseClick(Named<QLabel>(w, "YearLabel"), Qt::LeftButton);
  QVERIFY(Spinner(w, "YearSpinner")->isVisible());
  QVERIFY(!Spinner(w, "MonthSpinner")->isVisible());
  QTest::mouseClick(Named<QLabel>(w, "MonthLabel"), Qt::LeftButton);
  QVERIFY(Spinner(w, "MonthSpinner")->isVisible());
  QVERIFY(!Spinner(w, "YearSpinner")->isVisible());
  // Nothing else changed.
  QCOMPARE(Text(w, "YearLabel"), QStringLiteral("2010"));
  QCOMPARE(c.SelectedDay(), 9);
}

void CalendarWindowTest::todayReturnsToToday() {
  Calendar c(MakeDate(2010, 5, 9));
  TFRM_Date& w = c.window;
  QTest::mouseClick(Lunar(w, 30), Qt::LeftButton);  // 24 May
  Step(w, "MonthSpinner", "Up");
  QTest::mouseClick(Named<QLabel>(w, "YearLabel"), Qt::LeftButton);
  Step(w, "YearSpinner", "Up");
  QCOMPARE(w.Grid().year, 2011);
  QTest::mouseClick(Named<QPushButton>(w, "TodayButton"), Qt::LeftButton);
  QCOMPARE(w.CurrentDate(), MakeDate(2010, 5, 9));
  QCOMPARE(w.RememberedYear(), 2010);
  QCOMPARE(w.RememberedMonth(), 5);
  QCOMPARE(w.RememberedDay(), 9);
  QCOMPARE(Spinner(w, "YearSpinner")->Position(), 2010);
  QCOMPARE(Spinner(w, "MonthSpinner")->Position(), 5);
  QCOMPARE(MarkPos(w), MarkOn(w, 15));
  QCOMPARE(Text(w, "ConstellationLabel"), QStringLiteral("金牛座"));
  QVERIFY(Named<QWidget>(w, "TodayFrame")->isVisible());
}

void CalendarWindowTest::losingTheFocusCloses() {
  TFrmmain main;
  main.SetTodayClock([] { return MakeDate(2010, 5, 9); });
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QVERIFY(test::Invoke(main, QStringLiteral("万年历法"), test::Via::Menu));
  QPointer<TFRM_Date> calendar = main.PerpetualCalendar();
  QVERIFY(QTest::qWaitForWindowExposed(calendar));
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(calendar, &activate);
  QVERIFY(calendar->isVisible());
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(calendar, &deactivate);
  QTRY_VERIFY(calendar.isNull());
  QVERIFY(main.isVisible());
}

}  // namespace vessa

int RunCalendarWindowTests(int argc, char** argv) {
  vessa::CalendarWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "calendar_window_test.moc"

static const bool kCalendarWindowRegistered =
    vessa::test::RegisterSuite("CalendarWindow", RunCalendarWindowTests);
