#pragma once

#include <array>
#include <string_view>
#include <vector>

// Every command of the main window as the user sees it: the menu bar, the three
// button pages, the buttons under the input panel and the result pane's action
// bar. Captions are matched exactly, trailing blanks and "&" included.
namespace vessa {

inline constexpr std::string_view kSeparator = "-";

struct MenuEntry {
  std::string_view caption;        // kSeparator for a separator line
  std::vector<MenuEntry> submenu;  // the entries of a submenu; empty for a command
};

struct CommandMenu {
  std::string_view title;
  std::vector<MenuEntry> entries;
};

struct CommandPage {
  std::string_view title;
  std::vector<std::string_view> buttons;
};

// The menus in menu bar order.
const std::vector<CommandMenu>& MenuBarCommands();
// The pages of the left page control, "综合" first.
const std::vector<CommandPage>& PageCommands();

// Under the input fields, left to right.
inline constexpr std::array<std::string_view, 6> kPanelCommands = {
    "八字测算", "姓名测算", "星座测算", "诸葛测算", "每日一卦", "本日黄历"};
// Under the result pane, after the font-size list.
inline constexpr std::array<std::string_view, 4> kResultBarCommands = {"打印(&P)..", "保存(&S)..",
                                                                       "QQ服务(&Q)", "退出(&E)"};

}  // namespace vessa
