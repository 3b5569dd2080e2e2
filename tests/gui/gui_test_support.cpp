#include "gui_test_support.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>

namespace vessa::test {

MessageRecorder::MessageRecorder() {
  SetMessageSink([this](MessageKind kind, const QString& caption, const QString& text) {
    messages_.push_back({kind, caption, text});
  });
}

MessageRecorder::~MessageRecorder() { SetMessageSink({}); }

QStringList MessageRecorder::Texts() const {
  QStringList texts;
  for (const Message& m : messages_) texts << m.text;
  return texts;
}

namespace {

void CollectItems(const QList<QAction*>& actions, const QString& caption,
                  std::vector<QAction*>& found) {
  for (QAction* action : actions) {
    if (QMenu* submenu = action->menu()) {
      CollectItems(submenu->actions(), caption, found);
    } else if (!action->isSeparator() && action->text() == caption) {
      found.push_back(action);
    }
  }
}

}  // namespace

std::vector<QAction*> MenuItems(QWidget& window, const QString& caption) {
  std::vector<QAction*> found;
  if (auto* bar = window.findChild<QMenuBar*>()) CollectItems(bar->actions(), caption, found);
  return found;
}

std::vector<QWidget*> Buttons(QWidget& window, const QString& caption) {
  std::vector<QWidget*> found;
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == caption) found.push_back(button);
  }
  return found;
}

QStringList MenuEntries(const QAction& menuAction) {
  QStringList entries;
  for (const QAction* action : menuAction.menu()->actions()) {
    if (action->isSeparator()) {
      entries << QStringLiteral("-");
    } else if (action->menu()) {
      entries << QStringLiteral(">") + action->text();
    } else {
      entries << action->text();
    }
  }
  return entries;
}

namespace {
std::map<std::string, SuiteRunner>& SuiteMap() {
  static std::map<std::string, SuiteRunner> suites;
  return suites;
}
}  // namespace

bool RegisterSuite(const char* name, SuiteRunner run) {
  SuiteMap().emplace(name, run);
  return true;
}

const std::map<std::string, SuiteRunner>& Suites() { return SuiteMap(); }

QByteArray Bytes(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& file, const QByteArray& bytes) {
  QFile f(file);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace vessa::test
