#include "gui/shell/command_widgets.h"

#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

#include "gui/shell/command_map.h"
#include "gui/shell/command_table.h"
#include "gui/kit/qt_text.h"

namespace vessa {
namespace {

void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries, CommandMap& map) {
  for (const MenuEntry& entry : entries) {
    if (entry.caption == kSeparator) {
      menu.addSeparator();
    } else if (!entry.submenu.empty()) {
      AddEntries(*menu.addMenu(ToQString(entry.caption)), entry.submenu, map);
    } else {
      map.AddMenuItem(menu.addAction(ToQString(entry.caption)));
    }
  }
}

QWidget* ButtonPage(const CommandPage& page, CommandMap& map) {
  auto* grid = new QWidget;
  auto* layout = new QGridLayout(grid);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setHorizontalSpacing(3);
  layout->setVerticalSpacing(2);
  constexpr int kColumns = 2;
  for (std::size_t i = 0; i < page.buttons.size(); ++i) {
    auto* button = new QPushButton(ToQString(page.buttons[i]), grid);
    button->setFixedHeight(22);
    map.AddButton(button, CommandPlace::Pages);
    layout->addWidget(button, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
  }
  layout->setRowStretch(layout->rowCount(), 1);
  // The longest page outgrows a small screen: it scrolls rather than squeezes.
  auto* scroller = new QScrollArea;
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller->setWidget(grid);
  return scroller;
}

}  // namespace

void BuildCommandMenus(QMenuBar& bar, CommandMap& map) {
  for (const CommandMenu& menu : MenuBarCommands()) {
    AddEntries(*bar.addMenu(ToQString(menu.title)), menu.entries, map);
  }
}

QTabWidget* BuildCommandPages(CommandMap& map, QWidget* parent) {
  auto* pages = new QTabWidget(parent);
  pages->setObjectName(QStringLiteral("CommandPages"));
  pages->setFixedWidth(191);
  // The three page titles fit the narrow column only with slim tabs.
  pages->setStyleSheet(QStringLiteral(
      "QTabWidget::pane { border: 1px solid #b9a77f; top: -1px; }"
      "QTabBar::tab { padding: 3px 7px; margin-right: 1px; border: 1px solid #b9a77f;"
      " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #efe4c9; }"
      "QTabBar::tab:selected { background: #fbf7ec; border-bottom-color: #fbf7ec; }"
      "QTabBar::tab:!selected { margin-top: 2px; }"));
  for (const CommandPage& page : PageCommands()) {
    pages->addTab(ButtonPage(page, map), ToQString(page.title));
  }
  pages->setCurrentIndex(0);
  return pages;
}

}  // namespace vessa
