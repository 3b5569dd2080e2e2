#include "gui/kit/text_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>

#include "core/text/gbk.h"
#include "core/text/text.h"
#include "gui/kit/qt_text.h"

namespace vessa {

QString WithTxtExtension(const QString& fileName) {
  if (fileName.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) return fileName;
  return fileName + QStringLiteral(".txt");
}

std::optional<QString> SaveTextFile(const QString& fileName, const QStringList& lines,
                                    TextEncoding encoding) {
  std::string text;
  for (const QString& line : lines) {
    text += line.toStdString();
    text += "\r\n";
  }
  if (encoding == TextEncoding::Gbk) text = gbk::FromUtf8(text);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(text.data(), static_cast<qint64>(text.size())) !=
      static_cast<qint64>(text.size())) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

std::optional<LoadedText> LoadTextFile(const QString& fileName, QString* reason) {
  const QFileInfo info(fileName);
  if (!info.exists()) {
    if (reason) *reason = QStringLiteral("文件不存在");
    return std::nullopt;
  }
  if (!info.isFile()) {
    if (reason) *reason = QStringLiteral("不是普通文件");
    return std::nullopt;
  }
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    if (reason) *reason = file.errorString();
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (reason) *reason = file.errorString();
    return std::nullopt;
  }
  std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  LoadedText loaded;
  if (!text::IsValidUtf8(text)) {
    text = gbk::ToUtf8(text);
    loaded.encoding = TextEncoding::Gbk;
  }
  // A UTF-8 byte-order mark is no part of the first line.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  QString all = ToQString(text);
  all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (all.endsWith(QLatin1Char('\n'))) all.chop(1);
  if (!all.isEmpty()) loaded.lines = all.split(QLatin1Char('\n'));
  return loaded;
}

}  // namespace vessa
