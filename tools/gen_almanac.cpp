// Writes the almanac table huangdao of MorBirth.dll, one row for every day from
// 1901-01-01 to 2100-12-31 (73,049 rows), as a TSV source for vessa-dbbuild:
//
//   vessa-genalmanac OUTDIR      writes OUTDIR/MorBirth/huangdao.tsv
//
// Output is deterministic: the same program writes the same bytes.
//
// Where each column comes from
//   gn      the day, yyyy-mm-dd.
//   nn      the lunar date of the core's lunar table (core/calendar/lunar_calendar.h),
//           written as almanacs print it: 农历 (闰) 正月 … 十月 冬月 腊月 and 初一 … 三十.
//   suici   year, month and day pillars. The day pillar counts from the 甲子 day
//           1900-02-20. The year and month pillars are those of the day's last moment,
//           so the whole day of 立春 or of a jie belongs to the new year or month, as
//           almanacs have it; the term days are the Beijing dates of the compiled term
//           instants (core/calendar/solar_terms.h), the same instants the chart uses.
//   tszf    六甲胎神 by day pillar: the objects from the two rhymes (甲己门 乙庚碓磨 丙辛厨灶
//           丁壬仓库 戊癸房床; 子午碓 丑未厕 寅申炉 卯酉门 辰戌栖 巳亥床), the places from 历例
//           as 协纪辨方书 quotes it (癸巳至丁酉房内北 … 戊申又在中, 己酉出).
//   wuhang  纳音 (六十甲子纳音, core/calendar/nayin.h), 建除十二值星 (建 on the day whose
//           branch is the month's; a jie day repeats the officer of its eve) and the
//           黄道/黑道 spirit (协纪辨方书 卷七: 青龙 on 子 in the 寅申 months).
//   cong    the clashed animal with the pillar of the stem the day stem overcomes (甲子日
//           冲马（戊午）), and 煞 opposite the day branch's three-harmony element.
//   pzbj    彭祖百忌, the common almanac text, 壬不泱水 in its older reading.
//   jsyq    吉神宜趋 and xsyq 凶神宜忌: the spirits of 钦定协纪辨方书 (1741) 卷四–卷七 by
//           month branch and day pillar, 卷九 立成 for the fixed pillars, with its
//           corrections of the older almanacs (天愿 地囊 鸣吠 守日 八风); 气往亡, 四离,
//           四绝 and 土王用事 from the term days; 上朔 from the year stem; 反支 from the
//           first day of the lunar month.
//   yi, ji  宜 and 忌, derived from the spirits and the 值星 by 协纪辨方书 卷十一 (用事:
//           for each work the spirits that favour and forbid it) and 卷十 (宜忌: how
//           each baleful spirit weighs against the virtues month by month, the six
//           grades of the 宜忌等第, and the 铺注条例). "诸事不宜" where a day is closed
//           to all works (诸事皆忌) or nothing is good; "无" where nothing is forbidden.
//
// The tables followed, and where they were checked
//   - 卷十 宜忌 (each spirit's 忌 and its 止不忌, the month-by-month weighing against the
//     virtues, the 宜忌等第) and its 铺注条例, 卷十一 用事: read in the 四库全书 text (the
//     transcription at lhw828.github.io/GuWen, its pages 46-54, and a second, complete
//     transcription of 卷十); every table in src/core/almanac/almanac_rules.cpp names
//     its chapter. Each baleful spirit's month rules were compared line by line.
//   - The month spirits (天德 天德合 月德 月德合 月空 月建 月破 月厌 月刑 月害 三煞) of 七月
//     and 八月 against the book's 月表 (卷二十六, 卷二十七), with their 四绝 往亡 四离.
//   - 冲/煞, 彭祖, 胎神, 建除, the path spirit, the spirits and 宜/忌 against published
//     almanac pages of single days from 1908 to 2073 (sheup.org, huangli999.com,
//     hl.zdic.net, m.zgjmorg.com, m.golla.tw, time136.com, lingang.iask.in, wmou.com,
//     sfjie.com, shengxiaoba.com); the cases and the reasons for each difference are
//     in tests/core/almanac_rules_test.cpp and tests/core/almanac_days_test.cpp.
//
// Where the book and the modern almanacs part, the book is followed: 月厌 月刑 三煞 平
// 收 without a virtue forbid most works, and about one day in eight is closed to all
// (诸事皆忌: 破日 with 灾煞, 月刑 or 月厌; 月煞 on 平 and 闭 days; 月刑 on 平 and 收 days;
// 月厌 on 建 days; the 阴阳 meeting days), as the 宜忌等第 gives it; 土王用事 bars the
// earth works; 天德 has no day in the four middle months (it stands on a trigram);
// 寅日 forbids 祭祀. The virtues lift only what the book lets them lift: a spirit 卷十
// keeps "与德合并犹忌" stays, and the 铺注条例 (德合赦愿 月恩 四相 时德 days not posting
// the trade bans, 吉凶相抵 carried across paired works) are applied as written. The works the book
// does not treat (作灶 立碑 谢土 …) are not printed; the glossary's 入殓 移柩 follow 安葬, 修坟
// follows 启攒, 开光 斋醮 follow 祈福, 挂匾 follows 开市, 安门 起基 follow 兴造动土.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "almanac_table.h"
#include "core/almanac/day_facts.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vessa-genalmanac OUTDIR\n");
    return 2;
  }
  try {
    const fs::path out = fs::path(argv[1]) / "MorBirth" / "huangdao.tsv";
    fs::create_directories(out.parent_path());
    const std::string table = vessa::tools::HuangdaoTable(vessa::almanac::kFirstAlmanacDay,
                                                          vessa::almanac::kLastAlmanacDay);
    // Written under a temporary name and renamed: a failed run leaves no half table.
    fs::path temp = out;
    temp += ".tmp";
    {
      std::ofstream file(temp, std::ios::binary);
      file << table;
      if (!file) throw std::runtime_error("cannot write " + temp.string());
    }
    fs::rename(temp, out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vessa-genalmanac: %s\n", e.what());
    return 1;
  }
  return 0;
}
