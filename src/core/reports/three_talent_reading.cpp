#include "core/reports/three_talent_reading.h"

#include "core/names/five_grids.h"
#include "core/names/naming_assistant.h"

namespace vessa {

bool ThreeTalentReading(const data::Query& query, const data::ContentStore& store,
                        const BirthInput& current, ReportBuffer& out) {
  if (current.surname.empty() || current.givenName.empty()) return false;
  const FiveGrids g = GridsOf(store, current.surname, current.givenName);
  const std::string K = ThreeTalentKey(g.heaven, g.person, g.earth);
  const std::string text = ThreeTalentText(query, store, K);
  out.Clear();
  out.AddLine(current.surname + current.givenName + ",您的三才为" + K + ",经系统分析如下:");
  out.AddLine("");
  out.AddLine("");
  out.AddLine("    " + text);
  return true;
}

}  // namespace vessa
