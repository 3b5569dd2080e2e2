#pragma once

class QMenuBar;
class QTabWidget;
class QWidget;

namespace vessa {

class CommandMap;

// The menus of the command table, every item registered with the map.
void BuildCommandMenus(QMenuBar& bar, CommandMap& map);

// The left page control: one page of buttons per page of the command table,
// every button registered with the map.
QTabWidget* BuildCommandPages(CommandMap& map, QWidget* parent);

}  // namespace vessa
