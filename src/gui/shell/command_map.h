#pragma once

#include <QFlags>
#include <QMetaObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QObject;

namespace vessa {

// Where a command's control sits. The same caption may stand in several places
// with different meanings ("金钱卦" opens the hexagram window from the menu, but
// its page button does nothing), so a binding can be limited to some of them.
enum class CommandPlace {
  Menu = 0x1,
  PanelButtons = 0x2,  // the six buttons under the input fields
  Pages = 0x4,         // the left page control
  ResultBar = 0x8,     // the buttons under the result pane
};
Q_DECLARE_FLAGS(CommandPlaces, CommandPlace)
Q_DECLARE_OPERATORS_FOR_FLAGS(CommandPlaces)

inline constexpr CommandPlaces kEveryPlace = CommandPlaces(0xF);

// The controls that show commands, by caption. A control starts disabled and
// unconnected, so a command without an action is visible and does nothing.
class CommandMap {
 public:
  void AddMenuItem(QAction* item);
  void AddButton(QAbstractButton* button, CommandPlace place);

  // Enables every control in the places whose caption is exactly `caption` and
  // makes it run `action` through the command runner, replacing an earlier
  // binding. Returns how many controls were bound.
  int Bind(const QString& caption, std::function<void()> action, CommandPlaces places);

 private:
  struct Control {
    QPointer<QObject> object;
    QString caption;
    CommandPlace place;
    QMetaObject::Connection connection;
  };
  std::vector<Control> controls_;
};

}  // namespace vessa
