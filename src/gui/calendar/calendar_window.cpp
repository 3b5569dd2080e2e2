#include "gui/calendar/calendar_window.h"

#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

#include "core/calendar/calendar_tables.h"
#include "gui/calendar/calendar_spinner.h"
#include "gui/kit/command_runner.h"
#include "gui/kit/qt_text.h"
#include "gui/kit/result_font.h"

namespace vessa {

using namespace std::chrono;

namespace {

// The main window's paper and cinnabar.
const QColor kPaper(0xfb, 0xf7, 0xec);
const QColor kPaperTop(0xfa, 0xf2, 0xdd);
const QColor kPaperBottom(0xee, 0xda, 0xaa);
const QColor kBand(0xef, 0xe4, 0xc9);
const QColor kEdge(0xb9, 0xa7, 0x7f);
const QColor kCinnabar(0x9e, 0x1b, 0x14);
const QColor kInk(0x5a, 0x1a, 0x0c);
const QColor kWeekendRed(0xd0, 0x1c, 0x14);

const QColor kMarkColor(126, 226, 129);
const QColor kBigYearColor(255, 232, 221);
const QColor kBigMonthColor(235, 235, 235);

constexpr QSize kWindowSize(316, 298);
// The day cells: a number above a lunar text, 42 pixels apart in a row, rows
// 32 pixels apart.
constexpr QRect kNumberTemplate(14, 56, 36, 16);
constexpr QRect kLunarTemplate(13, 73, 36, 12);
constexpr int kCellPitchX = 42;
constexpr int kCellPitchY = 32;
constexpr QSize kMarkSize(38, 30);
constexpr int kHeaderTop = 36;         // the weekday row above the grid
constexpr int kFooterHeaderTop = 250;  // and the one below it
constexpr int kHeaderHeight = 16;
constexpr int kTitleHeight = 34;
constexpr int kBottomTop = 272;

QColor ToQColor(CalendarColor c) { return QColor(c.r, c.g, c.b); }

void SetTextColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

QString SongFamily() {
  const QString song = InstalledSongFamily();
  return song.isEmpty() ? QStringLiteral("Noto Serif CJK SC") : song;
}

QFont SongFont(int pixelSize, bool bold = false) {
  QFont font(SongFamily());
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QLabel* Label(const QString& text, const QRect& geometry, const QFont& font, const QColor& color,
              QWidget* parent, Qt::Alignment alignment = Qt::AlignCenter) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment);
  SetTextColor(label, color);
  return label;
}

}  // namespace

Date LocalToday() {
  const QDate today = QDate::currentDate();
  return MakeDate(today.year(), static_cast<unsigned>(today.month()),
                  static_cast<unsigned>(today.day()));
}

TFRM_Date::TFRM_Date(TodayClock today, QWidget* parent)
    : QDialog(parent), today_(std::move(today)) {
  setObjectName(QStringLiteral("TFRM_Date"));
  setWindowTitle(QStringLiteral("Lumo日历"));
  setFixedSize(kWindowSize);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  BuildFrame();
  BuildCells();
  current_ = today_();
}

void TFRM_Date::BuildFrame() {
  // Behind the grid, the shown year and month, large and pale.
  QFont bigYearFont(QStringLiteral("DejaVu Sans"));
  bigYearFont.setPixelSize(84);
  bigYearFont.setBold(true);
  bigYear_ = Label({}, QRect(8, 54, 300, 96), bigYearFont, kBigYearColor, this);
  bigYear_->setObjectName(QStringLiteral("BigYear"));
  QFont bigMonthFont = bigYearFont;
  bigMonthFont.setPixelSize(150);
  bigMonth_ = Label({}, QRect(8, 96, 300, 152), bigMonthFont, kBigMonthColor, this);
  bigMonth_->setObjectName(QStringLiteral("BigMonth"));
  for (QLabel* big : {bigYear_, bigMonth_}) big->setAttribute(Qt::WA_TransparentForMouseEvents);

  // The mark lies under the cells' labels, above the large numbers.
  mark_ = new QWidget(this);
  mark_->setObjectName(QStringLiteral("SelectionMark"));
  mark_->resize(kMarkSize);
  mark_->setAutoFillBackground(true);
  QPalette markPalette = mark_->palette();
  markPalette.setColor(QPalette::Window, kMarkColor);
  mark_->setPalette(markPalette);
  mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Today's cell keeps a thin cinnabar frame wherever the mark goes.
  todayFrame_ = new QFrame(this);
  todayFrame_->setObjectName(QStringLiteral("TodayFrame"));
  todayFrame_->resize(kMarkSize);
  todayFrame_->setStyleSheet(
      QStringLiteral("QFrame { border: 1px solid #9e1b14; border-radius: 2px; }"));
  todayFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);
  todayFrame_->hide();

  // The title: year and month, the spinner of the one chosen, and "今天".
  const QFont titleFont = SongFont(17, true);
  yearLabel_ = Label({}, QRect(12, 6, 50, 24), titleFont, kCinnabar, this,
                     Qt::AlignRight | Qt::AlignVCenter);
  yearLabel_->setObjectName(QStringLiteral("YearLabel"));
  Label(QStringLiteral("年"), QRect(63, 6, 20, 24), SongFont(14), kInk, this);
  monthLabel_ = Label({}, QRect(84, 6, 26, 24), titleFont, kCinnabar, this,
                      Qt::AlignRight | Qt::AlignVCenter);
  monthLabel_->setObjectName(QStringLiteral("MonthLabel"));
  Label(QStringLiteral("月"), QRect(111, 6, 20, 24), SongFont(14), kInk, this);
  for (QLabel* label : {yearLabel_, monthLabel_}) {
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
  }
  yearLabel_->setToolTip(QStringLiteral("点一下年份，再用右边的箭头翻年"));
  monthLabel_->setToolTip(QStringLiteral("点一下月份，再用右边的箭头翻月"));

  yearSpinner_ = new CalendarSpinner(kCalendarFirstYear, kCalendarLastYear, this);
  yearSpinner_->setObjectName(QStringLiteral("YearSpinner"));
  monthSpinner_ = new CalendarSpinner(1, 12, this);
  monthSpinner_->setObjectName(QStringLiteral("MonthSpinner"));
  for (CalendarSpinner* spinner : {yearSpinner_, monthSpinner_}) spinner->move(136, 6);
  connect(yearSpinner_, &CalendarSpinner::Stepped, this,
          [this](int position) { RunCommand([&] { OnYearStepped(position); }); });
  connect(monthSpinner_, &CalendarSpinner::Stepped, this,
          [this](int position) { RunCommand([&] { OnMonthStepped(position); }); });
  ChooseSpinner(false);

  auto* today = new QPushButton(QStringLiteral("今天"), this);
  today->setObjectName(QStringLiteral("TodayButton"));
  today->setGeometry(250, 6, 54, 24);
  today->setFont(SongFont(13, true));
  today->setCursor(Qt::PointingHandCursor);
  today->setStyleSheet(
      QStringLiteral("QPushButton { color: #9e1b14; background: #fbf7ec; border: 1px solid #9e1b14;"
                     " border-radius: 3px; }"
                     "QPushButton:hover { background: #f6e7c4; }"
                     "QPushButton:pressed { background: #eedaaa; }"));
  connect(today, &QPushButton::clicked, this, [this] { RunCommand([&] { OnToday(); }); });

  // The weekday rows above and below the grid; the weekend in red.
  const char* const kWeekdays[] = {"星期日", "星期一", "星期二", "星期三",
                                   "星期四", "星期五", "星期六"};
  for (int top : {kHeaderTop, kFooterHeaderTop}) {
    for (int column = 0; column < 7; ++column) {
      const bool weekend = column == 0 || column == 6;
      QLabel* header = Label(
          QString::fromUtf8(kWeekdays[column]),
          QRect(kNumberTemplate.left() + kCellPitchX * column - 3, top, kCellPitchX, kHeaderHeight),
          SongFont(12, weekend), weekend ? kWeekendRed : kInk, this);
      header->setObjectName(QStringLiteral("%1%2")
                                .arg(top == kHeaderTop ? QStringLiteral("WeekdayTop")
                                                       : QStringLiteral("WeekdayBottom"))
                                .arg(column));
    }
  }

  // The zodiac year and the chosen day's constellation.
  Label(QStringLiteral("生肖"), QRect(14, kBottomTop, 32, 20), SongFont(13), kInk, this);
  zodiac_ = Label({}, QRect(48, kBottomTop, 60, 20), SongFont(14, true), kCinnabar, this,
                  Qt::AlignLeft | Qt::AlignVCenter);
  zodiac_->setObjectName(QStringLiteral("ZodiacLabel"));
  Label(QStringLiteral("星座"), QRect(186, kBottomTop, 32, 20), SongFont(13), kInk, this);
  constellation_ = Label({}, QRect(220, kBottomTop, 80, 20), SongFont(14, true), kCinnabar, this,
                         Qt::AlignLeft | Qt::AlignVCenter);
  constellation_->setObjectName(QStringLiteral("ConstellationLabel"));
}

void TFRM_Date::BuildCells() {
  QFont numberFont(QStringLiteral("Arial Black"));
  numberFont.setStyleHint(QFont::SansSerif);
  numberFont.setWeight(QFont::Black);
  numberFont.setPointSize(11);
  numberTemplate_ = Label({}, kNumberTemplate, numberFont, ToQColor(kDayNumberColor), this);
  numberTemplate_->setObjectName(QStringLiteral("DayNumberTemplate"));
  lunarTemplate_ = Label({}, kLunarTemplate, SongFont(12), ToQColor(kLunarDayColor), this);
  lunarTemplate_->setObjectName(QStringLiteral("LunarTextTemplate"));
  numberTemplate_->hide();
  lunarTemplate_->hide();

  const auto copy = [this](const QLabel* from, const QPoint& at, const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(QRect(at, from->size()));
    label->setAlignment(from->alignment());
    label->setFont(from->font());
    label->setPalette(from->palette());
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    label->hide();
    return label;
  };
  QPoint number = kNumberTemplate.topLeft(), lunar = kLunarTemplate.topLeft();
  for (int c = 1; c <= kMonthGridCells; ++c) {
    if (c > 1 && (c - 1) % 7 == 0) {
      number = {kNumberTemplate.left(), number.y() + kCellPitchY};
      lunar = {kLunarTemplate.left(), lunar.y() + kCellPitchY};
    } else if (c > 1) {
      number.rx() += kCellPitchX;
      lunar.rx() += kCellPitchX;
    }
    const auto i = static_cast<std::size_t>(c - 1);
    numbers_[i] = copy(numberTemplate_, number, QStringLiteral("DayNumber%1").arg(c));
    lunarTexts_[i] = copy(lunarTemplate_, lunar, QStringLiteral("LunarText%1").arg(c));
  }
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) ShowCurrentDate();
}

bool TFRM_Date::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  if (event->type() == QEvent::WindowActivate) {
    wasActive_ = true;
  } else if (event->type() == QEvent::WindowDeactivate && wasActive_ && isVisible()) {
    close();
  }
  return handled;
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::MouseButtonPress;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if (!press && !release) return QDialog::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return false;
  const auto* label = static_cast<QLabel*>(watched);
  const bool inside = label->rect().contains(mouse->position().toPoint());

  if (watched == yearLabel_ || watched == monthLabel_) {
    if (release && inside) ChooseSpinner(watched == yearLabel_);
    return true;
  }
  const int c = CellOf(watched);
  if (c == 0) return false;
  const auto i = static_cast<std::size_t>(c - 1);
  if (press) {
    // The mark moves at once, to the cell the press landed on.
    if (watched == numbers_[i]) {
      mark_->move(label->x() - 1, label->y() + 1);
    } else {
      mark_->move(label->x(), label->y() - 16);
    }
  } else if (inside) {
    // The click chooses the day; the grid stays as it is, constellation included.
    day_ = grid_.Cell(c).day;
    current_ = MakeDate(year_, static_cast<unsigned>(month_), static_cast<unsigned>(day_));
  }
  return true;
}

void TFRM_Date::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kPaper);
  QLinearGradient title(0, 0, 0, kTitleHeight);
  title.setColorAt(0, kPaperTop);
  title.setColorAt(1, kPaperBottom);
  p.fillRect(QRect(0, 0, width(), kTitleHeight), title);
  p.fillRect(QRect(0, kTitleHeight, width(), 2), kCinnabar);
  for (int top : {kHeaderTop, kFooterHeaderTop}) {
    p.fillRect(QRect(6, top, width() - 12, kHeaderHeight), kBand);
  }
  p.fillRect(QRect(6, kBottomTop - 4, width() - 12, 1), kCinnabar);
  p.fillRect(QRect(0, height() - 2, width(), 2), kCinnabar);
  // An edge of its own, for desktops that draw no frame.
  p.setPen(kEdge);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFRM_Date::ShowCurrentDate() {
  const year_month_day ymd{current_};
  year_ = static_cast<int>(ymd.year());
  month_ = static_cast<int>(static_cast<unsigned>(ymd.month()));
  day_ = static_cast<int>(static_cast<unsigned>(ymd.day()));
  yearSpinner_->SetPosition(year_);
  monthSpinner_->SetPosition(month_);
  Render(current_);
}

void TFRM_Date::Render(Date date) {
  grid_ = BuildMonthGrid(date);
  yearLabel_->setText(QString::number(grid_.year));
  bigYear_->setText(QString::number(grid_.year));
  monthLabel_->setText(QString::number(grid_.month));
  bigMonth_->setText(QString::number(grid_.month));
  zodiac_->setText(ToQString(grid_.zodiac));
  for (int c = 1; c <= kMonthGridCells; ++c) {
    const MonthCell& cell = grid_.Cell(c);
    const auto i = static_cast<std::size_t>(c - 1);
    QLabel* number = numbers_[i];
    QLabel* lunar = lunarTexts_[i];
    number->setText(ToQString(cell.dayText));
    QFont font = number->font();
    font.setPointSize(cell.dayFontSize);
    number->setFont(font);
    SetTextColor(number, ToQColor(cell.dayColor));
    lunar->setText(ToQString(cell.lunarText));
    SetTextColor(lunar, ToQColor(cell.lunarColor));
    number->setVisible(cell.visible);
    lunar->setVisible(cell.visible);
  }
  if (grid_.selectedCell > 0) {
    const QLabel* selected = numbers_[static_cast<std::size_t>(grid_.selectedCell - 1)];
    mark_->move(selected->x() - 1, selected->y() + 1);
  }
  // Today's frame, when today lies in the month shown.
  const year_month_day today{today_()};
  todayFrame_->hide();
  if (static_cast<int>(today.year()) == grid_.year &&
      static_cast<int>(static_cast<unsigned>(today.month())) == grid_.month) {
    for (int c = 1; c <= kMonthGridCells; ++c) {
      if (grid_.Cell(c).day != static_cast<int>(static_cast<unsigned>(today.day()))) continue;
      const QLabel* cell = numbers_[static_cast<std::size_t>(c - 1)];
      todayFrame_->move(cell->x() - 1, cell->y() + 1);
      todayFrame_->show();
    }
  }
  constellation_->setText(ToQString(grid_.constellation));
}

Date TFRM_Date::RememberedDate() const {
  const year_month_day last{year{year_} / month{static_cast<unsigned>(month_)} / std::chrono::last};
  const int length = static_cast<int>(static_cast<unsigned>(last.day()));
  return MakeDate(year_, static_cast<unsigned>(month_),
                  static_cast<unsigned>(std::min(day_, length)));
}

void TFRM_Date::OnYearStepped(int position) {
  year_ = position;
  Render(RememberedDate());
}

void TFRM_Date::OnMonthStepped(int position) {
  month_ = position;
  Render(RememberedDate());
}

void TFRM_Date::OnToday() {
  current_ = today_();
  ShowCurrentDate();
}

void TFRM_Date::ChooseSpinner(bool yearSpinner) {
  yearSpinner_->setVisible(yearSpinner);
  monthSpinner_->setVisible(!yearSpinner);
  // The label the arrows step is underlined.
  for (QLabel* label : {yearLabel_, monthLabel_}) {
    QFont font = label->font();
    font.setUnderline((label == yearLabel_) == yearSpinner);
    label->setFont(font);
  }
}

int TFRM_Date::CellOf(const QObject* label) const {
  for (std::size_t i = 0; i < numbers_.size(); ++i) {
    if (label == numbers_[i] || label == lunarTexts_[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace vessa
