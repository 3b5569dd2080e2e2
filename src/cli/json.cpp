#include "cli/json.h"

#include "core/text/text.h"

namespace vessa::cli {

std::string JsonString(std::string_view s) {
  // Appended piece by piece: "literal" + std::string trips GCC 12's -Wrestrict at -O3.
  std::string literal = "\"";
  literal += text::BackslashEscape(s, text::EscapeStyle::Json);
  literal += '"';
  return literal;
}

void JsonObject::Key(std::string_view name) {
  if (body_.size() > 1) body_ += ",";
  body_ += JsonString(name) + ":";
}

JsonObject& JsonObject::Text(std::string_view name, std::string_view value) {
  Key(name);
  body_ += JsonString(value);
  return *this;
}

JsonObject& JsonObject::Number(std::string_view name, long long value) {
  Key(name);
  body_ += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::Bool(std::string_view name, bool value) {
  Key(name);
  body_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::Raw(std::string_view name, std::string_view json) {
  Key(name);
  body_ += json;
  return *this;
}

}  // namespace vessa::cli
