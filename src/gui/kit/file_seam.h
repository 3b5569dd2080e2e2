#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The one way the program asks for a file name. Tests install an answerer so
// that no file dialog ever waits for a click.
namespace vessa {

enum class TextEncoding { Utf8, Gbk };

// A save dialog's answer: the chosen name and the encoding chosen in the dialog.
struct SaveAnswer {
  QString fileName;
  TextEncoding encoding = TextEncoding::Utf8;
};

struct FileQuestion {
  bool save = false;    // a save dialog, else an open dialog
  QString caption;      // the dialog's title
  QString proposed;     // the proposed name (save)
  QString filter;       // Qt's form: "文本文件 (*.txt)"; empty for none
  bool offerEncoding = false;  // a save dialog that also asks UTF-8 or GBK
};

// Receives every question instead of a dialog while set; nullopt means the user
// cancelled. Process-wide, like the dialogs it replaces.
using FileAnswerer = std::function<std::optional<SaveAnswer>(const FileQuestion& question)>;
void SetFileAnswerer(FileAnswerer answerer);

// Shows the dialog (or asks the answerer); nullopt when cancelled.
std::optional<SaveAnswer> AskFile(QWidget* parent, const FileQuestion& question);

}  // namespace vessa
