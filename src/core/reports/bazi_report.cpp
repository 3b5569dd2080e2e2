#include "core/reports/bazi_report.h"

#include "core/bazi/birth_moment.h"
#include "core/bazi/bone_weight.h"
#include "core/bazi/chart_attributes.h"
#include "core/bazi/luck_cycles.h"
#include "core/bazi/spirit_stars.h"
#include "core/bazi/useful_god.h"
#include "core/calendar/lunar_calendar.h"
#include "core/text/errors.h"
#include "core/text/text.h"
#include "core/numbers/birthday_texts.h"

namespace vessa {

namespace {

constexpr std::string_view kShortClosing =
    "--以上内容紧着参考---------------------------------------------";
constexpr std::string_view kLongClosing =
    "--以上内容紧着参考----------------------------------------------------------";

// Computes the chart; a date the chart rejects ends the reading like any failure.
void Compute(const ReadingEnv& env, const BirthMoment& b, BaziChart& chart) {
  const std::string message = ComputeChart(env.store, chart, b);
  if (!message.empty()) throw SilentAbort(message);
}

// Lines 1 to 63 of the detailed reading (the chart block down to the minor luck);
// withMinute picks the birth lines of the detailed reading. Returns the element
// text that the element count reads later.
std::string WriteChartBlock(const ReadingEnv& env, const Panel& panel, const BirthInput& in,
                            const BirthMoment& b, bool withMinute, BaziChart& chart, ReportBuffer& out) {
  const std::string D = FormatDate(b.solar);
  const int birthYear = static_cast<int>(text::ToInt(in.solarDateText.substr(0, 4)));
  out.AddLine("姓名：" + text::Trim(panel.surname) + text::Trim(panel.givenName) + "  性别：" +
              b.sex + "  生肖：" + in.zodiac + "  星座：" + in.constellation + "  血型：" +
              text::Trim(panel.bloodType) + "  年龄：" + std::to_string(env.nowYear - birthYear) +
              "岁");
  out.AddLine("");
  std::string solarLine = "生日（公历）：" + D.substr(0, 4) + "年" + D.substr(5, 2) + "月" +
                          D.substr(8, 2) + "日" + in.hourNumberText + "点";
  std::string lunarLine = "生日（农历）：" + text::Trim(in.lunarDateText) +
                          std::string(text::CharAt(in.hourText, 1)) + "时";
  if (withMinute) {
    solarLine += b.minuteText + "分";
    lunarLine += b.minuteText + "分";
  }
  out.AddLine(solarLine);
  out.AddLine("");
  out.AddLine(lunarLine);

  Compute(env, b, chart);
  const auto& store = env.store;
  const int L = SolarToLunar(b.solar).year;
  out.AddLine("");
  out.AddLine(FetalOriginLine(store, chart));
  out.AddLine("");
  out.AddLine(LuckStartLine(chart));
  out.AddLine("");
  out.AddLine(TenGodLine(store, chart));
  out.AddLine(PillarLine(chart));
  for (auto& line : HiddenStemLines(store, chart)) out.AddLine(std::move(line));
  ElementLineResult elements = ElementLine(store, chart);
  out.AddLine(elements.line);
  out.AddLine(NayinLine(store, chart));
  out.AddLine("");
  out.AddLine(chart.luckNayinLine);
  out.AddLine(chart.luckTenGodLine);
  out.AddLine("大运：" + chart.luckPillars);
  for (auto& line : LuckAgeRows(chart, static_cast<int>(text::ToInt(in.yearText))))
    out.AddLine(std::move(line));
  out.AddLine("");
  for (auto& line : AnnualLuckRows(chart, L)) out.AddLine(std::move(line));
  out.AddLine("");
  out.AddLine("四柱神煞：");
  out.AddLine("");
  for (PillarSlot p : {PillarSlot::Year, PillarSlot::Month, PillarSlot::Day, PillarSlot::Hour}) {
    out.AddLine(PillarStarLine(store.Folder(), chart, p, &store.Failures()));
  }
  out.AddLine("");
  for (auto& line : MinorLuckRows(chart, L)) out.AddLine(std::move(line));
  out.AddLine("");
  return elements.elementText;
}

void WriteClimateAndCount(const ReadingEnv& env, const BaziChart& chart,
                          const std::string& elementText, ReportBuffer& out) {
  out.AddLine("");
  out.AddLine(ClimateLine(env.store, std::string(chart.DayPillar().stem.Name()), std::string(chart.MonthPillar().branch.Name())));
  out.AddLine("");
  out.AddLine("八字五行个数：" + ElementCountText(elementText));
  out.AddLine("");
}

void WriteBoneWeight(const ReadingEnv& env, const BirthInput& in, const std::string& month,
                     ReportBuffer& out) {
  for (auto mode : {BoneWeightMode::Weight, BoneWeightMode::Verse, BoneWeightMode::Explanation}) {
    out.AddLine(BoneWeightLine(env.store, in.lunarYearText, month, in.lunarDayText,
                               in.hourNumberText, mode));
  }
}

// Runs the guarded part of a Bazi reading: any failure ends it where it is,
// without a message, whatever its kind.
template <typename Body>
void Guarded(Body body) {
  try {
    body();
  } catch (const SilentAbort&) {
    throw;
  } catch (const std::exception& e) {
    throw SilentAbort(e.what());
  }
}

}  // namespace

void WriteBaziReport(const ReadingEnv& env, const Panel& panel, const BirthInput& birth,
                     BaziChart& chart, ReportBuffer& out) {
  out.Clear();
  Guarded([&] {
    const BirthMoment b = BirthMomentOf(panel, birth);
    const std::string elementText = WriteChartBlock(env, panel, birth, b, true, chart, out);
    const LunarDate lunar = SolarToLunar(b.solar);
    out.AddLine(SeasonLine(env.store, "用神喜忌：日主天干",
                           SeasonOfMonthBranch(chart.MonthPillar().branch),
                           chart.DayPillar().stem.Name()));
    WriteClimateAndCount(env, chart, elementText, out);
    out.AddLine(kBaziSeparator);
    out.AddLine("");
    out.AddLine(YearMonthHeader());
    out.AddLine("");
    for (auto& line : YearMonthRows(chart.luckStart, lunar.year)) out.AddLine(std::move(line));
    out.AddLine("");
    out.AddLine(kBaziSeparator);
    out.AddLine("");
    out.AddLine("袁天罡称骨算命：");
    // 称骨 counts lunar months: the plain lunar month, as the bone-weight reading has it.
    WriteBoneWeight(env, birth, birth.lunarMonthText, out);
    out.AddLine("");
    Compute(env, b, chart);
    out.AddLine(kBaziSeparator);
    out.AddLine("");
    out.AddLine("性格简评：");
    out.AddLine("    " + chart.birthdayText);
    out.AddLine("");
    out.AddLine("");
    out.AddLine(kBaziSeparator);
    out.AddLine("");
    out.AddLine("血型论命:");
    out.AddLine("");
    out.AddLine("    " + BloodTypeLoveText(birth.bloodType));
    out.AddLine("");
  });
}

void WriteBirthInfoReport(const ReadingEnv& env, BirthInfoMode mode, const Panel& panel,
                          const BirthInput& birth, BaziChart& chart, ReportBuffer& out) {
  out.Clear();
  Guarded([&] {
    const BirthMoment b = BirthMomentOf(panel, birth);
    const std::string elementText = WriteChartBlock(env, panel, birth, b, false, chart, out);
    out.AddLine(SeasonLine(env.store, "四季用神：日主天干",
                           SeasonOfMonthBranch(chart.MonthPillar().branch),
                           chart.DayPillar().stem.Name()));
    WriteClimateAndCount(env, chart, elementText, out);
    out.AddLine("");
    switch (mode) {
      case BirthInfoMode::BirthInfo:
        out.AddLine(kShortClosing);
        break;
      case BirthInfoMode::BoneWeight:
        out.AddLine("--【袁天罡称骨算命】--------------------------------------------------------");
        WriteBoneWeight(env, birth, birth.lunarMonthText, out);
        out.AddLine("");
        out.AddLine(kLongClosing);
        break;
      case BirthInfoMode::BloodType:
        out.AddLine("--【血型论命】--------------------------------------------------------------");
        out.AddLine("    " + BloodTypeLoveText(birth.bloodType));
        out.AddLine("");
        out.AddLine(kLongClosing);
        break;
    }
  });
}

}  // namespace vessa
