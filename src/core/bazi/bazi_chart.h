#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar/sexagenary.h"
#include "core/calendar/solar_terms.h"
#include "core/text/date_text.h"
#include "core/data/content_store.h"

// The four pillars of a birth moment and the values the readings hang on them.
namespace vessa {

// The four pillars in reading order.
enum class PillarSlot { Year = 0, Month = 1, Day = 2, Hour = 3 };
inline constexpr std::array<PillarSlot, 4> kPillarSlots = {PillarSlot::Year, PillarSlot::Month,
                                                           PillarSlot::Day, PillarSlot::Hour};

// A span of luck time: 3 days of real time make a year, a day 4 months, an hour
// 5 days, a minute 2 hours (360-day years, 30-day months).
struct LuckSpan {
  int years = 0;
  int months = 0;  // [0, 11]
  int days = 0;    // [0, 29]
  friend bool operator==(const LuckSpan&, const LuckSpan&) = default;
};

struct BaziChart {
  int year = 0, month = 0, day = 0, hour = 0;  // the solar birth moment as passed in
  int termShift = 0;  // -1 when born on a jie-term day before the term's instant

  std::array<Pillar, 4> pillars{};  // by PillarSlot
  const Pillar& At(PillarSlot s) const { return pillars[static_cast<std::size_t>(s)]; }
  Pillar& At(PillarSlot s) { return pillars[static_cast<std::size_t>(s)]; }
  const Pillar& YearPillar() const { return At(PillarSlot::Year); }
  const Pillar& MonthPillar() const { return At(PillarSlot::Month); }
  const Pillar& DayPillar() const { return At(PillarSlot::Day); }
  const Pillar& HourPillar() const { return At(PillarSlot::Hour); }

  std::array<int, 4> hiddenIndex{};          // zero-based branch index of each pillar
  std::array<std::string, 4> hiddenStems{};  // HiddenStemTable[hiddenIndex]
  std::string fetalOrigin;                   // two characters and one space
  bool luckReverse = false;
  int luckStart = 0;  // [1, 10]
  std::string luckStartText;
  LuckSpan luckStartExact;  // the time to the jie as time of luck
  Date luckStartDate{};     // the day the first luck pillar begins
  std::string luckPillars;     // ten pairs separated by three spaces
  std::string luckNayinLine;   // "纳音：" + nayin and a space per luck pillar
  std::string luckTenGodLine;  // "十神：" + ten god and three spaces per luck pillar
  std::string birthdayText;
};

inline constexpr std::string_view kDateCheckMessage = "请检查输入数据是否出错！";

// Fills chart from a solar birth moment (hour [0, 23], minute [0, 59]); sex "男"
// is male, any other text female. The year and month pillars change at the true
// instants of 立春 and the jie; the day and hour pillars follow the calendar day
// (23:00 is the 子 hour of that same day). A day beyond its month's length
// (February, April, June, September, November), or a date outside the years of
// the term table, returns kDateCheckMessage, which the caller shows, and leaves
// the chart as it was apart from year, month, day and hour. Returns "" otherwise.
std::string ComputeChart(const data::ContentStore& store, BaziChart& chart, int year, int month,
                         int day, int hour, int minute, std::string_view sex);

// The four pillars of a moment with the jie around it: year and month from the
// true instants of 立春 and the jie, day and hour from the calendar day. nullopt
// outside the years of the term table (1899-2101).
struct ChartMoment {
  std::array<Pillar, 4> pillars;
  TermInstant lastJie;  // at or before the moment: it opened the month
  TermInstant nextJie;  // after the moment
};
std::optional<ChartMoment> FourPillarsAt(DateTime moment);

// True for exactly the twelve jie term names.
bool IsJieTerm(std::string_view name);

// True when the moment lies on the day of a jie term of that year but before the
// term's instant.
bool IsBeforeTermInstant(int year, DateTime moment);

}  // namespace vessa
