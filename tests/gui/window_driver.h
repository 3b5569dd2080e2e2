#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string_view>

class QPlainTextEdit;
class QWidget;

namespace vessa {
class ReportBuffer;
}

// Driving the main window as a user does, and reading what its panes show.
namespace vessa::test {

// Finds a control by object name; a renamed control ends the run, since every
// later step would fail for the same reason.
template <class T>
T* Named(QObject& root, const char* name) {
  T* found = root.findChild<T*>(QLatin1String(name));
  if (!found) qFatal("no control named %s", name);
  return found;
}

enum class Via { Menu, Button };

// Triggers the one menu item, or clicks the one push button, captioned exactly
// caption. False when there is not exactly one.
bool Invoke(QWidget& window, const QString& caption, Via via);

// The pane's text split into its lines (a trailing empty line included).
QStringList PaneLines(const QPlainTextEdit& pane);
QStringList BufferLines(const ReportBuffer& buffer);

// Moves the view to the last line, as a reader who scrolled down.
void ScrollToEnd(QPlainTextEdit& pane);
// The view starts at the first line: the scroll bar is at its minimum and the
// first line stands at the top of the viewport.
bool ShowsFirstLine(const QPlainTextEdit& pane);
// The last line lies inside the viewport.
bool ShowsLastLine(const QPlainTextEdit& pane);

}  // namespace vessa::test

Q_DECLARE_METATYPE(vessa::test::Via)
