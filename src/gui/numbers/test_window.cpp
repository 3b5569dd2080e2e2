#include "gui/numbers/test_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <functional>

#include "core/text/gbk.h"
#include "core/text/text.h"
#include "gui/kit/command_runner.h"
#include "gui/kit/message_seam.h"
#include "gui/kit/qt_text.h"

namespace vessa {

namespace {

// The key filter of a number edit: typed characters other than digits never
// reach it. Keys that type nothing (arrows, Delete, shortcuts such as the paste)
// pass as usual.
class DigitKeyFilter : public QObject {
 public:
  DigitKeyFilter(bool digitsOnly, std::function<void()> onEnter, QObject* parent)
      : QObject(parent), digitsOnly_(digitsOnly), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (onEnter_) onEnter_();
      return true;  // never the dialog's default button
    }
    if (!digitsOnly_ || key->key() == Qt::Key_Backspace) return false;
    const QString typed = key->text();
    if (typed.isEmpty() || key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
      return false;
    }
    for (QChar c : typed) {
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return true;
    }
    return false;
  }

 private:
  bool digitsOnly_;
  std::function<void()> onEnter_;
};

}  // namespace

QValidator::State TestEditValidator::validate(QString& input, int& pos) const {
  QString upper = ToQString(UpperCaseLetters(input.toStdString()));
  const State state = GbkLengthValidator::validate(upper, pos);
  if (state == Acceptable) input = upper;
  return state;
}

TestWindow::TestWindow(const char* className, const QString& caption, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QLatin1String(className));
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(12, 12, 12, 12);
  column_->setSpacing(8);
  column_->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* TestWindow::AddEdit(const char* objectName, const QString& label, std::size_t maxBytes,
                               bool digitsOnly, bool enterRuns) {
  auto* row = new QHBoxLayout;
  auto* caption = new QLabel(label, this);
  caption->setMinimumWidth(72);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QLatin1String(objectName));
  edit->setValidator(new TestEditValidator(maxBytes, edit));
  edit->setMinimumWidth(200);
  std::function<void()> onEnter;
  if (enterRuns) onEnter = [this] { Run(); };
  edit->installEventFilter(new DigitKeyFilter(digitsOnly, std::move(onEnter), edit));
  caption->setBuddy(edit);
  row->addWidget(caption);
  row->addWidget(edit, 1);
  column_->addLayout(row);
  edits_.push_back(edit);
  return edit;
}

QLabel* TestWindow::AddNote(const QString& text) {
  auto* note = new QLabel(text, this);
  note->setWordWrap(true);
  note->setMaximumWidth(360);
  column_->addWidget(note);
  return note;
}

void TestWindow::AddButtons() {
  auto* row = new QHBoxLayout;
  auto* run = new QPushButton(QStringLiteral("测算"), this);
  run->setObjectName(QStringLiteral("RunButton"));
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName(QStringLiteral("CloseButton"));
  for (QPushButton* b : {run, close}) b->setAutoDefault(false);
  connect(run, &QPushButton::clicked, this, [this] { Run(); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  row->addStretch(1);
  row->addWidget(run);
  row->addWidget(close);
  row->addStretch(1);
  column_->addLayout(row);
}

void TestWindow::AddResultGroup() {
  auto* group = new QGroupBox(QStringLiteral("测算结果"), this);
  group->setObjectName(QStringLiteral("ResultGroup"));
  results_ = new QGridLayout(group);
  results_->setColumnStretch(1, 1);
  results_->setVerticalSpacing(6);
  column_->addWidget(group);
}

QLabel* TestWindow::AddResult(const char* objectName, const QString& caption) {
  QWidget* group = results_->parentWidget();
  auto* value = new QLabel(group);
  value->setObjectName(QLatin1String(objectName));
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  value->setWordWrap(true);
  value->setMinimumWidth(300);
  value->setMaximumWidth(300);
  const int row = results_->rowCount();
  if (caption.isEmpty()) {
    results_->addWidget(value, row, 0, 1, 2);
    value->setMaximumWidth(380);
    value->setMinimumWidth(380);
  } else {
    auto* label = new QLabel(caption, group);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    results_->addWidget(label, row, 0);
    results_->addWidget(value, row, 1);
  }
  value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return value;
}

void TestWindow::Run() {
  RunCommand([this] {
    const TestResult result = Compute();
    if (!result.ok()) {
      ShowPrompt(ToQString(result.message));
      const auto focus = static_cast<std::size_t>(result.focus);
      if (focus < edits_.size()) edits_[focus]->setFocus();
      return;
    }
    ShowResult(result);
  });
}

void TestWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  if (runsOnShow_ && !edits_.empty() && !text::Trim(edits_.front()->text().toStdString()).empty()) {
    Run();
  }
}

}  // namespace vessa
