#include "gui/kit/file_seam.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace vessa {
namespace {

FileAnswerer& Answerer() {
  static FileAnswerer answerer;
  return answerer;
}

// A save dialog with a row of our own for the encoding. Qt's own dialog is used
// (not the platform's) so the row can be added.
std::optional<SaveAnswer> AskSave(QWidget* parent, const FileQuestion& q) {
  QFileDialog dialog(parent, q.caption, q.proposed, q.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QComboBox* encoding = nullptr;
  if (q.offerEncoding) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      encoding = new QComboBox(&dialog);
      encoding->setObjectName(QStringLiteral("EncodingChoice"));
      encoding->addItems({QStringLiteral("UTF-8"), QStringLiteral("GBK (简体中文 Windows)")});
      const int row = grid->rowCount();
      grid->addWidget(new QLabel(QStringLiteral("编码："), &dialog), row, 0);
      grid->addWidget(encoding, row, 1);
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  SaveAnswer answer{dialog.selectedFiles().front(), TextEncoding::Utf8};
  if (encoding && encoding->currentIndex() == 1) answer.encoding = TextEncoding::Gbk;
  return answer;
}

}  // namespace

void SetFileAnswerer(FileAnswerer answerer) { Answerer() = std::move(answerer); }

std::optional<SaveAnswer> AskFile(QWidget* parent, const FileQuestion& question) {
  if (Answerer()) return Answerer()(question);
  if (question.save) return AskSave(parent, question);
  const QString name =
      QFileDialog::getOpenFileName(parent, question.caption, QString(), question.filter);
  if (name.isEmpty()) return std::nullopt;
  return SaveAnswer{name, TextEncoding::Utf8};
}

}  // namespace vessa
