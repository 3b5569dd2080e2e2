#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QLineEdit;

namespace vessa {

// The dialog "测字算命" of the Zhuge divination: three boxes of one Chinese
// character each. "测算" ends it with OK, "关闭" with Cancel, "清除" empties the boxes.
class TFrmcezhi : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmcezhi(QWidget* parent = nullptr);

  // The three boxes' texts, each trimmed, joined in order.
  QString JoinedCharacters() const;

 private:
  std::array<QLineEdit*, 3> edits_;
};

// Shows the dialog modally; the joined characters when it ends with "测算", ""
// otherwise.
QString AskThreeCharacters(QWidget* parent);

}  // namespace vessa
