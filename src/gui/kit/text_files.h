#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "gui/kit/file_seam.h"

// Readings saved as text files and text files loaded into a pane.
namespace vessa {

// The name with ".txt" appended, unless it already ends in ".txt" (any case).
QString WithTxtExtension(const QString& fileName);

// Writes the lines, each ended by a line break (CR LF, as Windows editors expect
// of a reading), in the encoding. The file is replaced whole or not at all.
// Returns the reason when it could not be written.
std::optional<QString> SaveTextFile(const QString& fileName, const QStringList& lines,
                                    TextEncoding encoding);

// The lines of a text file: read as UTF-8 when it is valid UTF-8, else as GBK.
// nullopt with the reason when it cannot be read.
struct LoadedText {
  QStringList lines;
  TextEncoding encoding = TextEncoding::Utf8;
};
std::optional<LoadedText> LoadTextFile(const QString& fileName, QString* reason);

}  // namespace vessa
