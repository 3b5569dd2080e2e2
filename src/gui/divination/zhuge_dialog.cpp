#include "gui/divination/zhuge_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include "core/divination/zhuge.h"
#include "core/text/gbk.h"
#include "gui/kit/qt_text.h"

namespace vessa {
namespace {

// A box holds one Chinese character of GBK (two bytes) or nothing: ASCII, a
// second character and characters outside GBK are refused as they are typed
// or pasted.
class OneCharacterValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    if (input.isEmpty()) return Acceptable;
    const std::string utf8 = input.toStdString();
    const bool one = input.size() == 1 || (input.size() == 2 && input.at(0).isHighSurrogate());
    if (!one || static_cast<unsigned char>(utf8.front()) < 0x80) return Invalid;
    return gbk::IsEncodable(utf8) && gbk::ByteLength(utf8) == 2 ? Acceptable : Invalid;
  }
};

}  // namespace

TFrmcezhi::TFrmcezhi(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFrmcezhi"));
  setWindowTitle(QStringLiteral("测字算命"));

  auto* intro = new QLabel(ToQString(ZhugeIntroduction()), this);
  intro->setObjectName(QStringLiteral("Introduction"));
  intro->setWordWrap(true);
  intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
  intro->setFrameShape(QFrame::StyledPanel);
  intro->setMargin(8);
  intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  intro->setFixedWidth(460);

  auto* prompt = new QLabel(QStringLiteral("请输入你测试的三个字:"), this);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(prompt);
  QFont big = font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    edit->setValidator(new OneCharacterValidator(edit));
    edit->setFont(big);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(QFontMetrics(big).horizontalAdvance(QStringLiteral("测")) * 2 + 12);
    boxes->addWidget(edit);
    edits_[i] = edit;
  }
  boxes->addStretch(1);

  auto* cast = new QPushButton(QStringLiteral("测算"), this);
  cast->setDefault(true);
  auto* clear = new QPushButton(QStringLiteral("清除"), this);
  clear->setAutoDefault(false);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cast);
  buttons->addWidget(clear);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  // The paragraph's width fixes the dialog's: its height follows the wrapped text.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cast, &QPushButton::clicked, this, &QDialog::accept);
  connect(clear, &QPushButton::clicked, this, [this] {
    for (QLineEdit* edit : edits_) edit->clear();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFrmcezhi::JoinedCharacters() const {
  QString joined;
  for (const QLineEdit* edit : edits_) joined += edit->text().trimmed();
  return joined;
}

QString AskThreeCharacters(QWidget* parent) {
  TFrmcezhi dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.JoinedCharacters();
}

}  // namespace vessa
