#include "core/bazi/bazi_chart.h"

#include "core/bazi/chart_lookups.h"
#include "core/bazi/chart_names.h"
#include "core/calendar/lunar_calendar.h"
#include "core/data/sql_text.h"
#include "core/numbers/birthday_texts.h"

namespace vessa {

using namespace std::chrono;

namespace {

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// Only February and the 30-day months are checked; other months pass as they are.
bool PassesDateCheck(int y, int m, int d) {
  if (m == 2) return d <= (IsLeapYear(y) ? 29 : 28);
  if (m == 4 || m == 6 || m == 9 || m == 11) return d <= 30;
  return true;
}

// The month branch (cycle number) of a date code month*100 + day. The boundaries
// are the usual days of the twelve jie terms and do not move with a given year.
int MonthBranchOfCode(int code) {
  struct Range {
    int from, to, branch;
  };
  static constexpr Range kRanges[] = {
      {101, 105, 1},    {106, 203, 2},   {204, 305, 3},  {306, 404, 4}, {405, 504, 5},
      {505, 605, 6},    {606, 706, 7},   {707, 807, 8},  {808, 907, 9}, {908, 1007, 10},
      {1008, 1106, 11}, {1107, 1207, 0}, {1208, 1231, 1}};
  for (const auto& r : kRanges) {
    if (code >= r.from && code <= r.to) return r.branch;
  }
  return 1;  // only an impossible date code gets here
}

}  // namespace

bool IsJieTerm(std::string_view name) {
  static constexpr std::string_view kJie[] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                              "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};
  for (auto j : kJie) {
    if (name == j) return true;
  }
  return false;
}

bool IsBeforeTermInstant(const data::ContentStore& store, int year, DateTime moment) {
  try {
    const std::string date = FormatDate(DateOf(moment));
    auto rows = store.All(
        data::DatabaseFile::Tgcode,
        data::Formatted(
            "select top 1 SJ from JQ where YearA = %d  and JQ in "
            "('立春','惊蛰','清明','立夏','芒种',"
            "'小暑','立秋','白露','寒露','立冬','大雪','小寒') and FORMAT(SJ,'yyyy-mm-dd') = '%s'",
            {std::int64_t{year}, date}),
        data::FailurePolicy::Ignore);
    if (rows.size() != 1) return false;
    auto instant = TryParseDateTime(rows.front().Text("SJ"));
    return instant && moment < *instant;
  } catch (const std::exception&) {
    return false;
  }
}

std::string ComputeChart(const data::ContentStore& store, BaziChart& chart, int Y, int Mo, int D,
                         int H, int Mi, std::string_view sex) {
  chart.year = Y;
  chart.month = Mo;
  chart.day = D;
  chart.hour = H;
  if (!PassesDateCheck(Y, Mo, D)) return std::string(kDateCheckMessage);

  BaziChart c = chart;  // filled whole, then stored

  // Term-day refinement: a birth before the jie instant of its day counts as the day before.
  const year_month_day ymd{year{Y}, month{static_cast<unsigned>(Mo)},
                           day{static_cast<unsigned>(D)}};
  const bool real_date = ymd.ok();
  const DateTime moment = real_date ? DateTime{sys_days{ymd}} + hours{H} + minutes{Mi} : DateTime{};
  const bool before = real_date && IsBeforeTermInstant(store, Y, moment);
  const int code = Mo * 100 + D - (before ? 1 : 0);
  c.termShift = before ? -1 : 0;

  const Branch monthBranch = Branch::FromCycle(MonthBranchOfCode(code));
  const int yearBase = code >= 204 ? Y - 3 : Y - 4;  // the year changes at the fixed 02-04
  const Pillar yearPillar{Stem::FromCycle(yearBase), Branch::FromCycle(yearBase)};
  const int mb = monthBranch.Cycle();
  const int ys = yearPillar.stem.Cycle();
  const Stem monthStem =
      Stem::FromCycle(mb >= 3 && mb <= 11 ? 2 * ys + mb + 8 : 2 * ys + mb);

  const int G = Y - 1;
  const int base = 5 * G + G / 4 - G / 100 + G / 400;
  int dayOfYear = D;
  for (int m = 1; m < Mo; ++m) dayOfYear += DaysInMonth(Y, m);
  const int n = FloorMod(base + dayOfYear + 6015, 60);
  const Pillar dayPillar{Stem::FromCycle(n % 10), Branch::FromCycle(n % 12)};

  // 23:00 is 子 but keeps the calendar day's pillar.
  const Branch hourBranch = Branch::FromCycle((H + 3) / 2);
  const int ds = dayPillar.stem.Cycle();
  const Stem hourStem = Stem::FromCycle(hourBranch.Cycle() != 0 ? 2 * ds + hourBranch.Cycle() + 8
                                                                : 2 * ds);

  c.pillars = {yearPillar, Pillar{monthStem, monthBranch}, dayPillar, Pillar{hourStem, hourBranch}};
  c.fetalOrigin = Pillar{monthStem.Next(1), monthBranch.Next(3)}.Name() + " ";

  const bool male = sex == "男";
  c.luckReverse = male ? yearPillar.stem.IsYin() : !yearPillar.stem.IsYin();

  // Days to the neighbouring jie term, never the birth day itself; ⌈j/3⌉, 11 -> 1.
  int j = 1;
  if (real_date) {
    const Date birth{sys_days{ymd}};
    for (; j <= 32; ++j) {
      const Date probe = c.luckReverse ? birth - days{j} : birth + days{j};
      if (IsJieTerm(SolarTermOfDate(probe))) break;
    }
    if (j > 32) j = 32;
  }
  c.luckStart = (j + 2) / 3;
  if (c.luckStart != 10) c.luckStart %= 10;
  c.luckStartText = std::to_string(c.luckStart);

  for (std::size_t p = 0; p < 4; ++p) {
    c.hiddenIndex[p] = c.pillars[p].branch.Index();
    c.hiddenStems[p] = HiddenStemTable[static_cast<std::size_t>(c.hiddenIndex[p])];
  }

  c.luckPillars.clear();
  c.luckNayinLine = "纳音：";
  c.luckTenGodLine = "十神：";
  const std::string dayStem(dayPillar.stem.Name());
  for (int k = 0; k < 10; ++k) {
    // The first luck pillar is the month pillar; the rest move with the luck.
    const Pillar luck = c.MonthPillar().Next(c.luckReverse ? -k : k);
    c.luckPillars += luck.Name() + "   ";
    c.luckNayinLine += NayinOf(store, luck.Name()) + " ";
    c.luckTenGodLine += TenGodOf(store, dayStem, luck.stem.Name()) + "   ";
  }
  c.luckPillars.resize(c.luckPillars.size() - 3);

  c.birthdayText = BirthdayText(Mo, D);
  chart = std::move(c);
  return {};
}

}  // namespace vessa
