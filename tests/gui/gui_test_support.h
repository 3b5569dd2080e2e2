#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <string>
#include <vector>

#include "gui/kit/message_seam.h"

class QAction;
class QObject;
class QWidget;

namespace vessa::test {

// A window test suite registers itself; main runs every one, in the order of
// their names, so a new test file needs no other edit.
using SuiteRunner = int (*)(int argc, char** argv);
bool RegisterSuite(const char* name, SuiteRunner run);
const std::map<std::string, SuiteRunner>& Suites();

struct Message {
  MessageKind kind;
  QString caption;
  QString text;
};

// Catches every message box while it lives, so that no modal box waits for a click.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<Message>& Messages() const { return messages_; }
  // The texts in order, for short comparisons.
  QStringList Texts() const;
  void Clear() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
};

// Every menu item, submenu included, whose text is exactly caption.
std::vector<QAction*> MenuItems(QWidget& window, const QString& caption);
// Every push button of the window whose text is exactly caption.
std::vector<QWidget*> Buttons(QWidget& window, const QString& caption);

// A file's bytes (empty when it cannot be read), and writing them (false on failure).
QByteArray Bytes(const QString& file);
bool Write(const QString& file, const QByteArray& bytes);

// The tests' single description of a menu, read from the window: one text per
// entry, "-" for a separator and ">" + title for a submenu.
QStringList MenuEntries(const QAction& menuAction);

}  // namespace vessa::test
