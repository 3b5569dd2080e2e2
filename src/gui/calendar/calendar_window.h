#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "core/calendar/month_grid.h"
#include "core/text/date_text.h"

class QLabel;

namespace vessa {

class CalendarSpinner;

// Where "today" comes from; the program passes LocalToday, tests a fixed day.
using TodayClock = std::function<Date()>;
// Today's date on this machine's clock and time zone.
Date LocalToday();

// The perpetual calendar "Lumo日历": one month of 1901-2100 as 37 day cells, each
// day number over its lunar day, festival or term, with the year and month
// stepped by their spinners. It starts on today, remembers the day last chosen
// across the months, and closes when it loses the focus.
class TFRM_Date : public QDialog {
  Q_OBJECT

 public:
  explicit TFRM_Date(TodayClock today, QWidget* parent = nullptr);

  // The day the window was opened on, or last chose by a click or "今天".
  Date CurrentDate() const { return current_; }
  int RememberedYear() const { return year_; }
  int RememberedMonth() const { return month_; }
  int RememberedDay() const { return day_; }
  // The grid last rendered.
  const MonthGrid& Grid() const { return grid_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildCells();
  void BuildFrame();
  // Remembers the current date, sets the spinners to it and renders it.
  void ShowCurrentDate();
  void Render(Date date);
  // The remembered year and month with the remembered day held to the month's length.
  Date RememberedDate() const;
  void OnYearStepped(int position);
  void OnMonthStepped(int position);
  void OnToday();
  // Shows the year spinner (or the month spinner) and hides the other.
  void ChooseSpinner(bool yearSpinner);
  // The cell [1, 37] whose number or lunar text `label` is, or 0.
  int CellOf(const QObject* label) const;

  TodayClock today_;
  Date current_;
  int year_ = 0, month_ = 0, day_ = 0;
  MonthGrid grid_;
  bool wasActive_ = false;

  QLabel* numberTemplate_ = nullptr;
  QLabel* lunarTemplate_ = nullptr;
  std::array<QLabel*, kMonthGridCells> numbers_{};
  std::array<QLabel*, kMonthGridCells> lunarTexts_{};
  QWidget* mark_ = nullptr;
  QWidget* todayFrame_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QLabel* monthLabel_ = nullptr;
  CalendarSpinner* yearSpinner_ = nullptr;
  CalendarSpinner* monthSpinner_ = nullptr;
  QLabel* bigYear_ = nullptr;
  QLabel* bigMonth_ = nullptr;
  QLabel* zodiac_ = nullptr;
  QLabel* constellation_ = nullptr;
};

}  // namespace vessa
