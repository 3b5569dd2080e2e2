#include "gui/numbers/nickname_window.h"

#include <QLabel>
#include <QLineEdit>

#include "core/numbers/nickname.h"
#include "core/text/gbk.h"
#include "gui/kit/qt_text.h"

namespace vessa {

TFrmWangming::TFrmWangming(QWidget* parent)
    : TestWindow("TFrmWangming", QStringLiteral("网名与性格"), parent) {
  AddEdit("NicknameEdit", QStringLiteral("输入网名："), kNicknameEditBytes, false, true);
  AddButtons();
  AddResultGroup();
  nicknameLine_ = AddResult("NicknameLine", QString());
  traitLine_ = AddResult("TraitLine", QString());
}

TestResult TFrmWangming::Compute() {
  return NicknameTest(gbk::FromUtf8(NicknameEdit()->text().toStdString()));
}

void TFrmWangming::ShowResult(const TestResult& result) {
  QLabel* lines[] = {nicknameLine_, traitLine_};
  for (std::size_t i = 0; i < 2 && i < result.fields.size(); ++i) {
    lines[i]->setText(ToQString(std::string(result.fields[i].caption) + result.fields[i].value));
  }
}

}  // namespace vessa
