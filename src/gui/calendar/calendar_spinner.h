#pragma once

#include <QWidget>

class QToolButton;

namespace vessa {

// A pair of arrow buttons that step a whole number through [min, max] and stop at
// the ends, without an edit field: the number is shown by a label of its own.
class CalendarSpinner : public QWidget {
  Q_OBJECT

 public:
  CalendarSpinner(int min, int max, QWidget* parent = nullptr);

  int Position() const { return position_; }
  int Minimum() const { return min_; }
  int Maximum() const { return max_; }
  // Moves to position (held to the range) without reporting a step.
  void SetPosition(int position);
  // A step by the user: moves by delta within the range and reports the new
  // position; at an end nothing changes and nothing is reported.
  void Step(int delta);

 signals:
  void Stepped(int position);

 private:
  void UpdateButtons();

  int min_;
  int max_;
  int position_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace vessa
