#include "cli/panel_options.h"

#include <set>

#include "cli/json.h"
#include "core/text/gbk.h"

namespace vessa::cli {

const std::string& CheckNameText(const std::string& text, std::string_view option) {
  if (!gbk::IsEncodable(text)) {
    throw UsageError(std::string(option) + " holds a character the GBK code page lacks");
  }
  if (gbk::ByteLength(text) > 4) {
    throw UsageError(std::string(option) + " takes at most two Chinese characters (4 GBK bytes)");
  }
  return text;
}

std::vector<std::string> TakePanelOptions(const std::vector<std::string>& args, Panel& panel) {
  std::vector<std::string> rest;
  std::set<std::string> seen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // A field the panel holds once: a second value is a slip, not an override.
    static const std::set<std::string, std::less<>> kFields = {
        "--surname", "--given", "--sex", "--blood", "--date", "--lunar", "--hour", "--minute"};
    if (kFields.contains(a) && !seen.insert(a).second) {
      throw UsageError(a + " is given twice");
    }
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
      return args[++i];
    };
    if (a == "--surname" || a == "--given") {
      std::string& field = a == "--surname" ? panel.surname : panel.givenName;
      field = CheckNameText(value(), a);
    } else if (a == "--sex") {
      panel.sex = value();
      if (panel.sex != "男" && panel.sex != "女") throw UsageError("--sex is 男 or 女");
    } else if (a == "--blood") {
      panel.bloodType = value();
      if (panel.bloodType != "A型" && panel.bloodType != "B型" && panel.bloodType != "O型" &&
          panel.bloodType != "AB型") {
        throw UsageError("--blood is A型, B型, O型 or AB型");
      }
    } else if (a == "--date") {
      const std::string& d = value();
      std::size_t p1 = d.find('-');
      std::size_t p2 = p1 == std::string::npos ? p1 : d.find('-', p1 + 1);
      if (p2 == std::string::npos || d.find('-', p2 + 1) != std::string::npos) {
        throw UsageError("--date takes the year, month and day joined by '-', such as 1980-1-1");
      }
      panel.year = d.substr(0, p1);
      panel.month = d.substr(p1 + 1, p2 - p1 - 1);
      panel.day = d.substr(p2 + 1);
    } else if (a == "--lunar") {
      panel.calendarIndex = 1;
    } else if (a == "--hour") {
      panel.hour =
          std::string(kHourItems[static_cast<std::size_t>(ParseInt(value(), "--hour", 0, 23))]);
    } else if (a == "--minute") {
      panel.minute = std::to_string(ParseInt(value(), "--minute", 0, 59));
    } else {
      rest.push_back(a);
    }
  }
  return rest;
}

bool RunInputStep(Context& ctx, const Panel& panel, BirthInputKind kind, BirthInput& record) {
  InputCheck check = ReadBirthInput(panel, kind, record);
  if (check.ok()) return true;
  ctx.error = check.message;
  return false;
}

std::string BirthInputJson(const BirthInput& r) {
  return JsonObject()
      .Text("surname", r.surname)
      .Text("givenName", r.givenName)
      .Text("bloodType", r.bloodType)
      .Text("yearText", r.yearText)
      .Text("monthText", r.monthText)
      .Text("dayText", r.dayText)
      .Text("hourText", r.hourText)
      .Text("solarDateText", r.solarDateText)
      .Text("lunarDateText", r.lunarDateText)
      .Text("zodiac", r.zodiac)
      .Text("constellation", r.constellation)
      .Text("lunarYearText", r.lunarYearText)
      .Text("lunarMonthText", r.lunarMonthText)
      .Text("lunarDayText", r.lunarDayText)
      .Text("hourNumberText", r.hourNumberText)
      .str();
}

}  // namespace vessa::cli
