#include "core/calendar/pillars.h"

namespace vessa {

using namespace std::chrono;

Pillar DayPillarOf(Date day) {
  constexpr Date kJiaziDay = sys_days{year{1900} / 2 / 20};
  const long long offset = (day - kJiaziDay).count() % 60;  // (-60, 60)
  return Pillar::FromIndex(static_cast<int>(offset));
}

Branch MonthBranchOfJie(int termIndex) { return Branch::FromIndex(termIndex / 2 + 1); }

std::optional<YearMonthPillars> YearMonthPillarsAt(DateTime moment) {
  const std::optional<TermInstant> lastJie = JieAtOrBefore(moment);
  const std::optional<TermInstant> nextJie = JieAfter(moment);
  if (!lastJie.has_value() || !nextJie.has_value()) return std::nullopt;

  // The year of the last 立春 at or before the moment; 小寒 (index 0) still
  // belongs to the year before.
  const int pillarYear = lastJie->index >= 2 ? lastJie->year : lastJie->year - 1;
  const Pillar yearPillar{Stem::FromCycle(pillarYear - 3), Branch::FromCycle(pillarYear - 3)};
  const Branch monthBranch = MonthBranchOfJie(lastJie->index);
  const int mb = monthBranch.Cycle();
  const int ys = yearPillar.stem.Cycle();
  // 五虎遁: the month stems of a year start from its year stem.
  const Stem monthStem = Stem::FromCycle(mb >= 3 && mb <= 11 ? 2 * ys + mb + 8 : 2 * ys + mb);
  return YearMonthPillars{yearPillar, Pillar{monthStem, monthBranch}, *lastJie, *nextJie};
}

}  // namespace vessa
