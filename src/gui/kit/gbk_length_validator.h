#pragma once

#include <QValidator>

#include <cstddef>

namespace vessa {

// Refuses any edit that would make the text longer than a number of GBK bytes
// (a Chinese character counts two). QLineEdit::maxLength counts characters, so
// it cannot hold the name fields to two Chinese characters or four letters.
class GbkLengthValidator : public QValidator {
  Q_OBJECT

 public:
  GbkLengthValidator(std::size_t maxBytes, QObject* parent);

  State validate(QString& input, int& pos) const override;

 private:
  std::size_t maxBytes_;
};

}  // namespace vessa
