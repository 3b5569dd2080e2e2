#include "window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "gui_test_support.h"
#include "core/reports/report_buffer.h"

namespace vessa::test {

namespace fs = std::filesystem;

bool Invoke(QWidget& window, const QString& caption, Via via) {
  if (via == Via::Menu) {
    const std::vector<QAction*> items = MenuItems(window, caption);
    if (items.size() != 1) return false;
    items.front()->trigger();
  } else {
    const std::vector<QWidget*> buttons = Buttons(window, caption);
    if (buttons.size() != 1) return false;
    static_cast<QAbstractButton*>(buttons.front())->click();
  }
  return true;
}

QStringList PaneLines(const QPlainTextEdit& pane) {
  return pane.toPlainText().split(QLatin1Char('\n'));
}

QStringList BufferLines(const ReportBuffer& buffer) {
  QStringList lines;
  for (const std::string& line : buffer.Lines()) lines << QString::fromStdString(line);
  return lines;
}

void ScrollToEnd(QPlainTextEdit& pane) {
  pane.moveCursor(QTextCursor::End);
  pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
}

bool ShowsFirstLine(const QPlainTextEdit& pane) {
  const QScrollBar* bar = pane.verticalScrollBar();
  return bar->value() == bar->minimum() &&
         pane.cursorForPosition(QPoint(2, 2)).block().blockNumber() == 0;
}

bool ShowsLastLine(const QPlainTextEdit& pane) {
  QTextCursor end(pane.document());
  end.movePosition(QTextCursor::End);
  return pane.viewport()->rect().contains(pane.cursorRect(end));
}

}  // namespace vessa::test
