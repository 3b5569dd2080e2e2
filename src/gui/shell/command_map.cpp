#include "gui/shell/command_map.h"

#include <QAbstractButton>
#include <QAction>

#include <memory>

#include "gui/kit/command_runner.h"

namespace vessa {

void CommandMap::AddMenuItem(QAction* item) {
  item->setEnabled(false);
  controls_.push_back({item, item->text(), CommandPlace::Menu, {}});
}

void CommandMap::AddButton(QAbstractButton* button, CommandPlace place) {
  button->setEnabled(false);
  controls_.push_back({button, button->text(), place, {}});
}

int CommandMap::Bind(const QString& caption, std::function<void()> action, CommandPlaces places) {
  auto shared = std::make_shared<const std::function<void()>>(std::move(action));
  auto run = [shared] { RunCommand(*shared); };
  int bound = 0;
  for (Control& c : controls_) {
    if (!c.object || c.caption != caption || !places.testFlag(c.place)) continue;
    QObject::disconnect(c.connection);
    if (auto* item = qobject_cast<QAction*>(c.object)) {
      item->setEnabled(true);
      c.connection = QObject::connect(item, &QAction::triggered, item, run);
    } else if (auto* button = qobject_cast<QAbstractButton*>(c.object)) {
      button->setEnabled(true);
      c.connection = QObject::connect(button, &QAbstractButton::clicked, button, run);
    }
    ++bound;
  }
  return bound;
}

}  // namespace vessa
