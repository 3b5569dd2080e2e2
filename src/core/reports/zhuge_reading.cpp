#include "core/reports/zhuge_reading.h"

#include <string>

#include "core/divination/zhuge.h"

namespace vessa {

void WriteZhugeReading(const data::ContentStore& store, std::string_view joined,
                       ReportBuffer& out) {
  const ThreeCharacters t = SplitThreeCharacters(joined);
  out.Clear();
  out.AddLine("你测算的三个字是:" + std::string(joined) + " 解析如下...");
  out.AddLine("");
  // The code is worked out afresh for the title and for the text.
  out.AddLine("    " + ZhugeText(store, t.c1, t.c2, t.c3, false));
  out.AddLine("");
  out.AddLine("    " + ZhugeText(store, t.c1, t.c2, t.c3, true));
}

}  // namespace vessa
