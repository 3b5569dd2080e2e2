#pragma once

#include <string>
#include <string_view>

namespace vessa::cli {

// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view s);

// Builds one JSON object, member by member, in insertion order.
class JsonObject {
 public:
  JsonObject& Text(std::string_view name, std::string_view value);
  JsonObject& Number(std::string_view name, long long value);
  JsonObject& Bool(std::string_view name, bool value);
  // A member whose value is already JSON (an object or array).
  JsonObject& Raw(std::string_view name, std::string_view json);
  std::string str() const { return body_ + "}"; }

 private:
  void Key(std::string_view name);
  std::string body_ = "{";
};

}  // namespace vessa::cli
