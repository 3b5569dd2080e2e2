#pragma once

#include <QDialog>
#include <QString>

#include <cstddef>
#include <vector>

#include "core/numbers/number_text.h"
#include "gui/kit/gbk_length_validator.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the number and nickname test windows share: edits that show letters
// upper-case and hold a number of GBK bytes, number edits that take digits
// alone, the buttons "测算" and "关闭", and the result group "测算结果".
namespace vessa {

// Letters upper-case (as the edit shows them) and at most maxBytes GBK bytes;
// a longer text is refused.
class TestEditValidator : public GbkLengthValidator {
  Q_OBJECT

 public:
  using GbkLengthValidator::GbkLengthValidator;
  State validate(QString& input, int& pos) const override;
};

// A modal tool window that deletes itself when closed.
class TestWindow : public QDialog {
  Q_OBJECT

 public:
  // Runs the test on the edits' texts: a refused input shows its prompt (and
  // moves the focus to its edit); otherwise the results are shown. Runs through
  // the command runner, so a conversion error goes to the error box and leaves
  // the results as they were.
  void Run();

 protected:
  TestWindow(const char* className, const QString& caption, QWidget* parent);

  // A labelled edit on its own row. Digits-only edits admit digits, backspace and
  // Enter as typed keys (a paste can bring anything); Enter runs the test where
  // enterRuns, and does nothing else otherwise.
  QLineEdit* AddEdit(const char* objectName, const QString& label, std::size_t maxBytes,
                     bool digitsOnly, bool enterRuns);
  // A line of text under the rows built so far.
  QLabel* AddNote(const QString& text);
  // The buttons "测算" and "关闭".
  void AddButtons();
  // The group "测算结果"; its rows come next.
  void AddResultGroup();
  // A result row: the caption (none when empty) and its value label.
  QLabel* AddResult(const char* objectName, const QString& caption);

  virtual TestResult Compute() = 0;
  virtual void ShowResult(const TestResult& result) = 0;

  void showEvent(QShowEvent* event) override;
  // Whether the test runs when the window is shown with text in its first edit.
  bool runsOnShow_ = true;

  std::vector<QLineEdit*> edits_;

 private:
  QVBoxLayout* column_;
  QGridLayout* results_ = nullptr;
  bool shown_ = false;
};

}  // namespace vessa
