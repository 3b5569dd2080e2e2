#include "gui/divination/hexagram_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/text/text.h"
#include "gui/divination/coin_face.h"
#include "gui/kit/command_runner.h"
#include "gui/kit/file_seam.h"
#include "gui/kit/message_seam.h"
#include "gui/kit/print_seam.h"
#include "gui/kit/qt_text.h"
#include "gui/kit/text_files.h"

namespace vessa {
namespace {

constexpr int kCoinSize = 64;
constexpr const char* kLinePlaces[kHexagramLines] = {"初爻", "二爻", "三爻",
                                                     "四爻", "五爻", "上爻"};

QLabel* Legend(CoinFace face, const char* caption, QWidget* parent, qreal dpr) {
  auto* label = new QLabel(parent);
  label->setPixmap(CoinPixmap(face, 40, dpr));
  label->setToolTip(QString::fromUtf8(caption));
  return label;
}

}  // namespace

TFrmQigua::TFrmQigua(const data::ContentStore& store, std::uint32_t seed, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      adoData_(store.QueryOn(data::DatabaseFile::Tgcode)),
      random_(seed) {
  setObjectName(QStringLiteral("TFrmQigua"));
  setWindowTitle(QStringLiteral("金钱卦"));
  const qreal dpr = devicePixelRatioF();

  auto* modeGroup = new QGroupBox(QStringLiteral("起卦方式"), this);
  throwMode_ = new QRadioButton(QStringLiteral("投币"), modeGroup);
  throwMode_->setObjectName(QStringLiteral("ThrowMode"));
  autoMode_ = new QRadioButton(QStringLiteral("电脑自动"), modeGroup);
  autoMode_->setObjectName(QStringLiteral("AutoMode"));
  autoMode_->setChecked(true);
  auto* modeLayout = new QHBoxLayout(modeGroup);
  modeLayout->addWidget(throwMode_);
  modeLayout->addWidget(autoMode_);

  auto* legendGroup = new QGroupBox(QStringLiteral("图例"), this);
  auto* legendLayout = new QHBoxLayout(legendGroup);
  legendLayout->addWidget(Legend(CoinFace::Front, "正面", legendGroup, dpr));
  legendLayout->addWidget(new QLabel(QStringLiteral("正面（阴爻，记0）"), legendGroup));
  legendLayout->addSpacing(16);
  legendLayout->addWidget(Legend(CoinFace::Back, "反面", legendGroup, dpr));
  legendLayout->addWidget(new QLabel(QStringLiteral("反面（阳爻，记1）"), legendGroup));
  legendLayout->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(modeGroup);
  top->addWidget(legendGroup, 1);

  auto* coinGroup = new QGroupBox(QStringLiteral("投币"), this);
  auto* coins = new QGridLayout(coinGroup);
  for (std::size_t i = 0; i < kHexagramLines; ++i) {
    const int n = static_cast<int>(i) + 1;
    Slot& s = slots_[i];
    s.button = new QPushButton(QStringLiteral("投第%1币").arg(n), coinGroup);
    s.button->setObjectName(QStringLiteral("ThrowButton%1").arg(n));
    s.picture = new QLabel(coinGroup);
    s.picture->setObjectName(QStringLiteral("CoinSlot%1").arg(n));
    s.picture->setAlignment(Qt::AlignCenter);
    s.picture->setFixedSize(kCoinSize + 8, kCoinSize + 8);
    auto* place = new QLabel(QString::fromUtf8(kLinePlaces[i]), coinGroup);
    place->setAlignment(Qt::AlignCenter);
    place->setStyleSheet(QStringLiteral("color: #666;"));
    const int column = static_cast<int>(i);
    coins->addWidget(s.button, 0, column, Qt::AlignHCenter);
    coins->addWidget(s.picture, 1, column, Qt::AlignHCenter);
    coins->addWidget(place, 2, column, Qt::AlignHCenter);
    connect(s.button, &QPushButton::clicked, this,
            [this, n] { RunCommand([=, this] { Throw(n); }); });
  }

  auto* titleGroup = new QGroupBox(QStringLiteral("简语"), this);
  title_ = new QLabel(titleGroup);
  title_->setObjectName(QStringLiteral("TitleLine"));
  QFont titleFont = title_->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* titleLayout = new QHBoxLayout(titleGroup);
  titleLayout->addWidget(title_);

  reading_ = new QPlainTextEdit(this);
  reading_->setObjectName(QStringLiteral("ReadingPane"));
  reading_->setReadOnly(true);

  auto* cast = new QPushButton(QStringLiteral("查看起卦"), this);
  auto* reset = new QPushButton(QStringLiteral("重新起卦"), this);
  auto* save = new QPushButton(QStringLiteral("保存"), this);
  auto* print = new QPushButton(QStringLiteral("打印"), this);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {cast, reset, save, print, close}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(coinGroup);
  layout->addWidget(titleGroup);
  layout->addWidget(reading_, 1);
  layout->addLayout(buttons);
  resize(600, 560);

  // A mode change starts the cast again.
  connect(throwMode_, &QRadioButton::clicked, this, [this] { RunCommand([this] { Reset(); }); });
  connect(autoMode_, &QRadioButton::clicked, this, [this] { RunCommand([this] { Reset(); }); });
  connect(cast, &QPushButton::clicked, this, [this] { RunCommand([this] { Cast(); }); });
  connect(reset, &QPushButton::clicked, this, [this] { RunCommand([this] { Reset(); }); });
  connect(save, &QPushButton::clicked, this, [this] { RunCommand([this] { Save(); }); });
  connect(print, &QPushButton::clicked, this, [this] { RunCommand([this] { Print(); }); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  Reset();
}

int TFrmQigua::Digit(int slot) const {
  return slot >= 1 && slot <= 6 ? slots_[static_cast<std::size_t>(slot - 1)].digit : 0;
}

std::optional<CoinFace> TFrmQigua::Picture(int slot) const {
  if (slot < 1 || slot > 6) return std::nullopt;
  return slots_[static_cast<std::size_t>(slot - 1)].face;
}

bool TFrmQigua::AutomaticMode() const { return autoMode_->isChecked(); }

void TFrmQigua::ShowFace(Slot& slot, std::optional<CoinFace> face) {
  slot.face = face;
  if (face) {
    slot.picture->setStyleSheet(QString());
    slot.picture->setPixmap(CoinPixmap(*face, kCoinSize, devicePixelRatioF()));
    slot.picture->setToolTip(*face == CoinFace::Front ? QStringLiteral("正面")
                                                      : QStringLiteral("反面"));
  } else {
    slot.picture->setPixmap(QPixmap());
    slot.picture->setText(QStringLiteral("未投"));
    slot.picture->setStyleSheet(QStringLiteral("color: red;"));
    slot.picture->setToolTip(QString());
  }
}

void TFrmQigua::Reset() {
  title_->setText(QStringLiteral("未起卦"));
  reading_->clear();
  const bool throwing = throwMode_->isChecked();
  for (Slot& s : slots_) {
    s.button->setEnabled(throwing);
    s.digit = 0;
    ShowFace(s, std::nullopt);
  }
}

void TFrmQigua::Throw(int slot) {
  if (slot < 1 || slot > 6) return;
  Slot& s = slots_[static_cast<std::size_t>(slot - 1)];
  if (!s.button->isEnabled()) return;
  const CoinFace face = ThrowCoin(random_);
  ShowFace(s, face);
  s.digit = static_cast<int>(face);
  // Each coin is thrown once per cast.
  s.button->setEnabled(false);
}

void TFrmQigua::ShowHexagram(const HexagramRow& row) {
  title_->setText(ToQString(row.title));
  reading_->setPlainText(ToQString(row.reading));
}

void TFrmQigua::Cast() {
  if (AutomaticMode()) {
    const auto row = HexagramById(adoData_, DrawHexagramId(random_));
    if (!row) return;
    // The pictures show the drawn code; the digits stay as they are.
    for (std::size_t i = 0; i < kHexagramLines && i < row->code.size(); ++i) {
      ShowFace(slots_[i], FaceOfCodeCharacter(row->code[i]));
    }
    ShowHexagram(*row);
    return;
  }
  std::string code;
  for (std::size_t i = 0; i < kHexagramLines; ++i) {
    Slot& s = slots_[i];
    if (s.button->isEnabled()) {
      ShowInformation(QStringLiteral("投币提示"), QStringLiteral("请投第%1币！").arg(i + 1));
      s.button->setFocus();
      return;
    }
    code += s.digit == 0 ? '0' : '1';
  }
  if (const auto row = HexagramByCode(adoData_, code)) ShowHexagram(*row);
}

QStringList TFrmQigua::PaneLines() const {
  return reading_->toPlainText().split(QLatin1Char('\n'));
}

void TFrmQigua::Save() {
  if (reading_->toPlainText().trimmed().isEmpty()) return;
  FileQuestion question;
  question.save = true;
  question.caption = QStringLiteral("保存");
  question.proposed = QStringLiteral("金钱卦");
  question.filter = QStringLiteral("文本文件 (*.txt)");
  question.offerEncoding = true;
  const auto answer = AskFile(this, question);
  if (!answer) return;
  const QString file = WithTxtExtension(answer->fileName);
  if (const auto reason = SaveTextFile(file, PaneLines(), answer->encoding)) {
    ShowErrorBox(QStringLiteral("无法保存到“%1”：%2").arg(file, *reason));
  }
}

void TFrmQigua::Print() {
  auto printer = DirectPrinter();
  printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
  PrintLines(*printer, PaneLines(), reading_->font());
}

}  // namespace vessa
