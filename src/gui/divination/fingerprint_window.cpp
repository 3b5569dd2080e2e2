#include "gui/divination/fingerprint_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/divination/fingerprint.h"
#include "gui/kit/command_runner.h"
#include "gui/kit/qt_text.h"

namespace vessa {

TFrmzhiwen::TFrmzhiwen(const data::ContentStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store) {
  setObjectName(QStringLiteral("TFrmzhiwen"));
  setWindowTitle(QStringLiteral("指纹算命"));

  QStringList paragraphs;
  for (std::string_view p : FingerprintIntroduction()) paragraphs << ToQString(p);
  auto* intro = new QLabel(paragraphs.join(QLatin1Char('\n')), this);
  intro->setObjectName(QStringLiteral("Introduction"));
  intro->setWordWrap(true);
  intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
  intro->setFrameShape(QFrame::StyledPanel);
  intro->setMargin(8);

  code_ = new QLineEdit(this);
  code_->setObjectName(QStringLiteral("CodeEdit"));
  code_->setMaxLength(5);
  // Only the lower-case letters o and x, five at most.
  code_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ox]{0,5}")), code_));
  code_->setPlaceholderText(QStringLiteral("小写字母 o 或 x"));
  code_->setFixedWidth(140);

  auto* read = new QPushButton(QStringLiteral("测算"), this);
  read->setDefault(true);
  auto* clear = new QPushButton(QStringLiteral("清除"), this);
  clear->setAutoDefault(false);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setAutoDefault(false);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("请输入您的指纹代码："), this));
  row->addWidget(code_);
  row->addWidget(read);
  row->addWidget(clear);
  row->addStretch(1);
  row->addWidget(close);

  result_ = new QPlainTextEdit(this);
  result_->setObjectName(QStringLiteral("ResultMemo"));
  result_->setReadOnly(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(row);
  layout->addWidget(result_, 1);
  resize(520, 460);

  connect(read, &QPushButton::clicked, this, [this] { RunCommand([this] { Read(); }); });
  connect(code_, &QLineEdit::returnPressed, this, [this] { RunCommand([this] { Read(); }); });
  connect(clear, &QPushButton::clicked, this, [this] { Clear(); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TFrmzhiwen::Read() {
  // A failing lookup leaves the area empty and ends the command silently.
  result_->clear();
  result_->setPlainText(ToQString(FingerprintResult(store_, code_->text().toStdString())));
}

void TFrmzhiwen::Clear() { code_->clear(); }

}  // namespace vessa
