#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/text/date_text.h"

// One month of the perpetual calendar laid out as 37 day cells, seven to a row,
// Sunday first, with the text and colour under each day number.
namespace vessa {

struct CalendarColor {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(CalendarColor, CalendarColor) = default;
};

inline constexpr CalendarColor kDayNumberColor{0, 0, 0};
inline constexpr CalendarColor kLunarDayColor{0, 64, 0};
inline constexpr CalendarColor kLunarMonthColor{255, 0, 0};  // on the first day of a month
inline constexpr CalendarColor kFestivalColor{255, 128, 0};
inline constexpr CalendarColor kTermColor{83, 83, 255};

inline constexpr int kMonthGridCells = 37;

struct MonthCell {
  bool visible = false;
  int day = 0;          // [1, 31], 0 in a hidden cell
  std::string dayText;  // "1" … "31"
  // The lunar day, or instead the month's name on its first day, a solar
  // festival, a solar term or a lunar festival, the last of these that applies.
  std::string lunarText;
  CalendarColor lunarColor = kDayNumberColor;
  CalendarColor dayColor = kDayNumberColor;
  int dayFontSize = 11;  // points
};

struct MonthGrid {
  int year = 0;
  int month = 0;              // [1, 12]
  std::string zodiac;         // ZodiacYearOf the date the grid was built for
  int selectedCell = 0;       // [1, 37], the cell of that date
  std::string constellation;  // CalendarConstellationOf that date
  std::array<MonthCell, kMonthGridCells> cells;

  // Cell c [1, 37] lies in row (c - 1) / 7 and column (c - 1) % 7, column 0 Sunday.
  const MonthCell& Cell(int c) const { return cells[static_cast<std::size_t>(c - 1)]; }
  MonthCell& Cell(int c) { return cells[static_cast<std::size_t>(c - 1)]; }
};

// The grid of the month of `date`, with the day of `date` selected. Day d of a
// month whose first day is weekday w (Sunday 1 … Saturday 7) lies in cell w + d - 1.
// Under each day: a lunar festival, else a solar term, else a solar festival,
// else the month's name on the first lunar day, else the lunar day.
MonthGrid BuildMonthGrid(Date date);

}  // namespace vessa
