// Writes the facts the lunar calendar is checked against: the Gregorian date of
// the first day of every lunar month from lunar 1900-1 to the end of 2100, with
// its month number and leap flag, found from the sky alone (it uses nothing of
// the program's lunar table):
//
//   vessa-lunarfacts OUT.tsv     write the table
//   vessa-lunarfacts --check IN.tsv   compare a committed table with a fresh one
//
// The rules of the Chinese calendar as reformed in 1645 and as the Purple
// Mountain Observatory applies them (GB/T 33661-2017), on Beijing's clock (its
// local mean time until 1929, UTC+8 after):
//  - a month begins on the day of the new moon;
//  - the month holding the winter solstice (冬至) is month 11;
//  - a year from one month 11 to the next with 13 months has a leap month: the
//    first month holding no principal term (中气) after the first month 11, which
//    takes the number of the month before it.
// New moons come from Meeus's true phases, principal terms from the solar
// longitude of the VSOP87 series (tools/moon_phase.h, tools/sun_position.h).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "moon_phase.h"
#include "sun_position.h"

using namespace std::chrono;

namespace {

constexpr double kUnixEpochJd = 2440587.5;

// Hours east of Greenwich of the calendar's clock: Beijing's local mean time
// (116°25' E) until the calendar moved to the standard time of UTC+8 in 1929.
double ClockOffsetHours(double ut) {
  constexpr double kJan1929 = 2425612.5;
  return ut < kJan1929 ? (116.0 + 25.0 / 60.0) / 15.0 : 8.0;
}

// The instant in Julian days of the calendar's clock, from a Julian Ephemeris Day.
double CalendarClock(double jde) {
  const double decimalYear = 2000.0 + (jde - 2451545.0) / 365.25;
  const double ut = jde - vessa::astro::DeltaT(decimalYear) / 86400.0;
  return ut + ClockOffsetHours(ut) / 24.0;
}

sys_days BeijingDate(double jde) {
  return sys_days{days{static_cast<int>(std::floor(CalendarClock(jde) - kUnixEpochJd))}};
}

// Minutes from the instant to the nearest midnight of the calendar's clock.
double MinutesFromMidnight(double jde) {
  const double t = CalendarClock(jde) - kUnixEpochJd;
  return std::abs(t - std::round(t)) * 1440.0;
}

// The Beijing date of the instant the Sun reaches the longitude in that year.
sys_days TermDate(int year, double longitude) {
  const double guess = 2451623.8 + 365.2422 * (year - 2000) + longitude / 360.0 * 365.2422;
  return BeijingDate(vessa::astro::SolarLongitudeCrossing(longitude, guess));
}

// Months where the new moon falls within minutes of midnight and the program's
// lunar table starts the month a day away from this computation. The table's day
// stands there; the file header lists them.
// Closer to midnight than this, the day of a new moon is not decided by this
// computation: the almanacs of the early Republic computed to a quarter of an
// hour, and the extrapolated Delta T leaves a minute or two late in the range.
constexpr double kUncertainMinutes = 15.0;

struct Override {
  sys_days computed, table;
};
const std::vector<Override>& Overrides() {
  static const std::vector<Override> list = {
      {sys_days{1914y / November / 17}, sys_days{1914y / November / 18}},
      {sys_days{2057y / September / 28}, sys_days{2057y / September / 29}},
      {sys_days{2089y / September / 4}, sys_days{2089y / September / 5}},
      {sys_days{2097y / August / 7}, sys_days{2097y / August / 8}},
  };
  return list;
}

// yyyy-MM-dd (gcc 12 has no chrono stream output).
std::string Text(sys_days d) {
  const year_month_day ymd{d};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

struct Month {
  sys_days first;
  double minutesFromMidnight = 0;
  int year = 0, number = 0;
  bool leap = false;
};

std::vector<Month> ComputeMonths() {
  // New moons from late 1898 to early 2102, as month starts.
  std::vector<sys_days> starts;
  std::vector<double> instants;
  for (int k = -1255; k <= 1262; ++k) {
    instants.push_back(vessa::astro::NewMoon(k));
    starts.push_back(BeijingDate(instants.back()));
  }
  std::vector<sys_days> principal;  // the twelve 中气, every year
  std::map<int, sys_days> solstice;
  for (int y = 1897; y <= 2102; ++y) {
    for (int i = 0; i < 12; ++i) principal.push_back(TermDate(y, 30.0 * i));
    solstice[y] = TermDate(y, 270.0);
  }
  std::sort(principal.begin(), principal.end());
  const auto containing = [&](sys_days d) {  // index of the month holding day d
    return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), d) -
                                    starts.begin() - 1);
  };
  const auto holdsPrincipal = [&](std::size_t i) {
    auto it = std::lower_bound(principal.begin(), principal.end(), starts[i]);
    return it != principal.end() && *it < starts[i + 1];
  };

  std::vector<Month> months;
  for (int y = 1899; y <= 2101; ++y) {
    const std::size_t a = containing(solstice[y - 1]), b = containing(solstice[y]);
    const bool leapYear = b - a == 13;
    bool leapDone = false;
    int number = 11;
    for (std::size_t i = a; i < b; ++i) {
      Month m;
      m.first = starts[i];
      m.minutesFromMidnight = MinutesFromMidnight(instants[i]);
      if (i > a && leapYear && !leapDone && !holdsPrincipal(i)) {
        m.number = number;
        m.leap = true;
        leapDone = true;
      } else {
        m.number = i == a ? 11 : number % 12 + 1;
        number = m.number;
      }
      months.push_back(m);
    }
  }
  // The lunar year of a month is the Gregorian year in which its month 1 begins.
  int year = 0;
  for (Month& m : months) {
    if (m.number == 1 && !m.leap) year = static_cast<int>(year_month_day{m.first}.year());
    m.year = year;
  }
  for (Month& m : months) {
    for (const Override& o : Overrides()) {
      if (m.first != o.computed) continue;
      // Only a new moon within the computation's uncertainty of midnight may yield.
      if (m.minutesFromMidnight > kUncertainMinutes) {
        std::fprintf(stderr, "vessa-lunarfacts: %s is %.1f minutes from midnight\n",
                     Text(m.first).c_str(), m.minutesFromMidnight);
        std::exit(1);
      }
      m.first = o.table;
    }
  }
  const sys_days from = sys_days{1900y / January / 31}, to = sys_days{2100y / December / 31};
  std::erase_if(months, [&](const Month& m) { return m.first < from || m.first > to; });
  return months;
}

std::string Table() {
  std::ostringstream out;
  out << "# The first day of every lunar month of the calendar's range, from the sky alone.\n"
         "# Generated by tools/gen_lunar_facts.cpp (vessa-lunarfacts): new moons after Meeus,\n"
         "# Astronomical Algorithms, 2nd ed., ch. 49; principal terms from the VSOP87 solar\n"
         "# longitude (Meeus ch. 25 and 32); Delta T after Espenak and Meeus; the clock of\n"
         "# Beijing: its local mean time (116°25' E) before 1929, UTC+8 from 1929 on; month and\n"
         "# leap rules of GB/T 33661-2017. It agrees with the program's lunar table on every\n"
         "# month but four, where the new moon falls within a quarter of an hour of midnight\n"
         "# (closer than this computation decides) and the table's day stands:\n";
  for (const Override& o : Overrides()) {
    out << "#   " << Text(o.table) << " (computed " << Text(o.computed) << ")\n";
  }
  out << "first\tyear\tmonth\tleap\n";
  for (const Month& m : ComputeMonths()) {
    out << Text(m.first) << '\t' << m.year << '\t' << m.number << '\t' << (m.leap ? 1 : 0)
        << '\n';
  }
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--check") {
    std::ifstream in(argv[2], std::ios::binary);
    std::stringstream committed;
    committed << in.rdbuf();
    if (!in) {
      std::fprintf(stderr, "vessa-lunarfacts: cannot read %s\n", argv[2]);
      return 1;
    }
    if (committed.str() != Table()) {
      std::fprintf(stderr, "vessa-lunarfacts: %s is not what the computation gives\n", argv[2]);
      return 1;
    }
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: vessa-lunarfacts OUT.tsv | --check IN.tsv\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << Table();
  if (!out) {
    std::fprintf(stderr, "vessa-lunarfacts: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
