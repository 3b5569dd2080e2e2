#pragma once

#include <QString>

#include <string_view>

// The core's UTF-8 texts at the Qt boundary.
namespace vessa {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vessa
