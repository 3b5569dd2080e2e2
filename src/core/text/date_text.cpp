#include "core/text/date_text.h"

#include <cstdio>

#include "core/text/errors.h"
#include "core/text/text.h"

namespace vessa {

using namespace std::chrono;

std::string FormatDate(Date d) {
  year_month_day ymd{d};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

std::string FormatDateTime(DateTime t) {
  Date d = DateOf(t);
  auto ms = (t - d).count();  // [0, 86'400'000)
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s %02lld:%02lld:%02lld.%03lld", FormatDate(d).c_str(),
                static_cast<long long>(ms / 3600000), static_cast<long long>(ms / 60000 % 60),
                static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
  return buf;
}

std::string FormatDateTimeSeconds(DateTime t) { return FormatDateTime(t).substr(0, 19); }

namespace {

// Reads digits at s[i...]; at least one, at most max_digits.
bool ReadNumber(std::string_view s, std::size_t& i, int max_digits, int& out) {
  std::size_t b = i;
  out = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && static_cast<int>(i - b) < max_digits) {
    out = out * 10 + (s[i] - '0');
    ++i;
  }
  return i > b;
}

bool ReadDate(std::string_view s, std::size_t& i, Date& out) {
  int y = 0, m = 0, d = 0;
  if (!ReadNumber(s, i, 4, y) || i >= s.size() || s[i++] != '-') return false;
  if (!ReadNumber(s, i, 2, m) || i >= s.size() || s[i++] != '-') return false;
  if (!ReadNumber(s, i, 2, d)) return false;
  year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!ymd.ok() || y < 1) return false;
  out = sys_days{ymd};
  return true;
}

}  // namespace

std::optional<Date> TryParseDate(std::string_view text) {
  std::string t = text::Trim(text);
  std::size_t i = 0;
  Date d;
  if (!ReadDate(t, i, d) || i != t.size()) return std::nullopt;
  return d;
}

Date ParseDate(std::string_view text) {
  if (auto d = TryParseDate(text)) return *d;
  throw ConversionError("'" + std::string(text) + "' is not a valid date");
}

std::optional<DateTime> TryParseDateTime(std::string_view text) {
  std::string t = text::Trim(text);
  std::size_t i = 0;
  Date d;
  if (!ReadDate(t, i, d)) return std::nullopt;
  DateTime result = d;
  if (i == t.size()) return result;
  if (t[i] != ' ' && t[i] != 'T') return std::nullopt;
  ++i;
  int h = 0, mi = 0, sec = 0, ms = 0;
  if (!ReadNumber(t, i, 2, h) || i >= t.size() || t[i++] != ':' || !ReadNumber(t, i, 2, mi)) {
    return std::nullopt;
  }
  if (i < t.size() && t[i] == ':') {
    ++i;
    if (!ReadNumber(t, i, 2, sec)) return std::nullopt;
    if (i < t.size() && t[i] == '.') {
      ++i;
      std::size_t b = i;
      if (!ReadNumber(t, i, 3, ms)) return std::nullopt;
      for (std::size_t n = i - b; n < 3; ++n) ms *= 10;
    }
  }
  if (i != t.size() || h > 23 || mi > 59 || sec > 59) return std::nullopt;
  return result + hours{h} + minutes{mi} + seconds{sec} + milliseconds{ms};
}

Date MakeDate(int y, unsigned m, unsigned d) { return sys_days{year{y} / month{m} / day{d}}; }

DateTime MakeDateTime(int y, unsigned m, unsigned d, int h, int mi, int s, int ms) {
  return DateTime{MakeDate(y, m, d)} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
}

}  // namespace vessa
