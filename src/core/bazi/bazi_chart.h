#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/calendar/sexagenary.h"
#include "core/text/date_text.h"
#include "core/data/content_store.h"

// The four pillars of a birth moment and the values the readings hang on them.
namespace vessa {

// The four pillars in reading order.
enum class PillarSlot { Year = 0, Month = 1, Day = 2, Hour = 3 };
inline constexpr std::array<PillarSlot, 4> kPillarSlots = {PillarSlot::Year, PillarSlot::Month,
                                                           PillarSlot::Day, PillarSlot::Hour};

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
  std::string luckPillars;     // ten pairs separated by three spaces
  std::string luckNayinLine;   // "纳音：" + nayin and a space per luck pillar
  std::string luckTenGodLine;  // "十神：" + ten god and three spaces per luck pillar
  std::string birthdayText;
};

inline constexpr std::string_view kDateCheckMessage = "请检查输入数据是否出错！";

// Fills chart from a solar birth moment (hour [0, 23], minute [0, 59]); sex "男"
// is male, any other text female. A day beyond its month's length (February,
// April, June, September, November) returns kDateCheckMessage, which the caller
// shows, and leaves the chart as it was apart from year, month, day and hour.
// Returns "" otherwise.
std::string ComputeChart(const data::ContentStore& store, BaziChart& chart, int year, int month,
                         int day, int hour, int minute, std::string_view sex);

// True for exactly the twelve jie term names.
bool IsJieTerm(std::string_view name);

// True when the moment lies on the day of a jie term of that year but before the
// term's instant stored in the table JQ. Any failure yields false.
bool IsBeforeTermInstant(const data::ContentStore& store, int year, DateTime moment);

}  // namespace vessa
