#include "gui/kit/gbk_length_validator.h"

#include "core/text/gbk.h"

namespace vessa {

GbkLengthValidator::GbkLengthValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
  return gbk::ByteLength(input.toStdString()) <= maxBytes_ ? Acceptable : Invalid;
}

}  // namespace vessa
