#include "core/data/access_dialect.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/text/date_text.h"
#include "core/text/text.h"

namespace vessa::data {
namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool AllDigits(std::string_view s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Reads a quoted literal starting at sql[i] == '\''; returns its raw text including
// the quotes and moves i past it.
std::string_view ReadLiteral(std::string_view sql, std::size_t& i) {
  std::size_t b = i++;
  while (i < sql.size()) {
    if (sql[i] == '\'') {
      if (i + 1 < sql.size() && sql[i + 1] == '\'') {
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    ++i;
  }
  return sql.substr(b, i - b);
}

// Turns an Access LIKE literal with bracket escapes into a SQLite one. Returns
// true when an ESCAPE clause is needed.
bool ConvertLikeLiteral(std::string_view literal, std::string& out) {
  bool escaped = false;
  std::string body;
  std::string_view inner = literal.substr(1, literal.size() >= 2 ? literal.size() - 2 : 0);
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] == '[' && i + 2 < inner.size() && inner[i + 2] == ']') {
      body += '\\';
      body += inner[i + 1];
      i += 2;
      escaped = true;
    } else if (inner[i] == '\\') {
      body += "\\\\";
    } else {
      body += inner[i];
    }
  }
  if (!escaped) {
    out += literal;
    return false;
  }
  out += '\'';
  out += body;
  out += '\'';
  return true;
}

// "#2020-1-5#" -> "'2020-01-05'"; also the US form "#1/5/2020#".
std::string DateLiteral(std::string_view inner) {
  if (auto d = TryParseDate(inner)) {
    // Appended piece by piece: "'" + std::string trips GCC 12's -Wrestrict at -O3.
    std::string literal = "'";
    literal += FormatDate(*d);
    literal += '\'';
    return literal;
  }
  int m = 0, d = 0, y = 0;
  std::string s(inner);
  if (std::sscanf(s.c_str(), "%d/%d/%d", &m, &d, &y) == 3) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return std::string("'") + buf + "'";
  }
  return "'" + s + "'";
}

}  // namespace

std::string TranslateAccessSql(std::string_view sql) {
  std::string out;
  out.reserve(sql.size() + 16);
  std::string last_word;  // lower case, the last keyword or identifier seen
  std::string limit;
  std::size_t i = 0;
  while (i < sql.size()) {
    char c = sql[i];
    if (c == '\'') {
      std::string_view literal = ReadLiteral(sql, i);
      if (last_word == "like") {
        if (ConvertLikeLiteral(literal, out)) out += " ESCAPE '\\'";
      } else {
        out += literal;
      }
      last_word.clear();
      continue;
    }
    if (c == '#') {
      std::size_t end = sql.find('#', i + 1);
      if (end != std::string_view::npos) {
        out += DateLiteral(sql.substr(i + 1, end - i - 1));
        i = end + 1;
        last_word.clear();
        continue;
      }
    }
    if (IsWordChar(c)) {
      std::size_t b = i;
      while (i < sql.size() && IsWordChar(sql[i])) ++i;
      std::string_view word = sql.substr(b, i - b);
      std::string lower = Lower(word);
      if (lower == "top" && last_word == "select") {
        std::size_t j = i;
        while (j < sql.size() && sql[j] == ' ') ++j;
        std::size_t k = j;
        while (k < sql.size() && std::isdigit(static_cast<unsigned char>(sql[k]))) ++k;
        if (k > j) {
          limit = std::string(sql.substr(j, k - j));
          i = k;
          while (i < sql.size() && sql[i] == ' ') ++i;
          continue;
        }
      }
      std::size_t after = i;
      while (after < sql.size() && sql[after] == ' ') ++after;
      const bool call = after < sql.size() && sql[after] == '(';
      const bool digit_start = std::isdigit(static_cast<unsigned char>(word.front())) != 0;
      if (call && (lower == "left" || lower == "format")) {
        // LEFT is an SQLite keyword and FORMAT an SQLite built-in of another meaning.
        out += lower == "left" ? "ACCESS_LEFT" : "ACCESS_FORMAT";
      } else if ((AllDigits(word) && (last_word == "from" || last_word == "join")) ||
                 (digit_start && !AllDigits(word))) {
        // A table named by a number ("81") or starting with a digit ("64gua").
        out += '"';
        out += word;
        out += '"';
      } else {
        out += word;
      }
      last_word = lower;
      continue;
    }
    out += c;
    ++i;
  }
  if (!limit.empty()) {
    while (!out.empty() && (out.back() == ' ' || out.back() == ';')) out.pop_back();
    out += " LIMIT " + limit;
  }
  return out;
}

namespace {

std::string ColumnText(sqlite3_value* v) {
  const unsigned char* t = sqlite3_value_text(v);
  return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
}

// Access FORMAT for dates: yyyy yy mm m dd d hh h nn n ss s; "mm" right after an
// hour means minutes. Anything else is copied.
std::string FormatAccessDate(DateTime t, std::string_view fmt) {
  Date d = DateOf(t);
  std::chrono::year_month_day ymd{d};
  auto ms = (t - d).count();
  int values_year = static_cast<int>(ymd.year());
  int month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  int day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  int hour = static_cast<int>(ms / 3600000), minute = static_cast<int>(ms / 60000 % 60);
  int second = static_cast<int>(ms / 1000 % 60);
  std::string out;
  bool after_hour = false;
  char buf[16];
  for (std::size_t i = 0; i < fmt.size();) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(fmt[i])));
    std::size_t run = 1;
    while (i + run < fmt.size() && std::tolower(static_cast<unsigned char>(fmt[i + run])) == c)
      ++run;
    auto put = [&](int v, bool pad) {
      std::snprintf(buf, sizeof buf, pad ? "%02d" : "%d", v);
      out += buf;
    };
    switch (c) {
      case 'y':
        if (run >= 4) {
          std::snprintf(buf, sizeof buf, "%04d", values_year);
          out += buf;
        } else {
          put(values_year % 100, true);
        }
        after_hour = false;
        break;
      case 'm':
        put(after_hour ? minute : month, run >= 2);
        after_hour = false;
        break;
      case 'd':
        put(day, run >= 2);
        after_hour = false;
        break;
      case 'h':
        put(hour, run >= 2);
        after_hour = true;
        break;
      case 'n':
        put(minute, run >= 2);
        after_hour = false;
        break;
      case 's':
        put(second, run >= 2);
        after_hour = false;
        break;
      default:
        out.append(fmt.substr(i, run));
        break;
    }
    i += run;
  }
  return out;
}

void FormatFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  std::string value = ColumnText(argv[0]);
  std::string result = value;
  if (auto t = TryParseDateTime(value)) result = FormatAccessDate(*t, ColumnText(argv[1]));
  sqlite3_result_text(ctx, result.c_str(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

void LeftFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  std::string value = ColumnText(argv[0]);
  sqlite3_int64 n = std::max<sqlite3_int64>(0, sqlite3_value_int64(argv[1]));
  std::string_view result = text::Mid(value, 1, static_cast<std::size_t>(n));
  sqlite3_result_text(ctx, result.data(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

}  // namespace

void RegisterAccessFunctions(sqlite3* db) {
  constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_function(db, "ACCESS_FORMAT", 2, flags, nullptr, FormatFunction, nullptr, nullptr);
  sqlite3_create_function(db, "ACCESS_LEFT", 2, flags, nullptr, LeftFunction, nullptr, nullptr);
}

}  // namespace vessa::data
