#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one way the program shows a message box. Tests install a sink so that no
// modal box ever waits for a click.
namespace vessa {

enum class MessageKind {
  Prompt,       // the shared information prompt "提示"
  Error,        // the application's default error box
  Information,  // an information box of a window, with that window's caption
};

using MessageSink =
    std::function<void(MessageKind kind, const QString& caption, const QString& text)>;

// While a sink is set it receives every message instead of a box; an empty sink
// brings the boxes back. Process-wide, like the boxes it replaces.
void SetMessageSink(MessageSink sink);

// The shared prompt: modal, caption "提示", information icon, one OK button.
void ShowPrompt(const QString& message);

// An information box with its own caption ("投币提示"): modal, information icon,
// one OK button.
void ShowInformation(const QString& caption, const QString& message);

// The application's default error box: modal, critical icon, captioned with the
// application title.
void ShowErrorBox(const QString& message);

}  // namespace vessa
