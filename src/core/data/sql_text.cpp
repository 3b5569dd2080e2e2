#include "core/data/sql_text.h"

#include <stdexcept>

namespace vessa::data {

std::string Quoted(std::string_view value) {
  std::string out = "'";
  for (char c : value) {
    out += c;
    if (c == '\'') out += '\'';
  }
  out += '\'';
  return out;
}

std::string QuotedLike(std::string_view value) {
  std::string pattern = "%";
  for (char c : value) {
    if (c == '%' || c == '_' || c == '[') {
      pattern += '[';
      pattern += c;
      pattern += ']';
    } else {
      pattern += c;
    }
  }
  pattern += '%';
  return Quoted(pattern);
}

std::string Inline(std::string_view head, std::string_view value) {
  std::string out(head);
  out += value;
  out += "' ";
  return out;
}

std::string Inline(std::string_view head, std::string_view first, std::string_view middle,
                   std::string_view second) {
  std::string out(head);
  out += first;
  out += middle;
  out += second;
  out += "' ";
  return out;
}

std::string Formatted(std::string_view templ, std::initializer_list<SqlArg> args) {
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < templ.size(); ++i) {
    if (templ[i] != '%' || i + 1 == templ.size()) {
      out += templ[i];
      continue;
    }
    char kind = templ[++i];
    if (kind == '%') {
      out += '%';
      continue;
    }
    if (next == args.end()) throw std::invalid_argument("statement template: too few arguments");
    if (kind == 'd' && std::holds_alternative<std::int64_t>(*next)) {
      out += std::to_string(std::get<std::int64_t>(*next));
    } else if (kind == 's' && std::holds_alternative<std::string_view>(*next)) {
      out += std::get<std::string_view>(*next);
    } else {
      throw std::invalid_argument("statement template: argument does not fit its %d or %s");
    }
    ++next;
  }
  return out;
}

std::string WithDate(std::string_view head, Date date, std::string_view tail) {
  return std::string(head) + FormatDate(date) + std::string(tail);
}

}  // namespace vessa::data
