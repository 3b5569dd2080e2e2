#include "gui/calendar/calendar_spinner.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vessa {

namespace {

QToolButton* Arrow(Qt::ArrowType type, const char* objectName, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(objectName));
  button->setArrowType(type);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(18, 12);
  return button;
}

}  // namespace

CalendarSpinner::CalendarSpinner(int min, int max, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(min) {
  up_ = Arrow(Qt::UpArrow, "Up", this);
  down_ = Arrow(Qt::DownArrow, "Down", this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  setFixedSize(18, 24);
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  UpdateButtons();
}

void CalendarSpinner::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  UpdateButtons();
}

void CalendarSpinner::Step(int delta) {
  const int next = std::clamp(position_ + delta, min_, max_);
  if (next == position_) return;
  position_ = next;
  UpdateButtons();
  emit Stepped(position_);
}

void CalendarSpinner::UpdateButtons() {
  // An arrow that can go no further looks it.
  up_->setEnabled(position_ < max_);
  down_->setEnabled(position_ > min_);
}

}  // namespace vessa
