#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/sexagenary.h"

// The rules that turn the calendar facts of one day into the texts of its almanac
// entry (黄历): the lunar date, the pillars, the fetal god, the nayin with the
// day officer and the yellow or black path spirit, the clash, the Peng Zu taboos,
// the auspicious and inauspicious spirits and what the day is good and bad for.
// The calendar itself (pillars, lunar date, solar terms) is computed elsewhere
// (day_facts.h) and passed in.
namespace vessa::almanac {

// Whether the day is the eve of a solar term that the almanac marks. The rules
// cannot derive this from the pillars, so the calendar passes it in.
enum class TermEve {
  kNone,
  kSeasonStart,      // 四绝: the day before 立春 立夏 立秋 立冬
  kSolsticeEquinox,  // 四离: the day before 春分 夏至 秋分 冬至
};

// What the calendar knows of one day. The term facts default to "unknown"; the
// rules that need them are then left out.
struct DayFacts {
  Pillar year;     // 岁次 year pillar: changes on the whole day of 立春
  Pillar month;    // month pillar: the whole day of a jie term belongs to the new month
  Pillar day;      // day pillar
  int lunarMonth;  // [1, 12]
  int lunarDay;    // [1, 30]
  bool leapMonth;
  TermEve termEve = TermEve::kNone;
  int termOfDay = -1;     // [0, 23] the term falling on the day (小寒 0 … 冬至 23), or -1
  int lastTerm = -1;      // [0, 23] the latest term on or before the day, or -1 unknown
  int daysSinceJie = -1;  // [0, 31] days since the day of the month's jie, or -1 unknown
  int daysSincePreviousJie = -1;  // the same for the jie of the month before, or -1 unknown
  int daysToSeasonStart = -1;  // days to the next day of 立春 立夏 立秋 立冬, or -1 unknown
  bool lastLunarDay = false;   // 晦: the last day of the lunar month
};

struct Entry {
  std::string nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji;
};

// The whole entry of one day.
Entry ComposeEntry(const DayFacts& f);

// nn: "农历" + month name + day name as almanacs print them, e.g. 农历三月初八,
// 农历闰四月十五, 农历冬月廿九.
std::string AlmanacLunarDate(int lunarMonth, int lunarDay, bool leapMonth);

// suici: e.g. 丙午年 庚寅月 乙丑日.
std::string PillarsText(const DayFacts& f);

// tszf: the traditional position of the fetal god (每日胎神占方) on the day, e.g. 占门碓外东南.
std::string_view FetalGodPosition(Pillar day);

// 建除十二值星: 建 除 满 平 定 执 破 危 成 收 开 闭; 建 on the day whose branch
// equals the month branch.
std::string_view BuildingOfficer(Branch monthBranch, Branch dayBranch);

// The twelve spirits of the yellow and black paths: 青龙 明堂 天刑 朱雀 金匮 天德
// 白虎 玉堂 天牢 玄武 司命 勾陈. PathName tells whether the day's spirit walks the
// yellow path (黄道) or the black path (黑道).
std::string_view YellowBlackSpirit(Branch monthBranch, Branch dayBranch);
std::string_view PathName(Branch monthBranch, Branch dayBranch);

// wuhang: nayin, day officer and path spirit, e.g. 海中金 值星：执 黄道：金匮.
std::string FiveElementsText(Branch monthBranch, Pillar day);

// cong: the animal clashed by the day, its pillar and the direction of 煞,
// e.g. 冲马（戊午）煞南 for a 甲子 day.
std::string ClashText(Pillar day);

// pzbj: the Peng Zu taboos of the day stem and of the day branch, one blank between.
std::string PengZuText(Pillar day);

// The day's auspicious (吉神宜趋) and inauspicious (凶神宜忌) spirits, each list in
// one fixed order (the order of 协纪辨方书 卷十, the path spirit last).
std::vector<std::string_view> AuspiciousSpirits(const DayFacts& f);
std::vector<std::string_view> InauspiciousSpirits(const DayFacts& f);

// What the day is good (宜) and bad (忌) for, in canonical order. allForbidden is
// set on the days the tradition closes to every work (诸事皆忌).
struct Activities {
  std::vector<std::string_view> good;
  std::vector<std::string_view> bad;
  bool allForbidden = false;
};
Activities DayActivities(const DayFacts& f);

// Every activity name that 宜 and 忌 may use, in canonical order.
const std::vector<std::string_view>& ActivityNames();

}  // namespace vessa::almanac
