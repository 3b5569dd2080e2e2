#pragma once

#include <array>

#include "core/data/content_store.h"
#include "core/numbers/qq_tests.h"
#include "gui/numbers/test_window.h"

class QLabel;
class QLineEdit;

namespace vessa {

// The four captioned results of the phone, QQ and any-number tests, the
// verdict in red and the description wrapped.
class FourResultWindow : public TestWindow {
  Q_OBJECT

 public:
  QLineEdit* NumberEdit() const { return edits_.front(); }

 protected:
  using TestWindow::TestWindow;
  void AddFourResults(const QString& numberCaption);
  // The edit, the buttons and the results of the QQ or any-number test.
  void BuildNumberTest(NumberTestKind kind);
  void ShowResult(const TestResult& result) override;

 private:
  std::array<QLabel*, 4> values_{};
};

// "手机号码测算": the mobile phone number test.
class TFrm_SJcs : public FourResultWindow {
  Q_OBJECT

 public:
  TFrm_SJcs(const data::ContentStore& store, QWidget* parent = nullptr);

 protected:
  TestResult Compute() override;

 private:
  const data::ContentStore& store_;
};

// "QQ号码测试": a QQ number read through the 81-number table.
class TFrmQQhm : public FourResultWindow {
  Q_OBJECT

 public:
  explicit TFrmQQhm(QWidget* parent = nullptr);

 protected:
  TestResult Compute() override;
};

// "任意号码分析": any number read through the 81-number table.
class TFrm_onther : public FourResultWindow {
  Q_OBJECT

 public:
  explicit TFrm_onther(QWidget* parent = nullptr);

 protected:
  TestResult Compute() override;
};

// "QQ号码缘分配对": the pairing text of two QQ numbers.
class TFormQQpeidui : public TestWindow {
  Q_OBJECT

 public:
  TFormQQpeidui(const data::ContentStore& store, QWidget* parent = nullptr);

 protected:
  TestResult Compute() override;
  void ShowResult(const TestResult& result) override;

 private:
  const data::ContentStore& store_;
  QLabel* result_;
};

}  // namespace vessa
