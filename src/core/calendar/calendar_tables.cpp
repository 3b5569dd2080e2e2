#include "core/calendar/calendar_tables.h"

#include <stdexcept>

#include "core/calendar/solar_terms.h"

namespace vessa {

using namespace std::chrono;

namespace {

// The calendar day [1, 31] of term n [0, 23] of a solar year, in Beijing time.
int TermDay(int year, int n) {
  const auto instant = SolarTermInstant(year, n);
  if (!instant) throw std::logic_error("no term instant for " + std::to_string(year));
  const year_month_day ymd{DateOf(*instant)};
  // Terms 2k and 2k + 1 fall in month k + 1; the table could not say otherwise.
  if (static_cast<unsigned>(ymd.month()) != static_cast<unsigned>(n / 2 + 1)) {
    throw std::logic_error("a term outside its month in " + std::to_string(year));
  }
  return static_cast<int>(static_cast<unsigned>(ymd.day()));
}

std::array<std::uint8_t, kCalendarTermBytes> MakeCalendarTermTable() {
  std::array<std::uint8_t, kCalendarTermBytes> table{};
  for (int y = kCalendarFirstYear; y <= kCalendarLastYear; ++y) {
    for (int m = 0; m < 12; ++m) {
      const int high = 15 - TermDay(y, 2 * m);     // the first term lies on day [3, 9]
      const int low = TermDay(y, 2 * m + 1) - 15;  // the second on day [18, 24]
      if (high < 0 || high > 15 || low < 0 || low > 15) {
        throw std::logic_error("a term day the nibbles cannot hold in " + std::to_string(y));
      }
      table[static_cast<std::size_t>((y - kCalendarFirstYear) * 12 + m)] =
          static_cast<std::uint8_t>(high << 4 | low);
    }
  }
  return table;
}

}  // namespace

const std::array<std::uint8_t, kCalendarTermBytes>& CalendarTermTable() {
  static const std::array<std::uint8_t, kCalendarTermBytes> table = MakeCalendarTermTable();
  return table;
}

}  // namespace vessa
