#pragma once

#include <QWidget>

#include "core/data/content_store.h"

class QLineEdit;
class QPlainTextEdit;

namespace vessa {

// The fingerprint window "指纹算命": a code of up to five whorls ("o") and loops
// ("x") from the thumb, and its reading. The main window shows it modally and
// builds a fresh one for every opening.
class TFrmzhiwen : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmzhiwen(const data::ContentStore& store, QWidget* parent = nullptr);

  void Read();   // "测算"
  void Clear();  // "清除"

 private:
  const data::ContentStore& store_;
  QLineEdit* code_;
  QPlainTextEdit* result_;
};

}  // namespace vessa
