#include "core/text/tsv.h"

#include "core/text/text.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vessa::tsv {
namespace {

std::vector<std::string> SplitLine(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t b = 0;
  for (;;) {
    std::size_t tab = line.find('\t', b);
    fields.push_back(
        Unescape(line.substr(b, tab == std::string_view::npos ? std::string_view::npos : tab - b)));
    if (tab == std::string_view::npos) break;
    b = tab + 1;
  }
  return fields;
}

}  // namespace

int Table::Column(std::string_view name) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i] == name) return static_cast<int>(i);
  }
  return -1;
}

Table Parse(std::string_view text, std::string_view origin) {
  Table table;
  std::size_t b = 0;
  int line_no = 0;
  bool header = true;
  while (b < text.size()) {
    std::size_t e = text.find('\n', b);
    std::string_view line =
        text.substr(b, e == std::string_view::npos ? std::string_view::npos : e - b);
    b = e == std::string_view::npos ? text.size() : e + 1;
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (header && line.front() == '#') continue;  // comments may only precede the header
    if (header) {
      table.columns = SplitLine(line);
      header = false;
      continue;
    }
    auto fields = SplitLine(line);
    if (fields.size() != table.columns.size()) {
      throw std::runtime_error(std::string(origin) + ":" + std::to_string(line_no) + ": " +
                               std::to_string(fields.size()) + " fields, the header has " +
                               std::to_string(table.columns.size()));
    }
    table.rows.push_back(std::move(fields));
  }
  return table;
}

Table ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream ss;
  ss << in.rdbuf();
  return Parse(ss.str(), path);
}

std::string Escape(std::string_view value) {
  return text::BackslashEscape(value, text::EscapeStyle::Tsv);
}

std::string Unescape(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    char c = value[++i];
    switch (c) {
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        out += '\\';
        out += c;
    }
  }
  return out;
}

std::string Line(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) out += '\t';
    out += Escape(fields[i]);
  }
  out += '\n';
  return out;
}

}  // namespace vessa::tsv
