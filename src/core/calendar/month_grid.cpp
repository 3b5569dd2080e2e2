#include "core/calendar/month_grid.h"

#include "core/calendar/calendar_names.h"

namespace vessa {

using namespace std::chrono;

MonthGrid BuildMonthGrid(Date date) {
  const year_month_day ymd{date};
  MonthGrid grid;
  grid.year = static_cast<int>(ymd.year());
  grid.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  grid.zodiac = ZodiacYearOf(date);

  const sys_days first{ymd.year() / ymd.month() / 1};
  const int firstWeekday = static_cast<int>(weekday{first}.c_encoding()) + 1;  // Sunday 1
  const int length =
      static_cast<int>(static_cast<unsigned>((ymd.year() / ymd.month() / last).day()));
  const int selected = static_cast<int>(static_cast<unsigned>(ymd.day()));

  for (int d = 1; d <= length; ++d) {
    const int c = firstWeekday + d - 1;  // [1, 37]
    const Date t = first + days{d - 1};
    MonthCell& cell = grid.Cell(c);
    cell.day = d;
    cell.dayText = std::to_string(d);

    cell.lunarText = CalendarDayName(t);
    cell.lunarColor = kLunarDayColor;
    if (cell.lunarText == "初一") {
      cell.lunarText = CalendarMonthName(t);
      cell.lunarColor = kLunarMonthColor;
    }
    // Each of these outranks what came before it.
    if (std::string festival = SolarFestivalOf(date, d); !festival.empty()) {
      cell.lunarText = std::move(festival);
      cell.lunarColor = kFestivalColor;
    }
    if (std::string term = CalendarTermOf(t); !term.empty()) {
      cell.lunarText = std::move(term);
      cell.lunarColor = kTermColor;
    }
    if (std::string festival = LunarFestivalOf(t); !festival.empty()) {
      cell.lunarText = std::move(festival);
      cell.lunarColor = kFestivalColor;
    }

    if (d == selected) {
      grid.selectedCell = c;
      grid.constellation = CalendarConstellationOf(t);
    }
    cell.visible = true;
  }
  return grid;
}

}  // namespace vessa
