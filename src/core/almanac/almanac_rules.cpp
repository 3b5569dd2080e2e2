// The almanac rules follow the imperial selection manual 钦定协纪辨方书 (1741), read in
// the public transcription of the 四库全书 text (lhw828.github.io/GuWen, its pages
// 21–54; 卷十 also in a second, complete transcription):
//   卷四 义例二 (月建 月厌 时阴 死气 血支 天医 天喜, the aliases of the day officers),
//   卷五 义例三 (天德 月德 天德合 月德合 月空 天恩 天赦 天愿 母仓 月恩 四相 时德
//               王官守相民日 四击 九空 五墓 四耗 四废 四忌 四穷 九坎 五虚 八风
//               触水龙 八专 重日 五合 五离 解神 复日 鸣吠 鸣吠对),
//   卷六 义例四 (三合 临日 驿马 劫煞 灾煞 月煞 月刑 月害 大时 游祸 天吏 六合 五富
//               天仓 天贼 要安 玉宇 金堂 敬安 普护 福生 圣心 益后 续世 阳德 阴德
//               天马 地囊 土符 大煞 归忌 往亡 气往亡 上朔 反支 四离 四绝 月忌日),
//   卷七 义例五 (the twelve spirits of the yellow and black paths),
//   卷九 立成 (the fixed pillars of 天恩 鸣吠 鸣吠对 八专 触水龙),
//   卷十 宜忌 (what each spirit favours and forbids; how the virtues temper the
//               baleful spirits month group by month group, the six grades of the
//               宜忌等第; the days closed to all works; 土王用事 二分二至 晦日; and the
//               铺注条例, the posting rules that lift or keep a ban across works),
//   卷十一 用事 (for each work, the spirits that favour and forbid it).
// Where the book corrects the older almanacs (天愿 地囊 鸣吠 守日 八风) its correction
// is followed. The month spirits of 七月 and 八月 were checked against the book's own
// 月表 (卷二十六, 卷二十七), which also place 四绝 往亡 四离 by the terms; the rest of the
// month tables against the spirit lists that published almanacs print for the days
// in tests/core/almanac_rules_test.cpp and almanac_days_test.cpp.
// The fetal god list is the traditional 六甲胎神 table; its directions inside the room
// follow 历例 as quoted in 协纪辨方书 (癸巳至丁酉房内北 … 戊申又在中, 己酉出), and the
// whole list was checked against two public 60-day tables and the pages of the tests.
// The Peng Zu sentences are the common almanac text of 彭祖百忌, with the older 壬不泱水
// reading.
#include "core/almanac/almanac_rules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "core/calendar/lunar_calendar.h"
#include "core/calendar/nayin.h"

namespace vessa::almanac {
namespace {

template <typename T, std::size_t N>
constexpr const T& At(const std::array<T, N>& table, int i) {
  return table[static_cast<std::size_t>(i)];
}

// ---------------------------------------------------------------------------
// Names

constexpr std::array<std::string_view, 12> kLunarMonthNames = {
    "正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"};

// 六甲胎神, by position in the cycle of sixty. The objects follow the two rhymes
// (甲己门 乙庚碓磨 丙辛厨灶 丁壬仓库 戊癸房床; 子午碓 丑未厕 寅申炉 卯酉门 辰戌栖
// 巳亥床); the god stays outside for 44 days and inside the room from 癸巳 to 戊申.
constexpr std::array<std::string_view, 60> kFetalGod = {
    "占门碓外东南", "碓磨厕外东南", "厨灶炉外正南", "仓库门外正南", "房床栖外正南", "占门床外正南",
    "占碓磨外正南", "厨灶厕外西南", "仓库炉外西南", "房床门外西南", "门鸡栖外西南", "碓磨床外西南",
    "厨灶碓外西南", "仓库厕外正西", "房床炉外正西", "占大门外正西", "碓磨栖外正西", "厨灶床外正西",
    "仓库碓外西北", "房床厕外西北", "占门炉外西北", "碓磨门外西北", "厨灶栖外西北", "仓库床外西北",
    "房床碓外正北", "占门厕外正北", "碓磨炉外正北", "厨灶门外正北", "仓库栖外正北", "占房床房内北",
    "占门碓房内北", "碓磨厕房内北", "厨灶炉房内北", "仓库门房内北", "房床栖房内中", "占门床房内中",
    "占碓磨房内南", "厨灶厕房内南", "仓库炉房内南", "房床门房内西", "门鸡栖房内东", "碓磨床房内东",
    "厨灶碓房内东", "仓库厕房内东", "房床炉房内中", "占大门外东北", "碓磨栖外东北", "厨灶床外东北",
    "仓库碓外东北", "房床厕外东北", "占门炉外东北", "碓磨门外正东", "厨灶栖外正东", "仓库床外正东",
    "房床碓外正东", "占门厕外正东", "碓磨炉外东南", "厨灶门外东南", "仓库栖外东南", "占房床外东南"};

constexpr std::array<std::string_view, 12> kOfficers = {"建", "除", "满", "平", "定", "执",
                                                        "破", "危", "成", "收", "开", "闭"};

constexpr std::array<std::string_view, 12> kPathSpirits = {
    "青龙", "明堂", "天刑", "朱雀", "金匮", "天德", "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};

// The yellow-path spirits among kPathSpirits: 青龙 明堂 金匮 天德 玉堂 司命.
constexpr std::array<bool, 12> kYellowPath = {true,  true, false, false, true, true,
                                              false, true, false, false, true, false};

// 彭祖百忌, by stem and by branch.
constexpr std::array<std::string_view, 10> kPengZuStem = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮",
    "戊不受田田主不祥", "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝",
    "壬不泱水更难提防", "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 12> kPengZuBranch = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香",
    "辰不哭泣必主重丧", "巳不远行财物伏藏", "午不苫盖屋主更张", "未不服药毒气入肠",
    "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

// ---------------------------------------------------------------------------
// Positions. Branches and stems are counted from 子 = 0 and 甲 = 0; months from
// the 寅 month = 0 (正月) as the classical tables count them.

int BranchOf(Branch b) { return b.Index(); }
int MonthOrdinal(Branch month) { return FloorMod(month.Index() - 2, 12); }  // [0, 11]
int SeasonOf(Branch month) { return MonthOrdinal(month) / 3; }              // 0 spring … 3 winter
int OfficerIndex(Branch month, Branch day) { return FloorMod(day.Index() - month.Index(), 12); }

// The birth branch (长生: 寅 巳 申 亥) of the three-harmony group a branch belongs to.
int TriadBirth(int branch) {
  for (int b : {branch, branch + 4, branch + 8}) {
    if (FloorMod(b, 12) % 3 == 2) return FloorMod(b, 12);
  }
  return branch;  // unreachable: every group holds one of 寅 巳 申 亥
}

bool IsMeng(int branch) { return branch % 3 == 2; }   // 寅 巳 申 亥
bool IsZhong(int branch) { return branch % 3 == 0; }  // 子 卯 午 酉
bool IsJi(int branch) { return branch % 3 == 1; }     // 丑 辰 未 戌

// Pillar names are two characters of three UTF-8 bytes each; compared in place,
// since the generator asks this some hundred times a day for two hundred years.
bool IsDay(Pillar day, std::string_view name) {
  const std::string_view stem = day.stem.Name(), branch = day.branch.Name();
  return name.size() == stem.size() + branch.size() && name.substr(0, stem.size()) == stem &&
         name.substr(stem.size()) == branch;
}

bool IsAnyDay(Pillar day, std::initializer_list<std::string_view> names) {
  for (std::string_view n : names) {
    if (IsDay(day, n)) return true;
  }
  return false;
}

// ---------------------------------------------------------------------------
// Spirits. Each has its display name (empty for the day officers, which the
// entry shows as 值星 instead); the auspicious ones come first, and the order is
// the display order. The purely military spirits (兵福 兵宝 兵吉 兵禁) are left
// out: none of the printed works is a campaign. 四击 and 大煞, which also bar only
// war, are kept because printed almanacs list them among the baleful spirits.

enum class Spirit : std::uint8_t {
  // auspicious
  kHeavenVirtue,      // 天德
  kMonthVirtue,       // 月德
  kHeavenVirtueMate,  // 天德合
  kMonthVirtueMate,   // 月德合
  kMonthVoid,         // 月空
  kHeavenGrace,       // 天恩
  kHeavenPardon,      // 天赦
  kHeavenWish,        // 天愿
  kMotherGranary,     // 母仓
  kMonthGrace,        // 月恩
  kFourMinisters,     // 四相
  kSeasonVirtue,      // 时德
  kYangVirtue,        // 阳德
  kYinVirtue,         // 阴德
  kKingDay,           // 王日
  kOfficialDay,       // 官日
  kGuardDay,          // 守日
  kMinisterDay,       // 相日
  kPeopleDay,         // 民日
  kTripleHarmony,     // 三合
  kOverseeDay,        // 临日
  kPostHorse,         // 驿马
  kHeavenQueen,       // 天后
  kHeavenHorse,       // 天马
  kAuspiciousTerm,    // 吉期
  kHeavenShaman,      // 天巫
  kFortuneVirtue,     // 福德
  kSeasonYin,         // 时阴
  kHeavenJoy,         // 天喜
  kHeavenDoctor,      // 天医
  kSeasonYang,        // 时阳
  kLivingQi,          // 生气
  kSixHarmony,        // 六合
  kSixRites,          // 六仪
  kFiveRiches,        // 五富
  kHeavenGranary,     // 天仓
  kSeekPeace,         // 要安
  kReverentPeace,     // 敬安
  kJadeEaves,         // 玉宇
  kGoldenHall,        // 金堂
  kUniversalCare,     // 普护
  kFortuneBirth,      // 福生
  kSageHeart,         // 圣心
  kBenefitHeirs,      // 益后
  kContinueLine,      // 续世
  kReleaseSpirit,     // 解神
  kRemovalSpirit,     // 除神
  kFiveUnions,        // 五合
  kCockCrow,          // 鸣吠
  kCockCrowOpposite,  // 鸣吠对
  kAzureDragon,       // 青龙
  kBrightHall,        // 明堂
  kGoldenCoffer,      // 金匮
  kPreciousLight,     // 宝光 (the yellow-path 天德)
  kJadeHall,          // 玉堂
  kLifeController,    // 司命
  // day officers that the task tables name (hidden in the spirit lists)
  kRemoveDay,    // 除日
  kFullDay,      // 满日
  kLevelDay,     // 平日
  kSettleDay,    // 定日
  kHoldDay,      // 执日
  kDangerDay,    // 危日
  kCompleteDay,  // 成日
  kCollectDay,   // 收日
  kOpenDay,      // 开日
  kCloseDay,     // 闭日
  // inauspicious
  kMonthBuild,         // 月建 (建日)
  kSmallTime,          // 小时
  kEarthOffice,        // 土府
  kMonthBreak,         // 月破 (破日)
  kGreatWaste,         // 大耗
  kDeathSpirit,        // 死神
  kRobberySha,         // 劫煞
  kCalamitySha,        // 灾煞
  kHeavenFire,         // 天火
  kMonthSha,           // 月煞
  kMonthEmptiness,     // 月虚
  kMonthPunishment,    // 月刑
  kMonthHarm,          // 月害
  kMonthLoathing,      // 月厌
  kEarthFire,          // 地火
  kLoathingOpposite,   // 厌对
  kBeckoning,          // 招摇
  kGreatTime,          // 大时
  kGreatDefeat,        // 大败
  kSaltPool,           // 咸池
  kRoamingDisaster,    // 游祸
  kHeavenClerk,        // 天吏
  kBringDeath,         // 致死
  kDeathQi,            // 死气
  kSmallWaste,         // 小耗
  kHeavenThief,        // 天贼
  kFourStrikes,        // 四击
  kFourWastes,         // 四耗
  kFourAbandoned,      // 四废
  kFourTaboos,         // 四忌
  kFourExhaustions,    // 四穷
  kFiveVoids,          // 五虚
  kEightWinds,         // 八风
  kFiveTombs,          // 五墓
  kNineVoids,          // 九空
  kNinePits,           // 九坎
  kNineScorches,       // 九焦
  kEarthTally,         // 土符
  kEarthSack,          // 地囊
  kGreatSha,           // 大煞
  kReturnTaboo,        // 归忌
  kBloodBranch,        // 血支
  kBloodTaboo,         // 血忌
  kGoneAway,           // 往亡
  kQiGoneAway,         // 气往亡
  kDoubleDay,          // 重日
  kRepeatDay,          // 复日
  kFiveSeparations,    // 五离
  kEightSolitudes,     // 八专
  kWaterDragon,        // 触水龙
  kFirstExhaustion,    // 上朔
  kReverseBranch,      // 反支
  kFourSeparations,    // 四离
  kFourEndings,        // 四绝
  kEarthKing,          // 土王用事
  kYinYangGreatMeet,   // 阴阳大会
  kYinYangSmallMeet,   // 阴阳小会
  kYearThin,           // 岁薄
  kChaseArray,         // 逐阵
  kYinSeat,            // 阴位
  kYinYangCrossBreak,  // 阴阳交破
  kYinYangClash,       // 阴阳击冲
  kYangBreakYinClash,  // 阳破阴冲
  kYinRoadClash,       // 阴道冲阳
  kThreeYin,           // 三阴
  kBothAmiss,          // 阴阳俱错
  kYinExtinct,         // 绝阴
  kYangExtinct,        // 绝阳
  kYangAmiss,          // 阳错
  kYinAmiss,           // 阴错
  kHeavenPunishment,   // 天刑
  kVermilionBird,      // 朱雀
  kWhiteTiger,         // 白虎
  kHeavenPrison,       // 天牢
  kBlackTortoise,      // 玄武
  kHookedArray,        // 勾陈
  kCount,
};

constexpr int kSpiritCount = static_cast<int>(Spirit::kCount);
constexpr int kFirstInauspicious = static_cast<int>(Spirit::kMonthBuild);

// Display names by spirit; empty for the day officers and 土王用事.
struct SpiritName {
  Spirit spirit;
  std::string_view name;
};
constexpr std::array<SpiritName, kSpiritCount> kSpiritNames = {{
    {Spirit::kHeavenVirtue, "天德"},
    {Spirit::kMonthVirtue, "月德"},
    {Spirit::kHeavenVirtueMate, "天德合"},
    {Spirit::kMonthVirtueMate, "月德合"},
    {Spirit::kMonthVoid, "月空"},
    {Spirit::kHeavenGrace, "天恩"},
    {Spirit::kHeavenPardon, "天赦"},
    {Spirit::kHeavenWish, "天愿"},
    {Spirit::kMotherGranary, "母仓"},
    {Spirit::kMonthGrace, "月恩"},
    {Spirit::kFourMinisters, "四相"},
    {Spirit::kSeasonVirtue, "时德"},
    {Spirit::kYangVirtue, "阳德"},
    {Spirit::kYinVirtue, "阴德"},
    {Spirit::kKingDay, "王日"},
    {Spirit::kOfficialDay, "官日"},
    {Spirit::kGuardDay, "守日"},
    {Spirit::kMinisterDay, "相日"},
    {Spirit::kPeopleDay, "民日"},
    {Spirit::kTripleHarmony, "三合"},
    {Spirit::kOverseeDay, "临日"},
    {Spirit::kPostHorse, "驿马"},
    {Spirit::kHeavenQueen, "天后"},
    {Spirit::kHeavenHorse, "天马"},
    {Spirit::kAuspiciousTerm, "吉期"},
    {Spirit::kHeavenShaman, "天巫"},
    {Spirit::kFortuneVirtue, "福德"},
    {Spirit::kSeasonYin, "时阴"},
    {Spirit::kHeavenJoy, "天喜"},
    {Spirit::kHeavenDoctor, "天医"},
    {Spirit::kSeasonYang, "时阳"},
    {Spirit::kLivingQi, "生气"},
    {Spirit::kSixHarmony, "六合"},
    {Spirit::kSixRites, "六仪"},
    {Spirit::kFiveRiches, "五富"},
    {Spirit::kHeavenGranary, "天仓"},
    {Spirit::kSeekPeace, "要安"},
    {Spirit::kReverentPeace, "敬安"},
    {Spirit::kJadeEaves, "玉宇"},
    {Spirit::kGoldenHall, "金堂"},
    {Spirit::kUniversalCare, "普护"},
    {Spirit::kFortuneBirth, "福生"},
    {Spirit::kSageHeart, "圣心"},
    {Spirit::kBenefitHeirs, "益后"},
    {Spirit::kContinueLine, "续世"},
    {Spirit::kReleaseSpirit, "解神"},
    {Spirit::kRemovalSpirit, "除神"},
    {Spirit::kFiveUnions, "五合"},
    {Spirit::kCockCrow, "鸣吠"},
    {Spirit::kCockCrowOpposite, "鸣吠对"},
    {Spirit::kAzureDragon, "青龙"},
    {Spirit::kBrightHall, "明堂"},
    {Spirit::kGoldenCoffer, "金匮"},
    {Spirit::kPreciousLight, "宝光"},
    {Spirit::kJadeHall, "玉堂"},
    {Spirit::kLifeController, "司命"},
    {Spirit::kRemoveDay, ""},
    {Spirit::kFullDay, ""},
    {Spirit::kLevelDay, ""},
    {Spirit::kSettleDay, ""},
    {Spirit::kHoldDay, ""},
    {Spirit::kDangerDay, ""},
    {Spirit::kCompleteDay, ""},
    {Spirit::kCollectDay, ""},
    {Spirit::kOpenDay, ""},
    {Spirit::kCloseDay, ""},
    {Spirit::kMonthBuild, "月建"},
    {Spirit::kSmallTime, "小时"},
    {Spirit::kEarthOffice, "土府"},
    {Spirit::kMonthBreak, "月破"},
    {Spirit::kGreatWaste, "大耗"},
    {Spirit::kDeathSpirit, "死神"},
    {Spirit::kRobberySha, "劫煞"},
    {Spirit::kCalamitySha, "灾煞"},
    {Spirit::kHeavenFire, "天火"},
    {Spirit::kMonthSha, "月煞"},
    {Spirit::kMonthEmptiness, "月虚"},
    {Spirit::kMonthPunishment, "月刑"},
    {Spirit::kMonthHarm, "月害"},
    {Spirit::kMonthLoathing, "月厌"},
    {Spirit::kEarthFire, "地火"},
    {Spirit::kLoathingOpposite, "厌对"},
    {Spirit::kBeckoning, "招摇"},
    {Spirit::kGreatTime, "大时"},
    {Spirit::kGreatDefeat, "大败"},
    {Spirit::kSaltPool, "咸池"},
    {Spirit::kRoamingDisaster, "游祸"},
    {Spirit::kHeavenClerk, "天吏"},
    {Spirit::kBringDeath, "致死"},
    {Spirit::kDeathQi, "死气"},
    {Spirit::kSmallWaste, "小耗"},
    {Spirit::kHeavenThief, "天贼"},
    {Spirit::kFourStrikes, "四击"},
    {Spirit::kFourWastes, "四耗"},
    {Spirit::kFourAbandoned, "四废"},
    {Spirit::kFourTaboos, "四忌"},
    {Spirit::kFourExhaustions, "四穷"},
    {Spirit::kFiveVoids, "五虚"},
    {Spirit::kEightWinds, "八风"},
    {Spirit::kFiveTombs, "五墓"},
    {Spirit::kNineVoids, "九空"},
    {Spirit::kNinePits, "九坎"},
    {Spirit::kNineScorches, "九焦"},
    {Spirit::kEarthTally, "土符"},
    {Spirit::kEarthSack, "地囊"},
    {Spirit::kGreatSha, "大煞"},
    {Spirit::kReturnTaboo, "归忌"},
    {Spirit::kBloodBranch, "血支"},
    {Spirit::kBloodTaboo, "血忌"},
    {Spirit::kGoneAway, "往亡"},
    {Spirit::kQiGoneAway, "气往亡"},
    {Spirit::kDoubleDay, "重日"},
    {Spirit::kRepeatDay, "复日"},
    {Spirit::kFiveSeparations, "五离"},
    {Spirit::kEightSolitudes, "八专"},
    {Spirit::kWaterDragon, "触水龙"},
    {Spirit::kFirstExhaustion, "上朔"},
    {Spirit::kReverseBranch, "反支"},
    {Spirit::kFourSeparations, "四离"},
    {Spirit::kFourEndings, "四绝"},
    {Spirit::kEarthKing, ""},  // almanacs note it beside the day, not among the spirits
    {Spirit::kYinYangGreatMeet, "阴阳大会"},
    {Spirit::kYinYangSmallMeet, "阴阳小会"},
    {Spirit::kYearThin, "岁薄"},
    {Spirit::kChaseArray, "逐阵"},
    {Spirit::kYinSeat, "阴位"},
    {Spirit::kYinYangCrossBreak, "阴阳交破"},
    {Spirit::kYinYangClash, "阴阳击冲"},
    {Spirit::kYangBreakYinClash, "阳破阴冲"},
    {Spirit::kYinRoadClash, "阴道冲阳"},
    {Spirit::kThreeYin, "三阴"},
    {Spirit::kBothAmiss, "阴阳俱错"},
    {Spirit::kYinExtinct, "绝阴"},
    {Spirit::kYangExtinct, "绝阳"},
    {Spirit::kYangAmiss, "阳错"},
    {Spirit::kYinAmiss, "阴错"},
    {Spirit::kHeavenPunishment, "天刑"},
    {Spirit::kVermilionBird, "朱雀"},
    {Spirit::kWhiteTiger, "白虎"},
    {Spirit::kHeavenPrison, "天牢"},
    {Spirit::kBlackTortoise, "玄武"},
    {Spirit::kHookedArray, "勾陈"},
}};

constexpr bool NamesInEnumOrder() {
  for (int i = 0; i < kSpiritCount; ++i) {
    if (static_cast<int>(kSpiritNames[static_cast<std::size_t>(i)].spirit) != i) return false;
  }
  return true;
}
static_assert(NamesInEnumOrder(), "kSpiritNames must list every spirit in enum order");

constexpr int Id(Spirit s) { return static_cast<int>(s); }

class SpiritSet {
 public:
  constexpr SpiritSet() = default;
  constexpr SpiritSet(std::initializer_list<Spirit> spirits) {
    for (Spirit s : spirits) Add(s);
  }
  constexpr void Add(Spirit s) { bits_[Word(s)] |= Bit(s); }
  constexpr void Remove(Spirit s) { bits_[Word(s)] &= ~Bit(s); }
  constexpr bool Has(Spirit s) const { return (bits_[Word(s)] & Bit(s)) != 0; }
  constexpr bool HasAny(const SpiritSet& other) const {
    return (bits_[0] & other.bits_[0]) != 0 || (bits_[1] & other.bits_[1]) != 0 ||
           (bits_[2] & other.bits_[2]) != 0;
  }

 private:
  static constexpr std::size_t Word(Spirit s) { return static_cast<std::size_t>(Id(s) / 64); }
  static constexpr std::uint64_t Bit(Spirit s) { return std::uint64_t{1} << (Id(s) % 64); }
  std::array<std::uint64_t, 3> bits_{};
};
static_assert(kSpiritCount <= 3 * 64);

// The four virtues (德神): the classical almanac's strongest tempering spirits.
constexpr SpiritSet kVirtues = {Spirit::kHeavenVirtue, Spirit::kMonthVirtue,
                                Spirit::kHeavenVirtueMate, Spirit::kMonthVirtueMate};
// 德合赦愿: the virtues with 天赦 and 天愿.
constexpr SpiritSet kVirtuesPardonWish = {Spirit::kHeavenVirtue,     Spirit::kMonthVirtue,
                                          Spirit::kHeavenVirtueMate, Spirit::kMonthVirtueMate,
                                          Spirit::kHeavenPardon,     Spirit::kHeavenWish};

// ---------------------------------------------------------------------------
// Finding the spirits of a day. m: month branch, k: month ordinal (正月 = 0),
// s: season, d / t: day branch / stem.

struct Day {
  int m, k, s, d, t, officer;
  Pillar pillar;
  bool earthKing;  // within the eighteen days of 土王用事
};

Day DayOf(const DayFacts& f) {
  return {BranchOf(f.month.branch),
          MonthOrdinal(f.month.branch),
          SeasonOf(f.month.branch),
          BranchOf(f.day.branch),
          f.day.stem.Index(),
          OfficerIndex(f.month.branch, f.day.branch),
          f.day,
          f.daysToSeasonStart >= 1 && f.daysToSeasonStart <= 18};
}

// 卷五 天德 / 天德合: a stem in the 孟 and 季 months; in the 仲 months 天德 stands
// on a trigram (坤 乾 艮 巽), which no day carries, so those months have neither.
constexpr std::array<int, 12> kHeavenVirtueStem = {3, -1, 8, 7, -1, 0, 9, -1, 2, 1, -1, 6};
// 卷五 月德 / 月德合 / 月空: by the three-harmony group of the month, keyed by its
// birth branch 寅 巳 申 亥 (index / 3 of 2 5 8 11 gives 0 1 2 3).
constexpr std::array<int, 4> kMonthVirtueStem = {2, 6, 8, 0};      // 丙 庚 壬 甲
constexpr std::array<int, 4> kMonthVirtueMateStem = {7, 1, 3, 5};  // 辛 乙 丁 己
constexpr std::array<int, 4> kMonthVoidStem = {8, 0, 2, 6};        // 壬 甲 丙 庚
// 卷五 月恩: the stem the month branch produces.
constexpr std::array<int, 12> kMonthGraceStem = {2, 3, 6, 5, 4, 7, 8, 9, 6, 1, 0, 7};
// 卷五 天愿 (the corrected 起例 list: 正月乙亥 … 十二月甲子).
constexpr std::array<std::string_view, 12> kHeavenWishDay = {
    "乙亥", "甲戌", "乙酉", "丙申", "丁未", "戊午", "己巳", "庚辰", "辛卯", "壬寅", "癸丑", "甲子"};
// 卷五 天赦: 春戊寅 夏甲午 秋戊申 冬甲子.
constexpr std::array<std::string_view, 4> kHeavenPardonDay = {"戊寅", "甲午", "戊申", "甲子"};
// 卷六 临日: 正月午 二月亥 三月申 四月丑 五月戌 六月卯 七月子 八月巳 九月寅 十月未 十一月辰
// 十二月酉.
constexpr std::array<int, 12> kOverseeBranch = {6, 11, 8, 1, 10, 3, 0, 5, 2, 7, 4, 9};
// 卷五 九坎: 寅午戌月 辰卯寅, 亥卯未月 丑子亥, 申子辰月 戌酉申, 巳酉丑月 未午巳.
constexpr std::array<int, 12> kNinePitsBranch = {4, 1, 10, 7, 3, 0, 9, 6, 2, 11, 8, 5};
// 卷六 土符: 正月丑 二月巳 三月酉 四月寅 五月午 六月戌 七月卯 八月未 九月亥 十月辰 十一月申
// 十二月子.
constexpr std::array<int, 12> kEarthTallyBranch = {1, 5, 9, 2, 6, 10, 3, 7, 11, 4, 8, 0};
// 卷六 大煞: 正月戌 二月巳 三月午 四月未 五月寅 六月卯 七月辰 八月亥 九月子 十月丑 十一月申
// 十二月酉.
constexpr std::array<int, 12> kGreatShaBranch = {10, 5, 6, 7, 2, 3, 4, 11, 0, 1, 8, 9};
// 卷六 往亡: 正月寅 二月巳 三月申 四月亥 五月卯 六月午 七月酉 八月子 九月辰 十月未 十一月戌
// 十二月丑.
constexpr std::array<int, 12> kGoneAwayBranch = {2, 5, 8, 11, 3, 6, 9, 0, 4, 7, 10, 1};
// 卷六 地囊, as corrected by 协纪辨方书 from the trigram stems of each season.
constexpr std::array<std::array<std::string_view, 2>, 12> kEarthSackDays = {{{"庚子", "庚午"},
                                                                             {"乙未", "癸丑"},
                                                                             {"甲子", "壬午"},
                                                                             {"己卯", "己酉"},
                                                                             {"壬戌", "甲辰"},
                                                                             {"丙辰", "丙戌"},
                                                                             {"丁巳", "丁亥"},
                                                                             {"丙寅", "丙申"},
                                                                             {"辛丑", "辛未"},
                                                                             {"戊寅", "戊申"},
                                                                             {"辛卯", "辛酉"},
                                                                             {"癸酉", "乙卯"}}};
// 卷五 八风 (the corrected list of the 按语): 春丁丑丁巳 夏甲申甲辰 秋丁未丁亥 冬甲戌甲寅.
constexpr std::array<std::array<std::string_view, 2>, 4> kEightWindsDays = {
    {{"丁丑", "丁巳"}, {"甲申", "甲辰"}, {"丁未", "丁亥"}, {"甲戌", "甲寅"}}};
// 卷五 四废: 春庚申辛酉 夏壬子癸亥 秋甲寅乙卯 冬丙午丁巳.
constexpr std::array<std::array<std::string_view, 2>, 4> kFourAbandonedDays = {
    {{"庚申", "辛酉"}, {"壬子", "癸亥"}, {"甲寅", "乙卯"}, {"丙午", "丁巳"}}};
// 卷五 四耗 四忌 四穷, by season.
constexpr std::array<std::string_view, 4> kFourWastesDay = {"壬子", "乙卯", "戊午", "辛酉"};
constexpr std::array<std::string_view, 4> kFourTaboosDay = {"甲子", "丙子", "庚子", "壬子"};
constexpr std::array<std::string_view, 4> kFourExhaustionsDay = {"乙亥", "丁亥", "辛亥", "癸亥"};
// 卷六 上朔, by year stem.
constexpr std::array<std::string_view, 10> kFirstExhaustionDay = {
    "癸亥", "己巳", "乙亥", "辛巳", "丁亥", "癸巳", "己亥", "乙巳", "辛亥", "丁巳"};
// 卷五 复日: the day stem that repeats the month branch's own stem
// (寅甲 卯乙 辰戊 巳丙 午丁 未己 申庚 酉辛 戌戊 亥壬 子癸 丑己), by month branch.
constexpr std::array<int, 12> kRepeatDayStem = {9, 5, 0, 1, 4, 2, 3, 5, 6, 7, 4, 8};
// 卷五 月刑: the branch the month branch punishes (子刑卯 丑刑戌 寅刑巳 卯刑子 辰自刑
// 巳刑申 午自刑 未刑丑 申刑寅 酉自刑 戌刑未 亥自刑), by month branch.
constexpr std::array<int, 12> kPunishedBranch = {3, 10, 5, 0, 4, 8, 6, 1, 2, 9, 7, 11};

// The six months of yang branches take the first member of the pairs that the
// nine spirits 要安 … 续世 walk through, the yin months the second one six places on.
int NineSpiritBranch(int first, int k) { return FloorMod(first + k / 2 + (k % 2) * 6, 12); }

bool IsCockCrow(const Day& x) {
  // 卷五 鸣吠 (corrected): 甲丙庚壬 with 午 or 申, and all five 酉 days.
  if (x.d == 9) return true;
  return (x.d == 6 || x.d == 8) && x.t % 2 == 0 && x.t != 4;
}

bool IsCockCrowOpposite(const Day& x) {
  // 卷五 鸣吠对 (corrected): 丙庚壬子, 甲丙庚壬寅, 乙丁辛癸卯.
  if (x.d == 0) return x.t == 2 || x.t == 6 || x.t == 8;
  if (x.d == 2) return x.t % 2 == 0 && x.t != 4;
  if (x.d == 3) return x.t % 2 == 1 && x.t != 5;
  return false;
}

// 卷十 月建 / 月厌 / 月破 条: the days the tradition closes to all works, the
// days whose stem counts as the month's own stem rather than as a virtue, and
// 岁薄 逐阵 (whose good works are cut by what 月厌 forbids).
struct MarkedDay {
  int k;
  std::string_view pillar;
  Spirit spirit;
};
constexpr std::array<MarkedDay, 64> kMarkedDays = {{
    {0, "甲戌", Spirit::kYinYangGreatMeet},  {1, "乙酉", Spirit::kYinYangGreatMeet},
    {4, "丙午", Spirit::kYinYangGreatMeet},  {5, "丁巳", Spirit::kYinYangGreatMeet},
    {6, "庚辰", Spirit::kYinYangGreatMeet},  {7, "辛卯", Spirit::kYinYangGreatMeet},
    {10, "壬子", Spirit::kYinYangGreatMeet}, {11, "癸亥", Spirit::kYinYangGreatMeet},
    {1, "己卯", Spirit::kYinYangSmallMeet},  {2, "戊辰", Spirit::kYinYangSmallMeet},
    {3, "己巳", Spirit::kYinYangSmallMeet},  {4, "戊午", Spirit::kYinYangSmallMeet},
    {7, "己酉", Spirit::kYinYangSmallMeet},  {8, "戊戌", Spirit::kYinYangSmallMeet},
    {9, "己亥", Spirit::kYinYangSmallMeet},  {10, "戊子", Spirit::kYinYangSmallMeet},
    {2, "庚辰", Spirit::kYinSeat},           {8, "甲戌", Spirit::kYinSeat},
    {3, "癸亥", Spirit::kYinYangCrossBreak}, {9, "丁巳", Spirit::kYinYangCrossBreak},
    {4, "壬子", Spirit::kYinYangClash},      {10, "丙午", Spirit::kYinYangClash},
    {5, "癸丑", Spirit::kYangBreakYinClash}, {11, "丁未", Spirit::kYangBreakYinClash},
    {1, "己酉", Spirit::kYinRoadClash},      {7, "己卯", Spirit::kYinRoadClash},
    {0, "辛酉", Spirit::kThreeYin},          {6, "乙卯", Spirit::kThreeYin},
    {4, "丙午", Spirit::kBothAmiss},         {10, "壬子", Spirit::kBothAmiss},
    {3, "戊辰", Spirit::kYinExtinct},        {9, "戊戌", Spirit::kYangExtinct},
    {0, "甲寅", Spirit::kYangAmiss},         {1, "乙卯", Spirit::kYangAmiss},
    {2, "甲辰", Spirit::kYangAmiss},         {3, "丁巳", Spirit::kYangAmiss},
    {3, "己巳", Spirit::kYangAmiss},         {5, "丁未", Spirit::kYangAmiss},
    {5, "己未", Spirit::kYangAmiss},         {6, "庚申", Spirit::kYangAmiss},
    {7, "辛酉", Spirit::kYangAmiss},         {8, "庚戌", Spirit::kYangAmiss},
    {9, "癸亥", Spirit::kYangAmiss},         {11, "癸丑", Spirit::kYangAmiss},
    {0, "庚戌", Spirit::kYinAmiss},          {1, "辛酉", Spirit::kYinAmiss},
    {2, "庚申", Spirit::kYinAmiss},          {3, "丁未", Spirit::kYinAmiss},
    {3, "己未", Spirit::kYinAmiss},          {5, "丁巳", Spirit::kYinAmiss},
    {5, "己巳", Spirit::kYinAmiss},          {6, "甲辰", Spirit::kYinAmiss},
    {7, "乙卯", Spirit::kYinAmiss},          {8, "甲寅", Spirit::kYinAmiss},
    {9, "癸丑", Spirit::kYinAmiss},          {11, "癸亥", Spirit::kYinAmiss},
    {3, "丙午", Spirit::kYearThin},          {3, "戊午", Spirit::kYearThin},
    {9, "壬子", Spirit::kYearThin},          {9, "戊子", Spirit::kYearThin},
    {5, "丙午", Spirit::kChaseArray},        {5, "戊午", Spirit::kChaseArray},
    {11, "壬子", Spirit::kChaseArray},       {11, "戊子", Spirit::kChaseArray},
}};
constexpr bool EveryMarkedDayNamed() {
  for (const MarkedDay& day : kMarkedDays) {
    if (day.pillar.empty()) return false;
  }
  return true;
}
static_assert(EveryMarkedDayNamed(), "kMarkedDays holds an empty entry");

// The spirits that rise from the stems of the month: the virtues, their mates,
// 月空, 月恩, 四相 and 天赦 天愿 天恩.
void AddStemSpirits(const Day& x, SpiritSet& set) {
  const int group = TriadBirth(x.m) / 3;  // 寅 0, 巳 1, 申 2, 亥 3
  const int heavenVirtue = At(kHeavenVirtueStem, x.k);
  if (heavenVirtue >= 0 && x.t == heavenVirtue) set.Add(Spirit::kHeavenVirtue);
  // 天德合: the stem that combines with 天德 (甲己 乙庚 丙辛 丁壬 戊癸 pair at distance 5).
  if (heavenVirtue >= 0 && x.t == (heavenVirtue + 5) % 10) set.Add(Spirit::kHeavenVirtueMate);
  if (x.t == At(kMonthVirtueStem, group)) set.Add(Spirit::kMonthVirtue);
  if (x.t == At(kMonthVirtueMateStem, group)) set.Add(Spirit::kMonthVirtueMate);
  if (x.t == At(kMonthVoidStem, group)) set.Add(Spirit::kMonthVoid);
  if (x.t == At(kMonthGraceStem, x.k)) set.Add(Spirit::kMonthGrace);
  // 四相: the stems of the element the season produces: 春丙丁 夏戊己 秋壬癸 冬甲乙.
  constexpr std::array<int, 4> kFourMinistersStem = {2, 4, 8, 0};
  if (x.t / 2 == At(kFourMinistersStem, x.s) / 2) set.Add(Spirit::kFourMinisters);
  if (IsDay(x.pillar, At(kHeavenPardonDay, x.s))) set.Add(Spirit::kHeavenPardon);
  if (IsDay(x.pillar, At(kHeavenWishDay, x.k))) set.Add(Spirit::kHeavenWish);
  // 卷九 天恩: 甲子至戊辰, 己卯至癸未, 己酉至癸丑.
  const int index = x.pillar.Index();
  if (index <= 4 || (index >= 15 && index <= 19) || (index >= 45 && index <= 49)) {
    set.Add(Spirit::kHeavenGrace);
  }
}

// The auspicious spirits that stand on a branch of the month's cycle.
void AddBranchBlessings(const Day& x, SpiritSet& set) {
  const int birth = TriadBirth(x.m);
  // 卷五 母仓: 春亥子 夏寅卯 秋辰戌丑未 冬申酉, and 巳午 in the days of 土王用事
  // (fire mothers earth), which take the place of the season's.
  const bool motherGranary =
      x.earthKing ? (x.d == 5 || x.d == 6)
                  : (x.s == 0 && (x.d == 11 || x.d == 0)) || (x.s == 1 && (x.d == 2 || x.d == 3)) ||
                        (x.s == 2 && IsJi(x.d)) || (x.s == 3 && (x.d == 8 || x.d == 9));
  if (motherGranary) set.Add(Spirit::kMotherGranary);
  // 卷五 时德: 春午 夏辰 秋子 冬寅.
  constexpr std::array<int, 4> kSeasonVirtueBranch = {6, 4, 0, 2};
  if (x.d == At(kSeasonVirtueBranch, x.s)) set.Add(Spirit::kSeasonVirtue);
  // 卷六 阳德 正月戌 顺行六阳辰; 阴德 正月酉 逆行六阴辰.
  if (x.d == FloorMod(10 + 2 * x.k, 12)) set.Add(Spirit::kYangVirtue);
  if (x.d == FloorMod(9 - 2 * x.k, 12)) set.Add(Spirit::kYinVirtue);
  // 卷五 王日 春寅; 官日 春卯; 守日 春辰 (协纪 exchanges 守 and 牢); 相日 春巳;
  // 民日 春午; each season three branches on.
  const int seasonBase = 2 + 3 * x.s;
  if (x.d == FloorMod(seasonBase, 12)) set.Add(Spirit::kKingDay);
  if (x.d == FloorMod(seasonBase + 1, 12)) set.Add(Spirit::kOfficialDay);
  if (x.d == FloorMod(seasonBase + 2, 12)) set.Add(Spirit::kGuardDay);
  if (x.d == FloorMod(seasonBase + 3, 12)) set.Add(Spirit::kMinisterDay);
  if (x.d == FloorMod(seasonBase + 4, 12)) set.Add(Spirit::kPeopleDay);
  // 卷六 三合: the two other members of the month's three-harmony group.
  const int fromMonth = FloorMod(x.d - x.m, 12);
  if (fromMonth == 4 || fromMonth == 8) set.Add(Spirit::kTripleHarmony);
  if (x.d == At(kOverseeBranch, x.k)) set.Add(Spirit::kOverseeDay);
  // 卷六 驿马 (天后): facing the birth branch of the month's group.
  if (x.d == FloorMod(birth + 6, 12)) {
    set.Add(Spirit::kPostHorse);
    set.Add(Spirit::kHeavenQueen);
  }
  // 卷六 天马: 正月午 顺行六阳辰.
  if (x.d == FloorMod(6 + 2 * x.k, 12)) set.Add(Spirit::kHeavenHorse);
  // 卷六 六合: the branch that combines with the month (子丑 寅亥 卯戌 辰酉 巳申 午未).
  if (FloorMod(x.d + x.m, 12) == 1) set.Add(Spirit::kSixHarmony);
  // 卷四 六仪: the place facing 月厌 (the same place as 厌对).
  if (x.d == FloorMod(6 - x.m, 12)) set.Add(Spirit::kSixRites);
  // 卷六 五富: 正月亥 顺行四孟.
  if (x.d == FloorMod(11 + 3 * x.k, 12)) set.Add(Spirit::kFiveRiches);
  // 卷六 天仓: 正月寅 逆行十二辰.
  if (x.d == FloorMod(2 - x.k, 12)) set.Add(Spirit::kHeavenGranary);
  // 卷六 the nine spirits: 要安 正月寅, 玉宇 卯, 金堂 辰, 敬安 未, 普护 申, 福生 酉,
  // 圣心 亥, 益后 子, 续世 丑, the even months six places on from the odd ones.
  if (x.d == NineSpiritBranch(2, x.k)) set.Add(Spirit::kSeekPeace);
  if (x.d == NineSpiritBranch(3, x.k)) set.Add(Spirit::kJadeEaves);
  if (x.d == NineSpiritBranch(4, x.k)) set.Add(Spirit::kGoldenHall);
  if (x.d == NineSpiritBranch(7, x.k)) set.Add(Spirit::kReverentPeace);
  if (x.d == NineSpiritBranch(8, x.k)) set.Add(Spirit::kUniversalCare);
  if (x.d == NineSpiritBranch(9, x.k)) set.Add(Spirit::kFortuneBirth);
  if (x.d == NineSpiritBranch(11, x.k)) set.Add(Spirit::kSageHeart);
  if (x.d == NineSpiritBranch(0, x.k)) set.Add(Spirit::kBenefitHeirs);
  if (x.d == NineSpiritBranch(1, x.k)) set.Add(Spirit::kContinueLine);
  // 卷五 解神: 正二月申 三四月戌 五六月子 七八月寅 九十月辰 十一十二月午.
  if (x.d == FloorMod(8 + 2 * (x.k / 2), 12)) set.Add(Spirit::kReleaseSpirit);
}

// The auspicious spirits fixed to the day pillar alone (卷五, 卷九).
void AddDayBlessings(const Day& x, SpiritSet& set) {
  if (x.d == 8 || x.d == 9) set.Add(Spirit::kRemovalSpirit);  // 除神: 申酉日
  if (x.d == 2 || x.d == 3) set.Add(Spirit::kFiveUnions);     // 五合: 寅卯日
  if (IsCockCrow(x)) set.Add(Spirit::kCockCrow);
  if (IsCockCrowOpposite(x)) set.Add(Spirit::kCockCrowOpposite);
}

// 卷四: the spirits that share the place of a day officer. 建: 月建 小时 土府;
// 除: 吉期; 满: 天巫 福德; 平: 死神; 定: 时阴 死气; 执: 小耗; 破: 月破 大耗;
// 成: 天喜 天医; 开: 时阳 生气; 闭: 血支.
void AddOfficerSpirits(const Day& x, SpiritSet& set) {
  switch (x.officer) {
    case 0:
      set.Add(Spirit::kMonthBuild);
      set.Add(Spirit::kSmallTime);
      set.Add(Spirit::kEarthOffice);
      break;
    case 1:
      set.Add(Spirit::kRemoveDay);
      set.Add(Spirit::kAuspiciousTerm);
      break;
    case 2:
      set.Add(Spirit::kFullDay);
      set.Add(Spirit::kHeavenShaman);
      set.Add(Spirit::kFortuneVirtue);
      break;
    case 3:
      set.Add(Spirit::kLevelDay);
      set.Add(Spirit::kDeathSpirit);
      break;
    case 4:
      set.Add(Spirit::kSettleDay);
      set.Add(Spirit::kSeasonYin);
      set.Add(Spirit::kDeathQi);
      break;
    case 5:
      set.Add(Spirit::kHoldDay);
      set.Add(Spirit::kSmallWaste);
      break;
    case 6:
      set.Add(Spirit::kMonthBreak);
      set.Add(Spirit::kGreatWaste);
      break;
    case 7:
      set.Add(Spirit::kDangerDay);
      break;
    case 8:
      set.Add(Spirit::kCompleteDay);
      set.Add(Spirit::kHeavenJoy);
      set.Add(Spirit::kHeavenDoctor);
      break;
    case 9:
      set.Add(Spirit::kCollectDay);
      break;
    case 10:
      set.Add(Spirit::kOpenDay);
      set.Add(Spirit::kSeasonYang);
      set.Add(Spirit::kLivingQi);
      break;
    default:
      set.Add(Spirit::kCloseDay);
      set.Add(Spirit::kBloodBranch);
      break;
  }
}

// The baleful spirits of the month's cycle (卷四 卷五 卷六).
void AddBranchBanes(const Day& x, SpiritSet& set) {
  const int birth = TriadBirth(x.m);
  // 卷六 三煞: 劫煞 灾煞 月煞 follow the birth branch of the month's group by nine,
  // ten and eleven places (寅午戌月 亥 子 丑).
  if (x.d == FloorMod(birth + 9, 12)) set.Add(Spirit::kRobberySha);
  if (x.d == FloorMod(birth + 10, 12)) {
    set.Add(Spirit::kCalamitySha);
    set.Add(Spirit::kHeavenFire);
  }
  if (x.d == FloorMod(birth + 11, 12)) {
    set.Add(Spirit::kMonthSha);
    set.Add(Spirit::kMonthEmptiness);
  }
  if (x.d == At(kPunishedBranch, x.m)) set.Add(Spirit::kMonthPunishment);
  // 卷六 月害: the branch that harms the month (子未 丑午 寅巳 卯辰 申亥 酉戌).
  if (FloorMod(x.d + x.m, 12) == 7) set.Add(Spirit::kMonthHarm);
  // 卷四 月厌 (地火): 正月戌 逆行十二辰; 厌对 (招摇) faces it.
  if (x.d == FloorMod(-x.m, 12)) {
    set.Add(Spirit::kMonthLoathing);
    set.Add(Spirit::kEarthFire);
  }
  if (x.d == FloorMod(6 - x.m, 12)) {
    set.Add(Spirit::kLoathingOpposite);
    set.Add(Spirit::kBeckoning);
  }
  // 卷六 大时 (大败 咸池) 正月卯 逆行四仲; 游祸 正月巳 逆行四孟; 天吏 (致死) 正月酉 逆行四仲.
  if (x.d == FloorMod(3 - 3 * x.k, 12)) {
    set.Add(Spirit::kGreatTime);
    set.Add(Spirit::kGreatDefeat);
    set.Add(Spirit::kSaltPool);
  }
  if (x.d == FloorMod(5 - 3 * x.k, 12)) set.Add(Spirit::kRoamingDisaster);
  if (x.d == FloorMod(9 - 3 * x.k, 12)) {
    set.Add(Spirit::kHeavenClerk);
    set.Add(Spirit::kBringDeath);
  }
  // 卷六 天贼: 正月丑 逆行十二辰 (the 收 of 月厌).
  if (x.d == FloorMod(1 - x.k, 12)) set.Add(Spirit::kHeavenThief);
  // 卷五 四击: 春戌 夏丑 秋辰 冬未.
  if (x.d == FloorMod(10 + 3 * x.s, 12)) set.Add(Spirit::kFourStrikes);
  // 卷五 五虚: the branches whose group dies in the season (春巳酉丑 夏申子辰 秋亥卯未 冬寅午戌).
  if (TriadBirth(x.d) == FloorMod(5 + 3 * x.s, 12)) set.Add(Spirit::kFiveVoids);
  // 卷五 九空: 正月辰 逆行四季.
  if (x.d == FloorMod(4 - 3 * x.k, 12)) set.Add(Spirit::kNineVoids);
  if (x.d == At(kNinePitsBranch, x.k)) {
    set.Add(Spirit::kNinePits);
    set.Add(Spirit::kNineScorches);
  }
  if (x.d == At(kEarthTallyBranch, x.k)) set.Add(Spirit::kEarthTally);
  if (x.d == At(kGreatShaBranch, x.k)) set.Add(Spirit::kGreatSha);
  // 卷六 归忌: 孟月丑 仲月寅 季月子.
  constexpr std::array<int, 3> kReturnTabooBranch = {1, 2, 0};
  if (x.d == At(kReturnTabooBranch, x.k % 3)) set.Add(Spirit::kReturnTaboo);
  // 卷六 血忌 shares the place of 续世.
  if (x.d == NineSpiritBranch(1, x.k)) set.Add(Spirit::kBloodTaboo);
  if (x.d == At(kGoneAwayBranch, x.k)) set.Add(Spirit::kGoneAway);
  if (x.t == At(kRepeatDayStem, x.m)) set.Add(Spirit::kRepeatDay);
}

// The baleful spirits fixed to pillars (卷五, 卷九) and to the month's pillar lists.
void AddDayBanes(const Day& x, SpiritSet& set) {
  const Pillar p = x.pillar;
  const auto& sack = At(kEarthSackDays, x.k);
  if (IsAnyDay(p, {sack[0], sack[1]})) set.Add(Spirit::kEarthSack);
  const auto& winds = At(kEightWindsDays, x.s);
  if (IsAnyDay(p, {winds[0], winds[1]})) set.Add(Spirit::kEightWinds);
  const auto& abandoned = At(kFourAbandonedDays, x.s);
  if (IsAnyDay(p, {abandoned[0], abandoned[1]})) set.Add(Spirit::kFourAbandoned);
  if (IsDay(p, At(kFourWastesDay, x.s))) set.Add(Spirit::kFourWastes);
  if (IsDay(p, At(kFourTaboosDay, x.s))) set.Add(Spirit::kFourTaboos);
  if (IsDay(p, At(kFourExhaustionsDay, x.s))) set.Add(Spirit::kFourExhaustions);
  // 卷五 五墓: 寅卯月乙未 巳午月丙戌 申酉月辛丑 亥子月壬辰 四季月戊辰.
  constexpr std::array<std::string_view, 4> kFiveTombsDay = {"乙未", "丙戌", "辛丑", "壬辰"};
  const std::string_view tomb = IsJi(x.m) ? "戊辰" : At(kFiveTombsDay, x.s);
  if (IsDay(p, tomb)) set.Add(Spirit::kFiveTombs);
  if (x.d == 5 || x.d == 11) set.Add(Spirit::kDoubleDay);       // 重日: 巳亥日
  if (x.d == 8 || x.d == 9) set.Add(Spirit::kFiveSeparations);  // 五离: 申酉日
  if (IsAnyDay(p, {"甲寅", "丁未", "己未", "庚申", "癸丑"})) set.Add(Spirit::kEightSolitudes);
  if (IsAnyDay(p, {"丙子", "癸未", "癸丑"})) set.Add(Spirit::kWaterDragon);
  for (const auto& marked : kMarkedDays) {
    if (marked.k == x.k && IsDay(p, marked.pillar)) set.Add(marked.spirit);
  }
}

// 卷六 气往亡: the day a fixed count of days after a jie: 立春后七日 惊蛰后十四日
// 清明后二十一日, 立夏后八日 …, the count being (7 + season) × (place in the season).
bool IsQiGoneAway(int monthOrdinal, int daysSinceJie) {
  return daysSinceJie == (7 + monthOrdinal / 3) * (monthOrdinal % 3 + 1);
}

// The spirits that need the year, the lunar date or the solar terms (卷六 上朔
// 反支 四离 四绝 气往亡, 卷十 土王用事).
void AddCalendarBanes(const DayFacts& f, SpiritSet& set) {
  if (IsDay(f.day, At(kFirstExhaustionDay, f.year.stem.Index()))) {
    set.Add(Spirit::kFirstExhaustion);
  }
  // 反支: counted from the branch of the first day of the lunar month: 戌亥朔 一日,
  // 申酉朔 二日, 午未朔 三日, 辰巳朔 四日, 寅卯朔 五日, 子丑朔 六日.
  const int newMoonBranch = FloorMod(BranchOf(f.day.branch) - (f.lunarDay - 1), 12);
  const int reverseDay = 6 - newMoonBranch / 2;
  if (f.lunarDay == reverseDay) set.Add(Spirit::kReverseBranch);
  if (f.termEve == TermEve::kSolsticeEquinox) set.Add(Spirit::kFourSeparations);
  if (f.termEve == TermEve::kSeasonStart) set.Add(Spirit::kFourEndings);
  const int k = MonthOrdinal(f.month.branch);
  // The count after 小寒 (thirty days) can run past 立春, so the jie before counts too.
  if ((f.daysSinceJie >= 0 && IsQiGoneAway(k, f.daysSinceJie)) ||
      (f.daysSincePreviousJie >= 0 && IsQiGoneAway(FloorMod(k - 1, 12), f.daysSincePreviousJie))) {
    set.Add(Spirit::kQiGoneAway);
  }
  // 土王用事: the eighteen days before each of 立春 立夏 立秋 立冬.
  if (f.daysToSeasonStart >= 1 && f.daysToSeasonStart <= 18) set.Add(Spirit::kEarthKing);
}

void AddPathSpirit(const Day& x, SpiritSet& set) {
  // 卷七: 寅申月子日青龙, 卯酉月寅, 辰戌月辰, 巳亥月午, 子午月申, 丑未月戌, then in order
  // 青龙 明堂 天刑 朱雀 金匮 天德(宝光) 白虎 玉堂 天牢 玄武 司命 勾陈.
  constexpr std::array<Spirit, 12> kPath = {
      Spirit::kAzureDragon,   Spirit::kBrightHall,     Spirit::kHeavenPunishment,
      Spirit::kVermilionBird, Spirit::kGoldenCoffer,   Spirit::kPreciousLight,
      Spirit::kWhiteTiger,    Spirit::kJadeHall,       Spirit::kHeavenPrison,
      Spirit::kBlackTortoise, Spirit::kLifeController, Spirit::kHookedArray};
  const int dragon = FloorMod(2 * x.m - 4, 12);
  set.Add(At(kPath, FloorMod(x.d - dragon, 12)));
}

SpiritSet DaySpirits(const DayFacts& f) {
  const Day x = DayOf(f);
  SpiritSet set;
  AddStemSpirits(x, set);
  AddBranchBlessings(x, set);
  AddDayBlessings(x, set);
  AddOfficerSpirits(x, set);
  AddBranchBanes(x, set);
  AddDayBanes(x, set);
  AddCalendarBanes(f, set);
  AddPathSpirit(x, set);
  // 卷十 月厌条: on 阳错 and 阴错 days the virtue stem stands for the month's own stem
  // (德作建论不作德论), so it neither blesses nor tempers.
  if (set.Has(Spirit::kYangAmiss) || set.Has(Spirit::kYinAmiss) || set.Has(Spirit::kBothAmiss)) {
    for (Spirit v : {Spirit::kHeavenVirtue, Spirit::kMonthVirtue, Spirit::kHeavenVirtueMate,
                     Spirit::kMonthVirtueMate}) {
      set.Remove(v);
    }
  }
  // 岁薄 逐阵 take the same reading (与子午月例同), and their good works follow
  // neither the virtues nor 天愿 (四月丙午 六月戊午 亦不从德愿所宜).
  if (set.Has(Spirit::kYearThin) || set.Has(Spirit::kChaseArray)) {
    for (Spirit v : {Spirit::kHeavenVirtue, Spirit::kMonthVirtue, Spirit::kHeavenVirtueMate,
                     Spirit::kMonthVirtueMate, Spirit::kHeavenWish}) {
      set.Remove(v);
    }
  }
  return set;
}

// ---------------------------------------------------------------------------
// Works (用事). The tasks are the works of 协纪辨方书 卷十一; the activities the
// entry prints map onto them.

enum class Task : std::uint8_t {
  kSacrifice,       // 祭祀
  kPrayBlessing,    // 祈福
  kPrayHeir,        // 求嗣
  kBanquet,         // 宴会 (会亲友)
  kSchool,          // 入学
  kCapping,         // 冠带
  kTravel,          // 行幸遣使 (出行)
  kTakeOffice,      // 上官赴任
  kBetrothal,       // 结婚姻
  kBetrothalGifts,  // 纳采问名
  kWedding,         // 嫁娶
  kTakeInPeople,    // 进人口
  kMoveHouse,       // 般移
  kSetBed,          // 安床
  kExorcism,        // 解除
  kBathe,           // 沐浴
  kHaircut,         // 整容剃头
  kNails,           // 整手足甲
  kMedicine,        // 求医疗病
  kAcupuncture,     // 针刺
  kTailoring,       // 裁制
  kBuilding,        // 兴造动土
  kRaiseBeam,       // 竖柱上梁
  kGranary,         // 修仓库
  kWeaving,         // 经络
  kBrewing,         // 酝酿
  kOpenShop,        // 开市
  kContract,        // 立券交易
  kReceiveWealth,   // 纳财
  kOpenStores,      // 开仓库出货财
  kDitch,           // 开渠
  kWell,            // 穿井
  kMill,            // 安碓硙
  kMendWall,        // 补垣
  kBlockHoles,      // 塞穴
  kSweep,           // 扫舍宇
  kLevelRoads,      // 平治道涂
  kDemolish,        // 破屋坏垣
  kFelling,         // 伐木
  kCapture,         // 捕捉
  kHunting,         // 畋猎
  kFishing,         // 取鱼
  kPlanting,        // 栽种
  kHerding,         // 牧养
  kLivestock,       // 纳畜
  kBreakGround,     // 破土
  kBurial,          // 安葬
  kExhume,          // 启攒
  kLawsuit,         // 陈词讼
  kCount,
};

constexpr int kTaskCount = static_cast<int>(Task::kCount);

using S = Spirit;

struct TaskRule {
  Task task;
  SpiritSet good;  // 宜: the spirits 卷十一 names as favouring the work
  SpiritSet bad;   // 忌: the spirits 卷十一 names as forbidding it
};

// 卷十一 用事, work by work. Conditions on stems, branches, seasons and lunar days
// follow in TaskFavoured and TaskForbiddenByDay.
constexpr SpiritSet kPrayerBanes = {
    S::kMonthBuild,  S::kMonthBreak,      S::kLevelDay,        S::kCollectDay,   S::kRobberySha,
    S::kCalamitySha, S::kMonthSha,        S::kMonthPunishment, S::kMonthHarm,    S::kMonthLoathing,
    S::kGreatTime,   S::kRoamingDisaster, S::kHeavenClerk,     S::kFourAbandoned};
constexpr SpiritSet kMarriageBanes = {
    S::kMonthBuild, S::kMonthBreak,      S::kLevelDay,    S::kCollectDay,      S::kFullDay,
    S::kCloseDay,   S::kRobberySha,      S::kCalamitySha, S::kMonthSha,        S::kMonthPunishment,
    S::kMonthHarm,  S::kMonthLoathing,   S::kGreatTime,   S::kHeavenClerk,     S::kFourAbandoned,
    S::kFourTaboos, S::kFourExhaustions, S::kFiveTombs,   S::kFiveSeparations, S::kEightSolitudes};
constexpr SpiritSet kBuildingBlessings = {
    S::kHeavenVirtue, S::kMonthVirtue,   S::kHeavenVirtueMate, S::kMonthVirtueMate,
    S::kHeavenPardon, S::kHeavenWish,    S::kMonthGrace,       S::kFourMinisters,
    S::kSeasonVirtue, S::kTripleHarmony, S::kOpenDay};
constexpr SpiritSet kBrewingBanes = {
    S::kMonthBreak, S::kLevelDay,        S::kCollectDay, S::kRobberySha,    S::kCalamitySha,
    S::kMonthSha,   S::kMonthPunishment, S::kMonthHarm,  S::kMonthLoathing, S::kFourAbandoned};
constexpr SpiritSet kHerdBlessings = {
    S::kHeavenVirtue,  S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate, S::kHeavenPardon,
    S::kMotherGranary, S::kHeavenWish,  S::kMonthGrace,       S::kFourMinisters,   S::kSeasonVirtue,
    S::kPeopleDay,     S::kOpenDay,     S::kFiveRiches};
constexpr SpiritSet kHerdBanes = {
    S::kMonthBreak,  S::kLevelDay,        S::kDeathSpirit, S::kRobberySha,    S::kCalamitySha,
    S::kMonthSha,    S::kMonthPunishment, S::kMonthHarm,   S::kMonthLoathing, S::kGreatTime,
    S::kHeavenClerk, S::kFourAbandoned,   S::kFiveTombs};
constexpr SpiritSet kWaterWorkBanes = {
    S::kEarthOffice,   S::kEarthKing,     S::kMonthBreak,  S::kLevelDay, S::kCollectDay,
    S::kCloseDay,      S::kRobberySha,    S::kCalamitySha, S::kMonthSha, S::kMonthPunishment,
    S::kMonthLoathing, S::kFourAbandoned, S::kEarthTally,  S::kEarthSack};
constexpr SpiritSet kGroomingBanes = {S::kMonthBuild,   S::kMonthBreak, S::kRobberySha,
                                      S::kCalamitySha,  S::kMonthSha,   S::kMonthPunishment,
                                      S::kMonthLoathing};
constexpr SpiritSet kGroomingBlessings = {S::kRemoveDay, S::kReleaseSpirit, S::kRemovalSpirit};

const std::array<TaskRule, kTaskCount>& TaskRules() {
  static const std::array<TaskRule, kTaskCount> kRules = {{
      {Task::kSacrifice,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kHeavenShaman, S::kOpenDay, S::kUniversalCare, S::kFortuneBirth, S::kSageHeart,
        S::kBenefitHeirs, S::kContinueLine},
       {}},
      {Task::kPrayBlessing,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kHeavenShaman, S::kOpenDay, S::kUniversalCare, S::kFortuneBirth, S::kSageHeart,
        S::kBenefitHeirs, S::kContinueLine},
       kPrayerBanes},
      {Task::kPrayHeir,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kOpenDay, S::kBenefitHeirs, S::kContinueLine},
       kPrayerBanes},
      {Task::kBanquet,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenGrace, S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters,
        S::kSeasonVirtue, S::kKingDay, S::kPeopleDay, S::kTripleHarmony, S::kFortuneVirtue,
        S::kHeavenJoy, S::kOpenDay, S::kSixHarmony, S::kFiveUnions},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing, S::kFourAbandoned,
        S::kFiveSeparations}},
      {Task::kSchool, {S::kCompleteDay, S::kOpenDay}, {}},
      {Task::kCapping,
       {S::kSettleDay},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kRobberySha, S::kCalamitySha, S::kMonthSha,
        S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime, S::kHeavenClerk, S::kFourAbandoned,
        S::kFiveTombs}},
      {Task::kTravel,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kKingDay, S::kPostHorse, S::kHeavenHorse, S::kMonthBuild, S::kAuspiciousTerm,
        S::kHeavenJoy, S::kOpenDay},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime, S::kHeavenClerk,
        S::kHeavenThief, S::kFourAbandoned, S::kFiveTombs, S::kGoneAway}},
      {Task::kTakeOffice,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kKingDay, S::kOfficialDay, S::kGuardDay, S::kMinisterDay, S::kOverseeDay, S::kMonthBuild,
        S::kAuspiciousTerm, S::kHeavenJoy, S::kOpenDay},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kFullDay, S::kCloseDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime,
        S::kHeavenClerk, S::kFourAbandoned, S::kFiveTombs, S::kGoneAway}},
      {Task::kBetrothal,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kPeopleDay, S::kTripleHarmony, S::kHeavenJoy, S::kSixHarmony, S::kFiveUnions},
       kMarriageBanes},
      {Task::kBetrothalGifts,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kPeopleDay, S::kTripleHarmony, S::kHeavenJoy},
       kMarriageBanes},
      {Task::kWedding,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kTripleHarmony, S::kHeavenJoy, S::kSixHarmony},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing, S::kLoathingOpposite,
        S::kGreatTime, S::kHeavenClerk, S::kFourAbandoned, S::kFourTaboos, S::kFourExhaustions,
        S::kFiveTombs, S::kGoneAway, S::kEightSolitudes}},
      {Task::kTakeInPeople,
       {S::kHeavenWish, S::kPeopleDay, S::kTripleHarmony, S::kFullDay, S::kCollectDay,
        S::kSixHarmony, S::kHeavenGranary},
       {S::kMonthBreak, S::kLevelDay, S::kDeathSpirit, S::kCloseDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing,
        S::kGreatTime, S::kHeavenClerk, S::kFourAbandoned, S::kFourExhaustions, S::kFiveTombs,
        S::kNineVoids, S::kGoneAway}},
      {Task::kMoveHouse,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kPeopleDay, S::kPostHorse, S::kHeavenHorse, S::kCompleteDay, S::kOpenDay},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime, S::kHeavenClerk,
        S::kFourAbandoned, S::kFiveTombs, S::kReturnTaboo, S::kGoneAway}},
      {Task::kSetBed,
       {S::kDangerDay},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime, S::kHeavenClerk,
        S::kFourAbandoned, S::kFiveTombs}},
      {Task::kExorcism,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue, S::kRemoveDay,
        S::kOpenDay, S::kReleaseSpirit, S::kRemovalSpirit},
       {S::kMonthBuild, S::kLevelDay, S::kDeathSpirit, S::kCollectDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime,
        S::kRoamingDisaster, S::kHeavenClerk, S::kDeathQi, S::kFourAbandoned, S::kFiveTombs}},
      {Task::kBathe, kGroomingBlessings, {}},
      {Task::kHaircut, kGroomingBlessings, kGroomingBanes},
      {Task::kNails, kGroomingBlessings, kGroomingBanes},
      {Task::kMedicine,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue, S::kHeavenQueen,
        S::kRemoveDay, S::kMonthBreak, S::kHeavenDoctor, S::kOpenDay, S::kReleaseSpirit,
        S::kRemovalSpirit},
       {S::kMonthBuild, S::kLevelDay, S::kDeathSpirit, S::kCollectDay, S::kFullDay, S::kCloseDay,
        S::kRobberySha, S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthHarm,
        S::kMonthLoathing, S::kGreatTime, S::kRoamingDisaster, S::kHeavenClerk, S::kDeathQi,
        S::kFourAbandoned, S::kFiveTombs, S::kGoneAway}},
      {Task::kAcupuncture, {}, {S::kBloodBranch, S::kBloodTaboo}},
      {Task::kTailoring,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kKingDay, S::kTripleHarmony, S::kFullDay, S::kOpenDay, S::kRepeatDay},
       {S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kRobberySha, S::kCalamitySha, S::kMonthSha,
        S::kMonthPunishment, S::kMonthLoathing, S::kFourAbandoned}},
      {Task::kBuilding,
       kBuildingBlessings,
       {S::kMonthBuild, S::kEarthOffice, S::kEarthKing, S::kMonthBreak, S::kLevelDay,
        S::kCollectDay, S::kCloseDay, S::kRobberySha, S::kCalamitySha, S::kMonthSha,
        S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime, S::kHeavenClerk, S::kFourAbandoned,
        S::kFiveTombs, S::kEarthTally, S::kEarthSack}},
      {Task::kRaiseBeam,
       kBuildingBlessings,
       {S::kMonthBuild, S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kGreatTime,
        S::kHeavenClerk, S::kFourAbandoned, S::kFiveTombs}},
      {Task::kGranary,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kTripleHarmony, S::kFullDay},
       {S::kMonthBuild,    S::kEarthOffice,    S::kEarthKing,       S::kMonthBreak,
        S::kGreatWaste,    S::kLevelDay,       S::kRobberySha,      S::kCalamitySha,
        S::kMonthSha,      S::kMonthEmptiness, S::kMonthPunishment, S::kMonthHarm,
        S::kMonthLoathing, S::kGreatTime,      S::kHeavenClerk,     S::kSmallWaste,
        S::kHeavenThief,   S::kFourWastes,     S::kFourAbandoned,   S::kFourExhaustions,
        S::kFiveVoids,     S::kNineVoids,      S::kEarthTally,      S::kEarthSack}},
      {Task::kWeaving,
       {S::kHeavenWish, S::kTripleHarmony, S::kFullDay, S::kSixHarmony, S::kFiveRiches},
       kBrewingBanes},
      {Task::kBrewing,
       {S::kHeavenWish, S::kTripleHarmony, S::kSixHarmony, S::kFiveRiches},
       kBrewingBanes},
      {Task::kOpenShop,
       {S::kHeavenWish, S::kPeopleDay, S::kFullDay, S::kCompleteDay, S::kOpenDay, S::kFiveRiches},
       {S::kMonthBreak, S::kGreatWaste, S::kLevelDay, S::kCollectDay, S::kCloseDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing,
        S::kGreatTime, S::kHeavenClerk, S::kSmallWaste, S::kFourWastes, S::kFourAbandoned,
        S::kFourExhaustions, S::kFiveTombs, S::kNineVoids}},
      {Task::kContract,
       {S::kHeavenWish, S::kPeopleDay, S::kTripleHarmony, S::kFullDay, S::kSixHarmony,
        S::kFiveRiches, S::kFiveUnions},
       {S::kMonthBreak, S::kGreatWaste, S::kLevelDay, S::kCollectDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing,
        S::kGreatTime, S::kHeavenClerk, S::kSmallWaste, S::kFourWastes, S::kFourAbandoned,
        S::kFourExhaustions, S::kFiveTombs, S::kNineVoids, S::kFiveSeparations}},
      {Task::kReceiveWealth,
       {S::kMotherGranary, S::kHeavenWish, S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue,
        S::kPeopleDay, S::kTripleHarmony, S::kFullDay, S::kCollectDay, S::kSixHarmony,
        S::kFiveRiches, S::kHeavenGranary},
       {S::kMonthBreak, S::kGreatWaste, S::kLevelDay, S::kRobberySha, S::kCalamitySha, S::kMonthSha,
        S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing, S::kGreatTime, S::kHeavenClerk,
        S::kSmallWaste, S::kFourWastes, S::kFourAbandoned, S::kFourExhaustions, S::kNineVoids}},
      {Task::kOpenStores,
       {S::kMonthGrace, S::kFourMinisters, S::kSeasonVirtue, S::kFullDay, S::kFiveRiches},
       {S::kMonthBuild,    S::kMonthBreak,     S::kGreatWaste,      S::kLevelDay,
        S::kCollectDay,    S::kCloseDay,       S::kRobberySha,      S::kCalamitySha,
        S::kMonthSha,      S::kMonthEmptiness, S::kMonthPunishment, S::kMonthHarm,
        S::kMonthLoathing, S::kGreatTime,      S::kHeavenClerk,     S::kSmallWaste,
        S::kHeavenThief,   S::kFourWastes,     S::kFourAbandoned,   S::kFourExhaustions,
        S::kFiveVoids,     S::kNineVoids}},
      {Task::kDitch, {S::kOpenDay}, kWaterWorkBanes},
      {Task::kWell, {S::kOpenDay}, kWaterWorkBanes},
      {Task::kMill,
       {S::kTripleHarmony, S::kOpenDay},
       {S::kEarthOffice, S::kEarthKing, S::kMonthBreak, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kFourAbandoned, S::kEarthTally,
        S::kEarthSack}},
      {Task::kMendWall,
       {S::kFullDay, S::kCloseDay},
       {S::kMonthBreak, S::kRobberySha, S::kCalamitySha, S::kMonthSha, S::kMonthPunishment,
        S::kMonthLoathing, S::kFourAbandoned, S::kNinePits, S::kEarthOffice, S::kEarthKing,
        S::kEarthTally, S::kEarthSack}},
      {Task::kBlockHoles,
       {S::kFullDay, S::kCloseDay},
       {S::kMonthBreak, S::kRobberySha, S::kCalamitySha, S::kMonthSha, S::kMonthPunishment,
        S::kMonthLoathing, S::kFourAbandoned, S::kNinePits}},
      {Task::kSweep, {S::kRemoveDay, S::kRemovalSpirit}, {}},
      {Task::kLevelRoads,
       {S::kLevelDay},
       {S::kEarthOffice, S::kEarthKing, S::kMonthLoathing, S::kEarthTally, S::kEarthSack}},
      {Task::kDemolish,
       {S::kMonthBreak},
       {S::kMonthBuild, S::kEarthOffice, S::kEarthKing, S::kRobberySha, S::kCalamitySha,
        S::kMonthSha, S::kMonthPunishment, S::kMonthLoathing, S::kEarthTally, S::kEarthSack}},
      {Task::kFelling, {}, {S::kMonthBuild, S::kMonthBreak, S::kMonthLoathing, S::kLivingQi}},
      {Task::kCapture, {S::kHoldDay, S::kCollectDay}, {S::kGoneAway}},
      {Task::kHunting,
       {},
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kLivingQi, S::kGoneAway}},
      {Task::kFishing,
       {},
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kLivingQi, S::kBeckoning, S::kSaltPool, S::kEightWinds, S::kNinePits,
        S::kGoneAway, S::kWaterDragon}},
      {Task::kPlanting,
       kHerdBlessings,
       {S::kMonthBuild,    S::kEarthOffice, S::kEarthKing,    S::kMonthBreak,  S::kLevelDay,
        S::kDeathSpirit,   S::kRobberySha,  S::kCalamitySha,  S::kMonthSha,    S::kMonthPunishment,
        S::kMonthLoathing, S::kEarthFire,   S::kGreatTime,    S::kHeavenClerk, S::kDeathQi,
        S::kFourAbandoned, S::kFiveTombs,   S::kNineScorches, S::kEarthTally,  S::kEarthSack}},
      {Task::kHerding, kHerdBlessings, kHerdBanes},
      {Task::kLivestock,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kMotherGranary, S::kHeavenWish, S::kPeopleDay, S::kTripleHarmony,
        S::kCollectDay, S::kSixHarmony, S::kFiveRiches, S::kHeavenGranary},
       kHerdBanes},
      {Task::kBreakGround,
       {S::kCockCrow, S::kCockCrowOpposite},
       {S::kMonthBuild, S::kEarthOffice, S::kEarthKing, S::kMonthBreak, S::kLevelDay,
        S::kCollectDay, S::kRobberySha, S::kCalamitySha, S::kMonthSha, S::kMonthPunishment,
        S::kMonthHarm, S::kMonthLoathing, S::kFourAbandoned, S::kFiveTombs, S::kEarthTally,
        S::kEarthSack, S::kRepeatDay, S::kDoubleDay}},
      {Task::kBurial,
       {S::kHeavenVirtue, S::kMonthVirtue, S::kHeavenVirtueMate, S::kMonthVirtueMate,
        S::kHeavenPardon, S::kHeavenWish, S::kSixHarmony, S::kCockCrow},
       {S::kMonthBuild, S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing,
        S::kFourAbandoned, S::kFourTaboos, S::kFourExhaustions, S::kFiveTombs, S::kRepeatDay,
        S::kDoubleDay}},
      {Task::kExhume,
       {S::kCockCrowOpposite},
       {S::kMonthBuild, S::kMonthBreak, S::kLevelDay, S::kCollectDay, S::kRobberySha,
        S::kCalamitySha, S::kMonthSha, S::kMonthPunishment, S::kMonthHarm, S::kMonthLoathing,
        S::kFourAbandoned, S::kFiveTombs, S::kRepeatDay, S::kDoubleDay}},
      {Task::kLawsuit, {S::kOverseeDay, S::kReleaseSpirit}, {S::kReverseBranch}},
  }};
  return kRules;
}

const TaskRule& RuleOf(Task task) { return At(TaskRules(), static_cast<int>(task)); }

// The printed activities, in canonical order, and the work whose rules they follow.
struct Activity {
  std::string_view name;
  Task task;
};
constexpr std::array<Activity, 62> kActivities = {{
    {"祭祀", Task::kSacrifice},    {"祈福", Task::kPrayBlessing},   {"求嗣", Task::kPrayHeir},
    {"开光", Task::kPrayBlessing}, {"斋醮", Task::kPrayBlessing},   {"会亲友", Task::kBanquet},
    {"入学", Task::kSchool},       {"冠笄", Task::kCapping},        {"出行", Task::kTravel},
    {"赴任", Task::kTakeOffice},   {"订盟", Task::kBetrothal},      {"纳采", Task::kBetrothalGifts},
    {"嫁娶", Task::kWedding},      {"进人口", Task::kTakeInPeople}, {"移徙", Task::kMoveHouse},
    {"入宅", Task::kMoveHouse},    {"安床", Task::kSetBed},         {"解除", Task::kExorcism},
    {"沐浴", Task::kBathe},        {"理发", Task::kHaircut},        {"整手足甲", Task::kNails},
    {"求医", Task::kMedicine},     {"治病", Task::kMedicine},       {"针灸", Task::kAcupuncture},
    {"裁衣", Task::kTailoring},    {"修造", Task::kBuilding},       {"动土", Task::kBuilding},
    {"起基", Task::kBuilding},     {"安门", Task::kBuilding},       {"上梁", Task::kRaiseBeam},
    {"造仓", Task::kGranary},      {"经络", Task::kWeaving},        {"酝酿", Task::kBrewing},
    {"开市", Task::kOpenShop},     {"挂匾", Task::kOpenShop},       {"立卷", Task::kContract},
    {"交易", Task::kContract},     {"纳财", Task::kReceiveWealth},  {"开仓", Task::kOpenStores},
    {"出货财", Task::kOpenStores}, {"开渠", Task::kDitch},          {"穿井", Task::kWell},
    {"安碓硙", Task::kMill},       {"补垣", Task::kMendWall},       {"塞穴", Task::kBlockHoles},
    {"扫舍", Task::kSweep},        {"平治道涂", Task::kLevelRoads}, {"破屋坏垣", Task::kDemolish},
    {"拆卸", Task::kDemolish},     {"伐木", Task::kFelling},        {"捕捉", Task::kCapture},
    {"畋猎", Task::kHunting},      {"结网", Task::kFishing},        {"栽种", Task::kPlanting},
    {"牧养", Task::kHerding},      {"纳畜", Task::kLivestock},      {"破土", Task::kBreakGround},
    {"安葬", Task::kBurial},       {"入殓", Task::kBurial},         {"移柩", Task::kBurial},
    {"修坟", Task::kExhume},       {"词讼", Task::kLawsuit},
}};
constexpr bool EveryActivityNamed() {
  for (const Activity& a : kActivities) {
    if (a.name.empty()) return false;
  }
  return true;
}
static_assert(EveryActivityNamed(), "kActivities holds an unnamed entry");

// ---------------------------------------------------------------------------
// How a baleful spirit acts on the day. 卷十 weighs each one against the virtues
// and against the officer it falls on, month group by month group:
//   kNormal       it forbids every work of its list (从忌不从宜);
//   kCancel       good and bad cancel: its works are neither favoured nor forbidden
//                 (凡所忌者则不注宜，所宜者亦不注忌);
//   kHealingOnly  the virtues prevail except for war and healing (止忌…求医疗病);
//   kLoathingOnly 月厌 tempered by the virtues still bars travel, office, marriage,
//                 healing, moving and planting;
//   kFellingOnly  月建 tempered by the virtues keeps only its ban on felling;
//   kIgnore       it forbids nothing here, either because the virtues dissolve it
//                 or because a heavier spirit on the same day decides (从重论);
//   kAll          the day is closed to every work (诸事皆忌).
enum class Effect : std::uint8_t {
  kNormal,
  kCancel,
  kHealingOnly,
  kLoathingOnly,
  kFellingOnly,
  kIgnore,
  kAll
};

struct Context {
  const SpiritSet& spirits;
  int m;  // month branch
  bool Has(Spirit s) const { return spirits.Has(s); }
  bool Virtue() const { return spirits.HasAny(kVirtues); }
  bool VirtuePardonWish() const { return spirits.HasAny(kVirtuesPardonWish); }
  bool Month(std::initializer_list<int> branches) const {
    for (int b : branches) {
      if (b == m) return true;
    }
    return false;
  }
};

// Branch numbers for readability in the month conditions.
constexpr int kZi = 0, kChou = 1, kYin = 2, kMao = 3, kChen = 4, kSi = 5, kWu = 6, kWei = 7,
              kShen = 8, kYou = 9, kXu = 10, kHai = 11;

// 卷十 月建: the virtues, 天赦, 月恩 and 四相 leave it only its ban on felling
// (its earth works stay with 土府); on 月刑 and 月厌 days those decide.
Effect MonthBuildEffect(const Context& c) {
  if (c.Has(S::kMonthPunishment) || c.Has(S::kMonthLoathing)) return Effect::kIgnore;
  if (c.Virtue() || c.Has(S::kHeavenPardon) || c.Has(S::kMonthGrace) || c.Has(S::kFourMinisters)) {
    return Effect::kFellingOnly;
  }
  return Effect::kNormal;
}

// 卷十 平日 (死神).
Effect LevelDayEffect(const Context& c) {
  if (c.m == kHai) return Effect::kHealingOnly;  // 相日 时德 六合
  if (c.m == kShen) return c.Virtue() ? Effect::kHealingOnly : Effect::kNormal;
  if (c.Month({kYin, kSi, kZi})) return Effect::kIgnore;  // 从月刑论
  if (IsJi(c.m)) return Effect::kIgnore;                  // 从月煞论
  return c.Virtue() ? Effect::kCancel : Effect::kNormal;  // 卯午酉: 天吏
}

// 卷十 收日.
Effect CollectDayEffect(const Context& c) {
  if (IsMeng(c.m)) return Effect::kIgnore;                  // 从劫煞论
  if (c.Month({kMao, kChou, kXu})) return Effect::kIgnore;  // 从月刑论
  if (c.Month({kChen, kWei})) return c.Virtue() ? Effect::kHealingOnly : Effect::kNormal;
  return c.Virtue() ? Effect::kCancel : Effect::kNormal;  // 子午酉: 大时
}

// 卷十 满日.
Effect FullDayEffect(const Context& c) {
  if (IsJi(c.m) || c.Month({kSi, kHai})) return Effect::kIgnore;  // 从灾煞 / 月厌论
  if (c.Virtue() || c.Has(S::kMonthGrace) || c.Has(S::kFourMinisters)) return Effect::kIgnore;
  return Effect::kNormal;
}

// 卷十 闭日.
Effect CloseDayEffect(const Context& c) {
  if (IsMeng(c.m)) return Effect::kIgnore;  // 从月煞论
  return c.VirtuePardonWish() ? Effect::kCancel : Effect::kNormal;
}

// 卷十 劫煞.
Effect RobberyEffect(const Context& c) {
  if (c.Month({kYin, kShen})) return Effect::kHealingOnly;  // 长生 六合
  if (c.Month({kSi, kHai})) return c.Virtue() ? Effect::kHealingOnly : Effect::kNormal;
  if (IsJi(c.m)) return c.Virtue() ? Effect::kHealingOnly : Effect::kCancel;
  return c.Virtue() ? Effect::kCancel : Effect::kNormal;  // 子午卯酉: 执日
}

// 卷十 灾煞 (天火).
Effect CalamityEffect(const Context& c) {
  if (IsMeng(c.m)) return c.Virtue() ? Effect::kHealingOnly : Effect::kCancel;
  if (IsJi(c.m)) return c.Virtue() ? Effect::kHealingOnly : Effect::kNormal;
  if (c.Month({kMao, kYou})) return Effect::kAll;      // 月破 and 月厌 together
  return c.Virtue() ? Effect::kNormal : Effect::kAll;  // 子午: 月破
}

// 卷十 月煞 (月虚).
Effect MonthShaEffect(const Context& c) {
  if (c.Month({kMao, kYou})) {
    return c.Has(S::kMonthVirtue) || c.Has(S::kHeavenWish) ? Effect::kHealingOnly : Effect::kCancel;
  }
  if (c.Month({kZi, kWu})) return c.Virtue() ? Effect::kCancel : Effect::kNormal;
  return c.Virtue() ? Effect::kNormal : Effect::kAll;  // 闭日 or 平日
}

// 卷十 月刑.
Effect PunishmentEffect(const Context& c) {
  if (c.m == kWu) return Effect::kIgnore;  // 从月厌论
  if (c.m == kSi) {
    return c.Virtue() || c.Has(S::kHeavenWish) ? Effect::kHealingOnly : Effect::kCancel;
  }
  if (c.Month({kZi, kMao, kWei, kShen})) return c.Virtue() ? Effect::kNormal : Effect::kAll;
  return c.Virtue() ? Effect::kCancel : Effect::kNormal;  // 寅 辰酉亥 丑戌
}

// 卷十 月害.
Effect HarmEffect(const Context& c) {
  if (c.Month({kMao, kYou, kChou, kWei})) {
    return c.Has(S::kHeavenVirtue) || c.Has(S::kMonthVirtue) ? Effect::kHealingOnly
                                                             : Effect::kNormal;
  }
  if (c.Month({kChen, kXu})) {
    return c.Has(S::kHeavenVirtueMate) || c.Has(S::kMonthVirtueMate) ? Effect::kCancel
                                                                     : Effect::kNormal;
  }
  return Effect::kIgnore;  // 从月煞 劫煞 月刑 平日论
}

// 卷十 月厌 (地火).
Effect LoathingEffect(const Context& c) {
  if (c.Month({kMao, kYou})) return Effect::kAll;  // 月破 灾煞
  if (c.Month({kZi, kWu})) return c.Has(S::kHeavenPardon) ? Effect::kNormal : Effect::kAll;
  if (c.Month({kYin, kShen, kChou, kWei})) {
    return c.Virtue() ? Effect::kLoathingOnly : Effect::kNormal;
  }
  return c.Virtue() ? Effect::kCancel : Effect::kNormal;  // 辰戌 巳亥
}

// 卷十 大时 (大败).
// 铺注条例: where 大时 and 天吏 are not read as defeat and death, 四废 makes them so again.
Effect GreatTimeEffect(const Context& c) {
  const Effect lifted = c.Has(S::kFourAbandoned) ? Effect::kNormal : Effect::kIgnore;
  if (IsMeng(c.m) || c.Month({kChen, kXu})) return lifted;  // 止忌军事
  if (c.Month({kChou, kWei})) {
    return c.Has(S::kHeavenVirtue) || c.Has(S::kMonthVirtue) ? lifted : Effect::kNormal;
  }
  if (c.m == kMao) return Effect::kIgnore;  // 从月刑论
  return c.Virtue() ? Effect::kCancel : Effect::kNormal;
}

// 卷十 天吏 (致死).
Effect ClerkEffect(const Context& c) {
  if (IsMeng(c.m)) {
    return c.Virtue() && !c.Has(S::kFourAbandoned) ? Effect::kHealingOnly : Effect::kNormal;
  }
  if (IsJi(c.m)) return c.VirtuePardonWish() ? Effect::kCancel : Effect::kNormal;
  return Effect::kIgnore;  // 从平日论
}

Effect EffectOf(Spirit s, const Context& c) {
  switch (s) {
    case S::kMonthBuild:
      return MonthBuildEffect(c);
    case S::kLevelDay:
    case S::kDeathSpirit:
      return LevelDayEffect(c);
    case S::kCollectDay:
      return CollectDayEffect(c);
    case S::kFullDay:
      return FullDayEffect(c);
    case S::kCloseDay:
      return CloseDayEffect(c);
    case S::kRobberySha:
      return RobberyEffect(c);
    case S::kCalamitySha:
      return CalamityEffect(c);
    case S::kMonthSha:
    case S::kMonthEmptiness:
      return MonthShaEffect(c);
    case S::kMonthPunishment:
      return PunishmentEffect(c);
    case S::kMonthHarm:
      return HarmEffect(c);
    case S::kMonthLoathing:
    case S::kEarthFire:
      return LoathingEffect(c);
    case S::kGreatTime:
      return GreatTimeEffect(c);
    case S::kHeavenClerk:
      return ClerkEffect(c);
    case S::kMonthBreak:
      // 卷十 月破: the virtues lose their force on it; its heavier companions
      // (灾煞 月刑 月厌 四废) decide when the day is closed to everything.
      return c.Has(S::kFourAbandoned) ? Effect::kAll : Effect::kNormal;
    case S::kLoathingOpposite:
    case S::kBeckoning:
      // 卷十 厌对: the virtues and 天赦 dissolve it.
      return c.Virtue() || c.Has(S::kHeavenPardon) ? Effect::kIgnore : Effect::kNormal;
    case S::kDeathQi:
      // 卷十 死气: with the virtues only war and healing; with 月厌 (辰戌月) still in force.
      return c.Virtue() && !c.Month({kChen, kXu}) ? Effect::kHealingOnly : Effect::kNormal;
    case S::kSmallWaste:
      // 卷十 小耗: the virtues and 天愿 dissolve it unless it falls on 劫煞 (子午卯酉月).
      return (c.Virtue() || c.Has(S::kHeavenWish)) && !IsZhong(c.m) ? Effect::kIgnore
                                                                    : Effect::kNormal;
    case S::kFourWastes:
      // 卷十 四耗: with the virtues (辰 寅申 巳月) or 三合 (四季月) only war is barred.
      return c.Virtue() || (IsJi(c.m) && c.Has(S::kTripleHarmony)) ? Effect::kIgnore
                                                                   : Effect::kNormal;
    case S::kFourTaboos:
    case S::kFourExhaustions:
    case S::kEightSolitudes:
      // 卷十 四忌 四穷 八专: only 天愿 lifts them (正月乙亥, 五月丁未, 十一月癸丑).
      return c.Has(S::kHeavenWish) ? Effect::kIgnore : Effect::kNormal;
    case S::kFiveVoids:
    case S::kEightWinds:
      // 卷十 五虚 八风: the virtues and 六合 dissolve them.
      return c.Virtue() || c.Has(S::kSixHarmony) ? Effect::kIgnore : Effect::kNormal;
    case S::kFiveTombs:
      // 卷十 五墓: 五月 十一月 with 月德 it is no tomb.
      return c.Month({kWu, kZi}) && c.Has(S::kMonthVirtue) ? Effect::kIgnore : Effect::kNormal;
    case S::kNineVoids:
      // 卷十 九空: 月厌 and 月破 decide in 巳亥 and 四季 months; elsewhere 月德
      // 天德合 月德合 dissolve it.
      if (c.Month({kSi, kHai}) || IsJi(c.m)) return Effect::kIgnore;
      return c.Has(S::kMonthVirtue) || c.Has(S::kHeavenVirtueMate) || c.Has(S::kMonthVirtueMate)
                 ? Effect::kIgnore
                 : Effect::kNormal;
    case S::kRepeatDay:
    case S::kDoubleDay:
      // 卷十 复日 重日: with the virtues, 天赦 or 六合 the burial works are neither
      // forbidden nor marked good (则不忌亦不注宜).
      return c.Virtue() || c.Has(S::kHeavenPardon) || c.Has(S::kSixHarmony) ? Effect::kCancel
                                                                            : Effect::kNormal;
    case S::kFiveSeparations:
      // 卷十 五离: the virtues, 天赦, 三合 and 六合 dissolve it.
      return c.Virtue() || c.Has(S::kHeavenPardon) || c.Has(S::kTripleHarmony) ||
                     c.Has(S::kSixHarmony)
                 ? Effect::kIgnore
                 : Effect::kNormal;
    case S::kYinYangGreatMeet:
    case S::kYinYangSmallMeet:
    case S::kYinSeat:
    case S::kYinYangCrossBreak:
    case S::kYinYangClash:
    case S::kYangBreakYinClash:
    case S::kYinRoadClash:
    case S::kThreeYin:
    case S::kBothAmiss:
    case S::kYinExtinct:
    case S::kYangExtinct:
      return Effect::kAll;
    default:
      // 游祸 天贼 四废 九坎 九焦 土府 土符 地囊 归忌 血支 血忌 往亡 咸池 触水龙 反支:
      // 与德合赦愿并犹忌.
      return Effect::kNormal;
  }
}

// 卷十 月厌: tempered by the virtues in 寅申 and 丑未 months, it still forbids these.
constexpr std::array<Task, 8> kLoathingStillForbids = {
    Task::kTravel,  Task::kTakeOffice, Task::kBetrothal, Task::kBetrothalGifts,
    Task::kWedding, Task::kMedicine,   Task::kMoveHouse, Task::kPlanting};

bool StillForbids(Effect e, Task task) {
  switch (e) {
    case Effect::kNormal:
    case Effect::kAll:
      return true;
    case Effect::kHealingOnly:
      return task == Task::kMedicine;
    case Effect::kFellingOnly:
      return task == Task::kFelling;
    case Effect::kLoathingOnly:
      for (Task t : kLoathingStillForbids) {
        if (t == task) return true;
      }
      return false;
    case Effect::kCancel:
    case Effect::kIgnore:
      return false;
  }
  return true;
}

// 卷十一 day conditions that are not spirits: the 百忌日 stems and branches, the
// 人神 days of the lunar month, 朔 and 望.
bool ForbiddenByDay(Task task, const DayFacts& f) {
  const int t = f.day.stem.Index();
  const int d = BranchOf(f.day.branch);
  const int n = f.lunarDay;
  switch (task) {
    case Task::kSacrifice:
      return d == kYin;  // 天狗寅日
    case Task::kBanquet:
      return d == kYou;
    case Task::kCapping:
      return d == kChou;
    case Task::kTravel:
      return d == kSi;
    case Task::kWedding:
      return d == kHai;
    case Task::kSetBed:
      return d == kShen;
    case Task::kHaircut:
      return t == 3 || n == 12 || n == 15;  // 丁日, 人神在发际 / 徧身
    case Task::kNails:
      return n == 1 || n == 6 || n == 15 || n == 19 || n == 21 || n == 23;
    case Task::kMedicine:
      return d == kWei || n == 1 || n == 15;  // 未日, 朔, 望 and 十五日
    case Task::kWeaving:
      return t == 6;  // 庚
    case Task::kBrewing:
      return t == 7;  // 辛
    case Task::kOpenStores:
      return t == 0;  // 甲
    case Task::kDitch:
      return t == 8;  // 壬
    case Task::kWell:
      return d == kMao;
    case Task::kPlanting:
      return t == 1;  // 乙
    default:
      return false;
  }
}

// 卷十一 favours that depend on the season or on several spirits together.
bool FavouredBySeason(Task task, const DayFacts& f, const SpiritSet& spirits) {
  const int m = BranchOf(f.month.branch);
  const int d = BranchOf(f.day.branch);
  // 立冬后立春前 is the 亥 子 丑 months exactly. 霜降后 starts in mid 戌 and 雨水后
  // in mid 寅: with the terms known they count from the day after the term; without
  // them those half months are left out rather than guessed.
  const bool winter = m == kHai || m == kZi || m == kChou;
  const int t = f.lastTerm;
  const bool termKnown = t >= 0;
  const bool afterFrost = termKnown ? (t >= 19 || t <= 1) && f.termOfDay != 19 : winter;
  const bool afterRain = termKnown ? t >= 3 && t <= 7 && f.termOfDay != 3 : m == kMao || m == kChen;
  const bool holdDangerCollect =
      spirits.Has(S::kHoldDay) || spirits.Has(S::kDangerDay) || spirits.Has(S::kCollectDay);
  switch (task) {
    case Task::kBathe:
      return d == kHai || d == kZi;  // 亥子日, water at its height
    case Task::kFelling:
      return winter && (spirits.Has(S::kDangerDay) || d == kWu || d == kShen);
    case Task::kHunting:
      return afterFrost && holdDangerCollect;
    case Task::kFishing:
      return afterRain && holdDangerCollect;
    case Task::kGranary:
      // 收日 母仓 六合 五富 天仓 favour it only together with 月恩 四相 时德 or 开日.
      return (spirits.Has(S::kCollectDay) || spirits.Has(S::kMotherGranary) ||
              spirits.Has(S::kSixHarmony) || spirits.Has(S::kFiveRiches) ||
              spirits.Has(S::kHeavenGranary)) &&
             (spirits.Has(S::kMonthGrace) || spirits.Has(S::kFourMinisters) ||
              spirits.Has(S::kSeasonVirtue) || spirits.Has(S::kOpenDay));
    default:
      return false;
  }
}

// Why a work is forbidden on the day, weakest first. The 铺注条例 of 卷十 lift the
// weaker reasons in some cases and never the fixed ones.
enum class Ban : std::uint8_t {
  kNone,
  kSoft,  // a spirit the virtues would dissolve (与德合…并则不忌), not dissolved here
  kGraded,  // a spirit of the 宜忌等第 acting as usual here (从忌不从宜), or what it still bars
  kFixed,  // 与德合赦愿并犹忌, 专忌 days (百忌日, 人神), 上朔 四离 四绝, 土王用事
};

// The spirits that 卷十 weighs month by month (the 宜忌等第), with their other names.
bool IsGraded(Spirit s) {
  switch (s) {
    case S::kMonthBuild:
    case S::kLevelDay:
    case S::kDeathSpirit:
    case S::kCollectDay:
    case S::kFullDay:
    case S::kCloseDay:
    case S::kRobberySha:
    case S::kCalamitySha:
    case S::kMonthSha:
    case S::kMonthEmptiness:
    case S::kMonthPunishment:
    case S::kMonthHarm:
    case S::kMonthLoathing:
    case S::kEarthFire:
    case S::kGreatTime:
    case S::kHeavenClerk:
      return true;
    default:
      return false;
  }
}

// The spirits 卷十 lets the virtues (or 六合, 三合, 天愿) dissolve.
bool IsDissolvable(Spirit s) {
  switch (s) {
    case S::kLoathingOpposite:
    case S::kBeckoning:
    case S::kDeathQi:
    case S::kSmallWaste:
    case S::kFourWastes:
    case S::kFiveVoids:
    case S::kEightWinds:
    case S::kFiveTombs:
    case S::kNineVoids:
    case S::kRepeatDay:
    case S::kDoubleDay:
    case S::kFiveSeparations:
      return true;
    default:
      return false;
  }
}

Ban BanOf(Spirit s) {
  if (IsGraded(s)) return Ban::kGraded;
  return IsDissolvable(s) ? Ban::kSoft : Ban::kFixed;
}

// 卷十 上朔 四离 四绝 晦日: closed to all but these works, whatever the virtues.
bool OpenOnExhaustedDays(Task task) {
  switch (task) {
    case Task::kSacrifice:
    case Task::kExorcism:
    case Task::kBathe:
    case Task::kHaircut:
    case Task::kNails:
    case Task::kMendWall:
    case Task::kBlockHoles:
    case Task::kSweep:
    case Task::kLevelRoads:
    case Task::kDemolish:
    case Task::kFelling:
      return true;
    default:
      return false;
  }
}

// 卷十 月忌日 (初五 十四 廿三): only these works are marked good.
bool MarkedOnMonthTabooDay(Task task) {
  switch (task) {
    case Task::kSacrifice:
    case Task::kBanquet:
    case Task::kBathe:
    case Task::kHaircut:
    case Task::kNails:
    case Task::kMedicine:
    case Task::kMendWall:
    case Task::kSweep:
    case Task::kLevelRoads:
      return true;
    default:
      return false;
  }
}

// 卷十 冬至 夏至 春分 秋分: works not marked good on these days, however good the day.
bool UnmarkedOnSolsticeOrEquinox(Task task, int term) {
  switch (task) {
    case Task::kBanquet:
    case Task::kTravel:
    case Task::kTakeOffice:
    case Task::kBetrothal:
    case Task::kBetrothalGifts:
    case Task::kWedding:
    case Task::kTakeInPeople:
    case Task::kMoveHouse:
    case Task::kOpenShop:
    case Task::kContract:
    case Task::kCapture:
    case Task::kHunting:
    case Task::kFishing:
      return true;
    case Task::kFelling:
      return term == 23;  // 冬至日又不注伐木
    default:
      return false;
  }
}

// 铺注条例: on the days of 德合赦愿 月恩 四相 时德 these household and trade works
// are not marked bad, unless a spirit that keeps its ban with the virtues, or a
// graded spirit acting as usual, forbids them.
bool TradeWork(Task task) {
  switch (task) {
    case Task::kTakeInPeople:
    case Task::kSetBed:
    case Task::kWeaving:
    case Task::kBrewing:
    case Task::kOpenShop:
    case Task::kContract:
    case Task::kReceiveWealth:
    case Task::kOpenStores:
      return true;
    default:
      return false;
  }
}

// 铺注条例: when good and bad cancel on the first work (吉凶相抵不注忌…), the
// works after it are not marked bad either, unless a fixed ban holds them
// (如遇德犹忌之日则仍注忌, 如遇专忌之日则仍注忌).
struct PairedWorks {
  Task first;
  std::array<Task, 8> then;
  int count;
};
constexpr std::array<PairedWorks, 13> kPairedWorks = {{
    {Task::kPrayBlessing, {Task::kPrayHeir}, 1},
    {Task::kBetrothal,
     {Task::kCapping, Task::kBetrothalGifts, Task::kWedding, Task::kTakeInPeople},
     4},
    {Task::kWedding,
     {Task::kCapping, Task::kBetrothal, Task::kBetrothalGifts, Task::kTakeInPeople,
      Task::kMoveHouse, Task::kSetBed},
     6},
    {Task::kMoveHouse, {Task::kSetBed}, 1},
    {Task::kSetBed, {Task::kMoveHouse}, 1},
    {Task::kExorcism, {Task::kHaircut, Task::kNails}, 2},
    {Task::kBuilding,
     {Task::kGranary, Task::kDitch, Task::kWell, Task::kMill, Task::kMendWall, Task::kBlockHoles,
      Task::kLevelRoads, Task::kDemolish},
     8},
    {Task::kRaiseBeam,
     {Task::kGranary, Task::kDitch, Task::kWell, Task::kMill, Task::kMendWall, Task::kBlockHoles,
      Task::kLevelRoads, Task::kDemolish},
     8},
    {Task::kOpenShop, {Task::kContract, Task::kReceiveWealth, Task::kOpenStores}, 3},
    {Task::kContract, {Task::kOpenShop, Task::kReceiveWealth, Task::kOpenStores}, 3},
    {Task::kReceiveWealth, {Task::kOpenShop, Task::kContract}, 2},
    {Task::kHerding, {Task::kLivestock}, 1},
    {Task::kLivestock, {Task::kHerding}, 1},
}};

// 卷十 岁薄 逐阵 and 铺注条例: the days on which the virtues and the wishes meet and
// nothing is forbidden (德合与赦愿所会之辰诸事不忌): 二月甲戌 四月丙申 六月甲子
// 七月戊申 八月庚辰 九月辛卯 十月甲子 十二月甲子.
bool NothingForbidden(const DayFacts& f) {
  constexpr std::array<std::string_view, 12> kByMonth = {
      "", "甲戌", "", "丙申", "", "甲子", "戊申", "庚辰", "辛卯", "甲子", "", "甲子"};
  const std::string_view day = At(kByMonth, MonthOrdinal(f.month.branch));
  return !day.empty() && IsDay(f.day, day);
}

// 上朔 四离 四绝 bar every work but the few they leave open, and the virtues do
// not lift them (与德合赦愿并犹忌).
bool ClosedByExhaustion(Task task, const SpiritSet& spirits) {
  const bool exhausted = spirits.Has(S::kFirstExhaustion) || spirits.Has(S::kFourSeparations) ||
                         spirits.Has(S::kFourEndings);
  return exhausted && !OpenOnExhaustedDays(task);
}

struct Verdict {
  bool good = false;
  bool cancelled = false;  // a baleful spirit of the work met its match (吉凶相抵)
  Ban ban = Ban::kNone;
};

// The first verdict on a work, from its own spirits and the 专忌 days.
Verdict Judge(Task task, const DayFacts& f, const SpiritSet& spirits) {
  const TaskRule& rule = RuleOf(task);
  const Context c{spirits, BranchOf(f.month.branch)};
  Verdict v;
  v.good = spirits.HasAny(rule.good) || FavouredBySeason(task, f, spirits);
  for (int i = 0; i < kSpiritCount; ++i) {
    const auto s = static_cast<Spirit>(i);
    if (!spirits.Has(s) || !rule.bad.Has(s)) continue;
    const Effect e = EffectOf(s, c);
    if (e == Effect::kCancel) v.cancelled = true;
    if (StillForbids(e, task)) v.ban = std::max(v.ban, BanOf(s));
  }
  if (ForbiddenByDay(task, f)) v.ban = Ban::kFixed;
  if (ClosedByExhaustion(task, spirits)) v.ban = Ban::kFixed;
  return v;
}

// The works not marked good though nothing forbids them (铺注条例 and 卷十 不注宜).
bool Unmarked(Task task, const DayFacts& f, const SpiritSet& spirits) {
  const int d = BranchOf(f.day.branch);
  const int n = f.lunarDay;
  // 凡开日不注宜破土安葬启攒.
  if (spirits.Has(S::kOpenDay) &&
      (task == Task::kBreakGround || task == Task::kBurial || task == Task::kExhume)) {
    return true;
  }
  if ((n == 5 || n == 14 || n == 23) && !MarkedOnMonthTabooDay(task)) return true;
  // 晦日: 止宜祭祀等事, 馀事虽不忌亦不注宜.
  if (f.lastLunarDay && !OpenOnExhaustedDays(task)) return true;
  const int term = f.termOfDay;
  if ((term == 5 || term == 11 || term == 17 || term == 23) &&
      UnmarkedOnSolsticeOrEquinox(task, term)) {
    return true;
  }
  // 凡天狗寅日忌祭祀不注宜求福祈嗣; 卯日忌穿井不注宜开渠; 壬日忌开渠不注宜穿井.
  if (d == kYin && (task == Task::kPrayBlessing || task == Task::kPrayHeir)) return true;
  if (d == kMao && task == Task::kDitch) return true;
  if (f.day.stem.Index() == 8 && task == Task::kWell) return true;
  // 凡土府土符地囊止注忌补垣亦不注宜塞穴 (土王用事 义同土府).
  if (task == Task::kBlockHoles && (spirits.Has(S::kEarthOffice) || spirits.Has(S::kEarthTally) ||
                                    spirits.Has(S::kEarthSack) || spirits.Has(S::kEarthKing))) {
    return true;
  }
  // 凡四忌四穷止忌安葬, 如遇鸣吠鸣吠对亦不注宜破土启攒.
  if ((spirits.Has(S::kFourTaboos) || spirits.Has(S::kFourExhaustions)) &&
      (task == Task::kBreakGround || task == Task::kExhume)) {
    return true;
  }
  // 凡岁薄逐阵日所宜事照月厌所忌删.
  if ((spirits.Has(S::kYearThin) || spirits.Has(S::kChaseArray)) &&
      RuleOf(task).bad.Has(S::kMonthLoathing)) {
    return true;
  }
  return false;
}

bool HasLiftingBlessing(const SpiritSet& spirits) {
  return spirits.HasAny(kVirtuesPardonWish) || spirits.Has(S::kMonthGrace) ||
         spirits.Has(S::kFourMinisters) || spirits.Has(S::kSeasonVirtue);
}

// The verdicts on every work, with the 铺注条例 applied across them.
std::array<Verdict, kTaskCount> JudgeAll(const DayFacts& f, const SpiritSet& spirits) {
  std::array<Verdict, kTaskCount> verdicts{};
  for (int i = 0; i < kTaskCount; ++i) {
    verdicts[static_cast<std::size_t>(i)] = Judge(static_cast<Task>(i), f, spirits);
  }
  auto at = [&verdicts](Task t) -> Verdict& { return verdicts[static_cast<std::size_t>(t)]; };
  if (HasLiftingBlessing(spirits)) {
    for (int i = 0; i < kTaskCount; ++i) {
      Verdict& v = verdicts[static_cast<std::size_t>(i)];
      if (TradeWork(static_cast<Task>(i)) && v.ban == Ban::kSoft) v.ban = Ban::kNone;
    }
  }
  // The pairs read the verdicts as they stood before any of them was applied.
  const std::array<Verdict, kTaskCount> before = verdicts;
  auto lift = [&at](Task t) {
    if (at(t).ban != Ban::kFixed) at(t).ban = Ban::kNone;
  };
  for (const PairedWorks& pair : kPairedWorks) {
    const Verdict& first = before[static_cast<std::size_t>(pair.first)];
    if (!first.cancelled || first.ban != Ban::kNone) continue;
    for (int i = 0; i < pair.count; ++i) lift(pair.then[static_cast<std::size_t>(i)]);
  }
  // 凡吉凶相抵有宜安葬不注忌启攒, 有宜启攒不注忌安葬.
  const auto goodOnItsOwn = [&](Task t) {
    const Verdict& v = before[static_cast<std::size_t>(t)];
    return v.good && !v.cancelled && v.ban == Ban::kNone;
  };
  if (goodOnItsOwn(Task::kBurial)) lift(Task::kExhume);
  if (goodOnItsOwn(Task::kExhume)) lift(Task::kBurial);
  if (NothingForbidden(f)) {
    for (int i = 0; i < kTaskCount; ++i) {
      if (!ClosedByExhaustion(static_cast<Task>(i), spirits)) {
        verdicts[static_cast<std::size_t>(i)].ban = Ban::kNone;
      }
    }
  }
  for (int i = 0; i < kTaskCount; ++i) {
    Verdict& v = verdicts[static_cast<std::size_t>(i)];
    if (v.cancelled || v.ban != Ban::kNone || Unmarked(static_cast<Task>(i), f, spirits)) {
      v.good = false;
    }
  }
  return verdicts;
}

bool ClosedToAll(const DayFacts& f, const SpiritSet& spirits) {
  if (NothingForbidden(f)) return false;
  const Context c{spirits, BranchOf(f.month.branch)};
  for (int i = kFirstInauspicious; i < kSpiritCount; ++i) {
    const auto s = static_cast<Spirit>(i);
    if (spirits.Has(s) && EffectOf(s, c) == Effect::kAll) return true;
  }
  return false;
}

std::string Join(const std::vector<std::string_view>& words, std::string_view whenEmpty) {
  if (words.empty()) return std::string(whenEmpty);
  std::string out;
  for (std::string_view w : words) {
    if (!out.empty()) out += ' ';
    out += w;
  }
  return out;
}

std::vector<std::string_view> SpiritNames(const SpiritSet& spirits, bool auspicious) {
  std::vector<std::string_view> names;
  const int begin = auspicious ? 0 : kFirstInauspicious;
  const int end = auspicious ? kFirstInauspicious : kSpiritCount;
  for (int i = begin; i < end; ++i) {
    const std::string_view name = At(kSpiritNames, i).name;
    if (!name.empty() && spirits.Has(static_cast<Spirit>(i))) names.push_back(name);
  }
  return names;
}

Activities ActivitiesOf(const DayFacts& f, const SpiritSet& spirits) {
  Activities result;
  if (ClosedToAll(f, spirits)) {
    result.allForbidden = true;
    return result;
  }
  const std::array<Verdict, kTaskCount> verdicts = JudgeAll(f, spirits);
  for (const Activity& a : kActivities) {
    const Verdict& v = verdicts[static_cast<std::size_t>(a.task)];
    if (v.good) result.good.push_back(a.name);
    if (v.ban != Ban::kNone) result.bad.push_back(a.name);
  }
  return result;
}

}  // namespace

std::string AlmanacLunarDate(int lunarMonth, int lunarDay, bool leapMonth) {
  std::string text = "农历";
  if (leapMonth) text += "闰";
  text += At(kLunarMonthNames, FloorMod(lunarMonth - 1, 12));
  text += LunarDayName(lunarDay);
  return text;
}

std::string PillarsText(const DayFacts& f) {
  return f.year.Name() + "年 " + f.month.Name() + "月 " + f.day.Name() + "日";
}

std::string_view FetalGodPosition(Pillar day) { return At(kFetalGod, day.Index()); }

std::string_view BuildingOfficer(Branch monthBranch, Branch dayBranch) {
  return At(kOfficers, OfficerIndex(monthBranch, dayBranch));
}

namespace {
int PathIndex(Branch monthBranch, Branch dayBranch) {
  // 卷七: 青龙 starts on 子 in the 寅申 months and two branches on for each month after.
  const int dragon = FloorMod(2 * BranchOf(monthBranch) - 4, 12);
  return FloorMod(BranchOf(dayBranch) - dragon, 12);
}
}  // namespace

std::string_view YellowBlackSpirit(Branch monthBranch, Branch dayBranch) {
  return At(kPathSpirits, PathIndex(monthBranch, dayBranch));
}

std::string_view PathName(Branch monthBranch, Branch dayBranch) {
  return At(kYellowPath, PathIndex(monthBranch, dayBranch)) ? "黄道" : "黑道";
}

std::string FiveElementsText(Branch monthBranch, Pillar day) {
  std::string text(NayinName(day));
  text += " 值星：";
  text += BuildingOfficer(monthBranch, day.branch);
  text += ' ';
  text += PathName(monthBranch, day.branch);
  text += "：";
  text += YellowBlackSpirit(monthBranch, day.branch);
  return text;
}

std::string ClashText(Pillar day) {
  // The clashed branch faces the day branch; almanacs pair it with the stem the
  // day stem overcomes (甲子日冲戊午), so stem and branch keep their parity.
  const Pillar clashed{day.stem.Next(4), day.branch.Next(6)};
  // 煞 lies opposite the element of the day branch's three-harmony group:
  // 申子辰 (water) 煞南, 亥卯未 (wood) 煞西, 寅午戌 (fire) 煞北, 巳酉丑 (metal) 煞东.
  constexpr std::array<std::string_view, 4> kShaByBirth = {"北", "东", "南", "西"};
  const std::string_view sha = At(kShaByBirth, TriadBirth(BranchOf(day.branch)) / 3);
  std::string text = "冲";
  text += clashed.branch.Zodiac();
  text += "（";
  text += clashed.Name();
  text += "）煞";
  text += sha;
  return text;
}

std::string PengZuText(Pillar day) {
  std::string text(At(kPengZuStem, day.stem.Index()));
  text += ' ';
  text += At(kPengZuBranch, BranchOf(day.branch));
  return text;
}

std::vector<std::string_view> AuspiciousSpirits(const DayFacts& f) {
  return SpiritNames(DaySpirits(f), true);
}

std::vector<std::string_view> InauspiciousSpirits(const DayFacts& f) {
  return SpiritNames(DaySpirits(f), false);
}

Activities DayActivities(const DayFacts& f) { return ActivitiesOf(f, DaySpirits(f)); }

const std::vector<std::string_view>& ActivityNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> list;
    for (const Activity& a : kActivities) list.push_back(a.name);
    return list;
  }();
  return names;
}

Entry ComposeEntry(const DayFacts& f) {
  const SpiritSet spirits = DaySpirits(f);
  Entry e;
  e.nn = AlmanacLunarDate(f.lunarMonth, f.lunarDay, f.leapMonth);
  e.suici = PillarsText(f);
  e.tszf = std::string(FetalGodPosition(f.day));
  e.wuhang = FiveElementsText(f.month.branch, f.day);
  e.cong = ClashText(f.day);
  e.pzbj = PengZuText(f.day);
  e.jsyq = Join(SpiritNames(spirits, true), "无");
  e.xsyq = Join(SpiritNames(spirits, false), "无");
  const Activities a = ActivitiesOf(f, spirits);
  e.yi = Join(a.good, "诸事不宜");
  e.ji = a.allForbidden ? std::string("诸事不宜") : Join(a.bad, "无");
  return e;
}

}  // namespace vessa::almanac
