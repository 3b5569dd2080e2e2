#include "gui/names/naming_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QVBoxLayout>

#include "gui/kit/command_runner.h"
#include "gui/kit/gbk_length_validator.h"
#include "gui/kit/qt_text.h"
#include "core/text/text.h"

namespace vessa {

namespace {

const QString kPickHint = QStringLiteral("选好笔画方式，点“取名”列出合乎笔画的字");

QPlainTextEdit* ReadOnlyMemo(const char* objectName, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QLatin1String(objectName));
  memo->setReadOnly(true);
  return memo;
}

// A caption written top to bottom, one character a line.
QLabel* VerticalCaption(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TFrmChangeName::TFrmChangeName(const data::ContentStore& store, std::string surname,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      adoData_(store.QueryOn(data::DatabaseFile::MorFile)),
      surname_(std::move(surname)) {
  setObjectName(QStringLiteral("TFrmChangeName"));
  setWindowTitle(QStringLiteral("取名宝典"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* listLabel = new QLabel(QStringLiteral("笔画方式"), this);
  proposalList_ = new QComboBox(this);
  proposalList_->setObjectName(QStringLiteral("ProposalList"));
  proposalList_->setMinimumWidth(220);
  oneCharacter_ = new QRadioButton(QStringLiteral("一个字名"), this);
  oneCharacter_->setObjectName(QStringLiteral("OneCharacter"));
  twoCharacters_ = new QRadioButton(QStringLiteral("两个字名"), this);
  twoCharacters_->setObjectName(QStringLiteral("TwoCharacters"));
  twoCharacters_->setChecked(true);
  auto* pick = new QPushButton(QStringLiteral("取名"), this);

  auto* top = new QHBoxLayout;
  top->addWidget(listLabel);
  top->addWidget(proposalList_, 1);
  top->addWidget(oneCharacter_);
  top->addWidget(twoCharacters_);
  top->addWidget(pick);

  firstCharacters_ = ReadOnlyMemo("FirstCharacters", this);
  secondCharacters_ = ReadOnlyMemo("SecondCharacters", this);
  // Empty until "取名": say so, rather than show two blank boxes.
  firstCharacters_->setPlaceholderText(kPickHint);
  auto* memos = new QHBoxLayout;
  memos->addWidget(VerticalCaption("名\n第\n一\n字", this));
  memos->addWidget(firstCharacters_, 1);
  memos->addWidget(VerticalCaption("名\n第\n两\n字", this));
  memos->addWidget(secondCharacters_, 1);

  auto* testGroup = new QGroupBox(QStringLiteral("新名字测试  "), this);
  surnameEdit_ = new QLineEdit(testGroup);
  surnameEdit_->setObjectName(QStringLiteral("TestSurname"));
  surnameEdit_->setReadOnly(true);
  givenEdit_ = new QLineEdit(testGroup);
  givenEdit_->setObjectName(QStringLiteral("TestGivenName"));
  givenEdit_->setValidator(new GbkLengthValidator(4, givenEdit_));
  auto* test = new QPushButton(QStringLiteral("确认测算"), testGroup);
  auto* testLayout = new QGridLayout(testGroup);
  testLayout->addWidget(new QLabel(QStringLiteral("姓"), testGroup), 0, 0);
  testLayout->addWidget(new QLabel(QStringLiteral("名"), testGroup), 0, 1);
  testLayout->addWidget(surnameEdit_, 1, 0);
  testLayout->addWidget(givenEdit_, 1, 1);
  testLayout->addWidget(test, 1, 2);

  auto* resultGroup = new QGroupBox(QStringLiteral("新名字测试结果"), this);
  testResult_ = ReadOnlyMemo("TestResult", resultGroup);
  auto* resultLayout = new QVBoxLayout(resultGroup);
  resultLayout->addWidget(testResult_);

  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(memos, 2);
  layout->addWidget(testGroup);
  layout->addWidget(resultGroup, 3);
  layout->addLayout(bottom);
  resize(620, 560);

  connect(oneCharacter_, &QRadioButton::clicked, this,
          [this] { RunCommand([this] { FillProposals(true); }); });
  connect(twoCharacters_, &QRadioButton::clicked, this,
          [this] { RunCommand([this] { FillProposals(true); }); });
  connect(pick, &QPushButton::clicked, this, [this] { RunCommand([this] { OnPick(); }); });
  connect(test, &QPushButton::clicked, this, [this] { RunCommand([this] { OnTest(); }); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool TFrmChangeName::TwoCharacters() const { return twoCharacters_->isChecked(); }

void TFrmChangeName::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  surnameEdit_->setText(ToQString(surname_));
  RunCommand([this] { FillProposals(false); });
}

void TFrmChangeName::FillProposals(bool afterSwitch) {
  proposalList_->clear();
  proposals_.clear();
  const bool two = TwoCharacters();
  proposals_ = NameProposals(store_, surname_, two);
  for (const NameProposal& p : proposals_)
    proposalList_->addItem(ToQString(ProposalText(p, two, afterSwitch)));
  proposalList_->setCurrentIndex(proposals_.empty() ? -1 : 0);
  // Say why the list is empty rather than show nothing; the line is no proposal.
  if (proposals_.empty()) proposalList_->setPlaceholderText(ToQString(kNoProposals));
  secondCharacters_->setPlaceholderText(two ? kPickHint : QStringLiteral("一个字的名字没有第二字"));
  secondCharacters_->viewport()->update();  // a new placeholder alone is not repainted
}

void TFrmChangeName::OnPick() {
  firstCharacters_->clear();
  secondCharacters_->clear();
  const int index = proposalList_->currentIndex();
  if (index < 0 || index >= static_cast<int>(proposals_.size())) return;
  const NameProposal& p = proposals_[static_cast<std::size_t>(index)];
  if (const std::string chars = NameCharactersWithStrokes(store_, p.first); !chars.empty()) {
    firstCharacters_->appendPlainText(ToQString(chars));
  }
  if (TwoCharacters()) {
    if (const std::string chars = NameCharactersWithStrokes(store_, p.second); !chars.empty()) {
      secondCharacters_->appendPlainText(ToQString(chars));
    }
  }
}

void TFrmChangeName::OnTest() {
  const std::string surname = text::Trim(surnameEdit_->text().toStdString());
  const std::string given = text::Trim(givenEdit_->text().toStdString());
  const std::optional<NameTestStart> start = BeginNameTest(adoData_, store_, surname, given);
  if (!start) return;
  // The first lines stand before the grid readings are looked up: a failing
  // lookup stops the test but leaves them, not the previous test's result.
  QStringList texts;
  for (const auto& line : start->lines) texts << ToQString(line);
  testResult_->setPlainText(texts.join(QLatin1Char('\n')));
  texts.clear();
  for (const auto& line : NameTestReadings(store_, *start)) texts << ToQString(line);
  testResult_->appendPlainText(texts.join(QLatin1Char('\n')));
  // Appending moved the view to the end; the test reads from its first line.
  testResult_->moveCursor(QTextCursor::Start);
}

}  // namespace vessa
