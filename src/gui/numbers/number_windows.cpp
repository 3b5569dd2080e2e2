#include "gui/numbers/number_windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "core/numbers/phone_test.h"
#include "gui/kit/qt_text.h"

namespace vessa {

namespace {

void Colour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

std::string EditText(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

void FourResultWindow::AddFourResults(const QString& numberCaption) {
  AddResultGroup();
  values_ = {AddResult("NumberResult", numberCaption),
             AddResult("StateResult", QStringLiteral("状态：")),
             AddResult("VerdictResult", QStringLiteral("吉凶：")),
             AddResult("DescriptionResult", QStringLiteral("具体表现："))};
  Colour(values_[2], Qt::red);
}

void FourResultWindow::ShowResult(const TestResult& result) {
  for (QLabel* value : values_) value->clear();
  for (std::size_t i = 0; i < values_.size() && i < result.fields.size(); ++i) {
    values_[i]->setText(ToQString(result.fields[i].value));
  }
}

TFrm_SJcs::TFrm_SJcs(const data::ContentStore& store, QWidget* parent)
    : FourResultWindow("TFrm_SJcs", QStringLiteral("手机号码测算"), parent), store_(store) {
  AddEdit("NumberEdit", QStringLiteral("输入号码："), kPhoneEditBytes, true, true);
  AddNote(QStringLiteral("请注意：手机号码是11位，请正确输入。"));
  AddButtons();
  AddFourResults(QStringLiteral("手机号码是："));
  AddNote(QStringLiteral(
      "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义"
      "是一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"));
}

TestResult TFrm_SJcs::Compute() { return PhoneTest(store_, EditText(NumberEdit())); }

void FourResultWindow::BuildNumberTest(NumberTestKind kind) {
  const NumberTestTexts& texts = TextsOf(kind);
  AddEdit("NumberEdit", ToQString(texts.editLabel), kNumberEditBytes, true, true);
  AddButtons();
  AddFourResults(ToQString(texts.numberCaption));
}

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : FourResultWindow("TFrmQQhm", ToQString(TextsOf(NumberTestKind::QQ).caption), parent) {
  BuildNumberTest(NumberTestKind::QQ);
}

TestResult TFrmQQhm::Compute() { return NumberTest(NumberTestKind::QQ, EditText(NumberEdit())); }

TFrm_onther::TFrm_onther(QWidget* parent)
    : FourResultWindow("TFrm_onther", ToQString(TextsOf(NumberTestKind::Any).caption), parent) {
  BuildNumberTest(NumberTestKind::Any);
}

TestResult TFrm_onther::Compute() {
  return NumberTest(NumberTestKind::Any, EditText(NumberEdit()));
}

TFormQQpeidui::TFormQQpeidui(const data::ContentStore& store, QWidget* parent)
    : TestWindow("TFormQQpeidui", QStringLiteral("QQ号码缘分配对"), parent), store_(store) {
  runsOnShow_ = false;
  AddEdit("OwnEdit", QStringLiteral("我的QQ："), kNumberEditBytes, true, false);
  AddEdit("PartnerEdit", QStringLiteral("对方QQ："), kNumberEditBytes, true, false);
  AddButtons();
  AddResultGroup();
  result_ = AddResult("PairingResult", QString());
  result_->setMinimumHeight(60);
  Colour(result_, QColor(0x00, 0x80, 0x00));
}

TestResult TFormQQpeidui::Compute() {
  return QQPairing(store_, EditText(edits_[0]), EditText(edits_[1]));
}

void TFormQQpeidui::ShowResult(const TestResult& result) {
  result_->setText(result.fields.empty() ? QString() : ToQString(result.fields.front().value));
}

}  // namespace vessa
