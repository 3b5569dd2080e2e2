#include "gui/kit/message_seam.h"

#include <QApplication>
#include <QMessageBox>

namespace vessa {
namespace {

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

void Show(MessageKind kind, const QString& caption, const QString& text) {
  if (Sink()) {
    Sink()(kind, caption, text);
    return;
  }
  const QMessageBox::Icon icon =
      kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information;
  QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void ShowPrompt(const QString& message) {
  Show(MessageKind::Prompt, QStringLiteral("提示"), message);
}

void ShowInformation(const QString& caption, const QString& message) {
  Show(MessageKind::Information, caption, message);
}

void ShowErrorBox(const QString& message) {
  Show(MessageKind::Error, QApplication::applicationDisplayName(), message);
}

}  // namespace vessa
