#include "gui/shell/command_table.h"

namespace vessa {
namespace {

MenuEntry Item(std::string_view caption) { return {caption, {}}; }
MenuEntry Separator() { return {kSeparator, {}}; }
MenuEntry Submenu(std::string_view caption, std::vector<MenuEntry> entries) {
  return {caption, std::move(entries)};
}

std::vector<MenuEntry> Items(std::initializer_list<std::string_view> captions) {
  std::vector<MenuEntry> entries;
  for (std::string_view c : captions) entries.push_back(c == kSeparator ? Separator() : Item(c));
  return entries;
}

std::vector<MenuEntry> Concat(std::vector<MenuEntry> head, MenuEntry middle,
                              std::vector<MenuEntry> tail) {
  head.push_back(std::move(middle));
  for (MenuEntry& e : tail) head.push_back(std::move(e));
  return head;
}

std::vector<CommandMenu> BuildMenus() {
  return {
      {"系统", Items({"新建测算", "打开记录...", "-", "保存测算", "另存测算", "-", "打印设置...",
                      "打印结果", "-", "退出系统"})},
      {"八字", Items({"八字详批",
                      "-",
                      "生辰信息",
                      "四柱八字",
                      "称骨算命",
                      "性格总论",
                      "五行分析",
                      "年月日时论命",
                      "三命通会论命",
                      "三世财运论命",
                      "属相论命",
                      "生日论命",
                      "-",
                      "日干论命",
                      "性格分析",
                      "爱情婚姻分析",
                      "事业功名分析",
                      "财运分析",
                      "健康分析",
                      "-",
                      "血型论命",
                      "测字论命",
                      "指纹论命"})},
      {"姓名",
       Concat(Items({"姓名详批", "-", "姓名原理", "起名宝典", "姓名分析", "三才吉凶",
                     "常用汉字繁体字", "-"}),
              Submenu("起名规则", Items({"取名规则", "企业取名规则", "取笔名规则", "取艺名规则"})),
              Items({"吉祥名字重要性", "姓名与命运", "姓名与性格", "五行与数字", "五格剖象法",
                     "数理暗示因素 ", "81数理运势诱导", "姓名字划计算方法 ", "天人地格三才配置"}))},
      {"周易",
       Items({"金钱卦", "-", "四柱八字排盘", "六壬起课 ", "六爻起卦", "奇门遁甲术", "玄空飞星排盘",
              "金口诀排盘", "紫微斗数排盘", "太乙神数", "诸葛神数 ", "-", "周易起源", "周易全书"})},
      {"星运", Items({"星座详批", "本年运程", "-", "星座运程", "情商解析", "星座实力", "星座名人",
                      "身体保健", "五大建议", "星座缺陷", "-", "星座缘分", "星术排盘"})},
      {"黄道", Items({"黄道吉日", "吉日查询", "-", "开市吉日", "交易吉日", "嫁娶吉日", "入宅吉日",
                      "入学吉日", "纳财吉日", "订盟吉日", "安门吉日", "出行吉日", "开光吉日",
                      "求嗣吉日", "祈福吉日", "破土吉日", "祭祀吉日", "安葬吉日"})},
      {"占卜", Items({"拜佛求签", "土地圣杯", "黄大仙签 ", "关帝神签 ", "太极神测", "婚姻占卜",
                      "眼形占卜 ", "手相占卜", "-", "打喷嚏占卜", "面热测占卜", "心惊测占卜",
                      "犬吠测占卜", "眼跳测占卜", "耳热测占卜", "耳鸣测占卜"})},
      {"缘分", Items({"缘分测试", "婚姻配对", "星座配对", "生肖配对", "血型配对", "QQ缘分配对"})},
      {"工具", Items({"周公解析", "解梦全书", "-", "手机号码分析", "QQ号码分析", "更多数字分析",
                      "网名分析", "-", "生男生女", "万年历法"})},
      {"造命",
       Concat({},
              Submenu("八字与姓名",
                      Items({"什么是八字", "所谓三才", "称骨算命法", "血型测命", "-", "姓名原理",
                             "八字与起名的重要性", "吉祥宝宝起名方法 ", "择日生子（紧参考）"})),
              Items({"-", "命自我立", "三世因果经", "心命歌", "太上感应篇", "孝经", "孝悌歌",
                     "孝顺歌", "亲恩歌", "孝道良心歌", "闺训千字文", "孔子与小儿论", "朱子治家格言",
                     "百忍歌"}))},
      {"帮助", Items({"客户服务", "给我们发邮件", "公司主页", "-", "帮助主题", "关于系统", "-",
                      "软件升级"})},
  };
}

std::vector<CommandPage> BuildPages() {
  return {
      {"综合", {"八字详批", "生辰信息", "四柱八字", "称骨算命", "性格总论", "五行分析",
                "年月日时", "三命通会", "三世财运", "属相论命", "生日论命", "日干论命",
                "性格分析", "爱情婚姻", "事业功名", "财运分析", "健康分析", "血型论命",
                "测字论命", "指纹论命", "姓名详批", "起名宝典", "快速起名", "姓名分析",
                "三才吉凶", "缘分测试", "婚姻配对", "星座配对", "生肖配对", "血型配对",
                "周公解析", "解梦全书", "手机号码", "QQ配对",   "数字分析", "网名分析"}},
      {"星运八卦", {"金钱卦",   "八字排盘", "六壬起课 ", "六爻起卦",  "奇门遁甲", "玄空飞星",
                    "金口诀",   "紫微斗数", "太乙神数",  "诸葛神数 ", "星座详批", "本年运程",
                    "星座运程", "情商解析", "星座实力",  "星座名人",  "身体保健", "五大建议",
                    "星座缺陷", "星座缘分", "星座排盘",  "缘分测试"}},
      {"黄道吉日",
       {"黄道吉日", "吉日查询", "开市吉日", "交易吉日", "嫁娶吉日", "入宅吉日", "纳财吉日",
        "订盟吉日", "安门吉日", "出行吉日", "开光吉日", "求嗣吉日", "祈福吉日", "破土吉日",
        "祭祀吉日", "安葬吉日", "立碑吉日", "修造吉日", "造桥吉日", "盖屋吉日", "安香吉日",
        "沐浴吉日", "理发吉日", "修坟吉日", "求医吉日", "挂匾吉日"}},
  };
}

}  // namespace

const std::vector<CommandMenu>& MenuBarCommands() {
  static const std::vector<CommandMenu> menus = BuildMenus();
  return menus;
}

const std::vector<CommandPage>& PageCommands() {
  static const std::vector<CommandPage> pages = BuildPages();
  return pages;
}

}  // namespace vessa
