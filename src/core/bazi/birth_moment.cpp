#include "core/bazi/birth_moment.h"

#include "core/text/text.h"

namespace vessa {

BirthMoment BirthMomentOf(const Panel& panel, const BirthInput& in) {
  BirthMoment b;
  b.solar = ParseDate(in.solarDateText);
  const std::chrono::year_month_day ymd{b.solar};
  b.year = static_cast<int>(ymd.year());
  b.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  b.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  b.hour = static_cast<int>(text::ToInt(in.hourNumberText));
  b.minuteText = text::Trim(panel.minute);
  b.minute = static_cast<int>(text::ToInt(b.minuteText));
  b.sex = text::Trim(panel.sex);
  return b;
}

std::string ComputeChart(const data::ContentStore& store, BaziChart& chart, const BirthMoment& m) {
  return ComputeChart(store, chart, m.year, m.month, m.day, m.hour, m.minute, m.sex);
}

}  // namespace vessa
