#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tab-separated tables as the content sources keep them: a header line of column
// names, one row per line, "\n", "\t" and "\\" escaped inside values. Lines
// starting with "#" before the header are comments (a generated table names its
// generator there).
namespace vessa::tsv {

struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  // Index of a column by name, or -1.
  int Column(std::string_view name) const;
};

// Parses the text of a table. Throws std::runtime_error naming the line of a row
// whose field count differs from the header's.
Table Parse(std::string_view text, std::string_view origin = "table");
Table ReadFile(const std::string& path);

std::string Escape(std::string_view value);
std::string Unescape(std::string_view value);
// One line (with its "\n") of escaped fields joined by tabs.
std::string Line(const std::vector<std::string>& fields);

}  // namespace vessa::tsv
