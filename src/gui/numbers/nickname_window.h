#pragma once

#include "gui/numbers/test_window.h"

class QLabel;
class QLineEdit;

namespace vessa {

// "网名与性格": the personality read from a nickname.
class TFrmWangming : public TestWindow {
  Q_OBJECT

 public:
  explicit TFrmWangming(QWidget* parent = nullptr);
  QLineEdit* NicknameEdit() const { return edits_.front(); }

 protected:
  TestResult Compute() override;
  void ShowResult(const TestResult& result) override;

 private:
  QLabel* nicknameLine_;
  QLabel* traitLine_;
};

}  // namespace vessa
