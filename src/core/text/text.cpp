#include "core/text/text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/text/errors.h"

namespace vessa::text {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::size_t CharLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Length of the well-formed character at s[i], or 1 for a stray byte.
std::size_t NextChar(std::string_view s, std::size_t i) {
  std::size_t n = CharLength(static_cast<unsigned char>(s[i]));
  if (i + n > s.size()) return 1;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

}  // namespace

std::string Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

std::string TrimLeft(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && IsBlank(s[b])) ++b;
  return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
  std::size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(0, e));
}

std::vector<std::string_view> Chars(std::string_view s) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = NextChar(s, i);
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

std::size_t CharCount(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); i += NextChar(s, i)) ++count;
  return count;
}

std::string_view CharAt(std::string_view s, std::size_t pos) { return Mid(s, pos, 1); }

std::string_view Mid(std::string_view s, std::size_t start, std::size_t count) {
  if (start < 1) start = 1;
  std::size_t i = 0, index = 1;
  while (i < s.size() && index < start) {
    i += NextChar(s, i);
    ++index;
  }
  std::size_t b = i;
  for (std::size_t taken = 0; i < s.size() && taken < count; ++taken) i += NextChar(s, i);
  return s.substr(b, i - b);
}

bool Contains(std::string_view haystack, std::string_view needle) {
  return haystack.find(needle) != std::string_view::npos;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  std::string out;
  std::size_t i = 0;
  for (std::size_t hit; (hit = s.find(from, i)) != std::string_view::npos; i = hit + from.size()) {
    out.append(s.substr(i, hit - i));
    out.append(to);
  }
  out.append(s.substr(i));
  return out;
}

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

bool TryToInt(std::string_view s, std::int64_t& out) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  if (i == s.size()) return false;
  std::uint64_t value = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    std::uint64_t digit = static_cast<std::uint64_t>(s[i] - '0');
    if (value > (static_cast<std::uint64_t>(INT64_MAX) + (negative ? 1 : 0) - digit) / 10)
      return false;
    value = value * 10 + digit;
  }
  out = negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
  return true;
}

std::int64_t ToInt(std::string_view s) {
  std::int64_t v = 0;
  if (!TryToInt(s, v))
    throw ConversionError("'" + std::string(s) + "' is not a valid integer value");
  return v;
}

double ToFloat(std::string_view s) {
  std::string t = Trim(s);
  if (!t.empty()) {
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() + t.size() && std::isfinite(v)) return v;
  }
  throw ConversionError("'" + std::string(s) + "' is not a valid floating point value");
}

std::string FloatToText(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  std::string s = buf;
  if (s == "-0") s = "0";
  return s;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = CharLength(lead);
    if (lead >= 0x80 && n == 1) return false;
    if (NextChar(s, i) != n) return false;
    // Reject overlong forms and surrogates.
    if (n == 2 && lead < 0xC2) return false;
    if (n == 3) {
      auto b1 = static_cast<unsigned char>(s[i + 1]);
      if (lead == 0xE0 && b1 < 0xA0) return false;
      if (lead == 0xED && b1 >= 0xA0) return false;
    }
    if (n == 4) {
      auto b1 = static_cast<unsigned char>(s[i + 1]);
      if (lead == 0xF0 && b1 < 0x90) return false;
      if (lead > 0xF4 || (lead == 0xF4 && b1 >= 0x90)) return false;
    }
    i += n;
  }
  return true;
}

std::string BackslashEscape(std::string_view s, EscapeStyle style) {
  const bool json = style == EscapeStyle::Json;
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '"':
        out += json ? "\\\"" : "\"";
        break;
      default:
        if (json && static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[static_cast<unsigned char>(c) >> 4];
          out += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out;
}

}  // namespace vessa::text
