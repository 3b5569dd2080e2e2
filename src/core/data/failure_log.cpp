#include "core/data/failure_log.h"

#include <algorithm>
#include <cctype>

namespace vessa::data {
namespace {

// The table a statement reads: the word after "from".
std::string TableOf(std::string_view sql) {
  std::string lower(sql);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::size_t at = lower.find(" from ");
  if (at == std::string::npos) return {};
  at += 6;
  while (at < sql.size() && (sql[at] == ' ' || sql[at] == '"')) ++at;
  std::size_t end = at;
  while (end < sql.size() && sql[end] != ' ' && sql[end] != '"') ++end;
  return std::string(sql.substr(at, end - at));
}

}  // namespace

std::string MissingPieceOf(std::string_view table) {
  static const std::map<std::string, std::string, std::less<>> kPieces = {
      {"Shishen", "十神"},      {"jiazi", "纳音"},       {"hzwh", "五行"},
      {"sjrs", "四季用神"},     {"qtbj", "调候用神"},    {"JQ", "节气"},
      {"huangdao", "黄历"},     {"QQpd", "QQ配对"},      {"shouji", "手机号码解说"},
      {"Noter", "文章"},        {"64gua", "卦辞"}};
  const auto it = kPieces.find(table);
  return it != kPieces.end() ? it->second : "表" + std::string(table);
}

void FailureLog::LookupFailed(std::string_view fileName, std::string_view sqlite_sql) {
  std::lock_guard lock(mutex_);
  const std::string file(fileName);
  if (!pieces_.count(file)) files_.push_back(file);
  auto& pieces = pieces_[file];
  const std::string piece = MissingPieceOf(TableOf(sqlite_sql));
  if (std::find(pieces.begin(), pieces.end(), piece) == pieces.end()) pieces.push_back(piece);
}

void FailureLog::Note(std::string line) {
  std::lock_guard lock(mutex_);
  if (std::find(notes_.begin(), notes_.end(), line) == notes_.end()) notes_.push_back(std::move(line));
}

std::vector<std::string> FailureLog::TakeLines() {
  std::lock_guard lock(mutex_);
  std::vector<std::string> lines;
  for (const std::string& file : files_) {
    std::string line = "数据文件 " + file + " 无法读取：";
    const auto& pieces = pieces_[file];
    for (std::size_t i = 0; i < pieces.size(); ++i) line += (i ? "、" : "") + pieces[i];
    lines.push_back(line + "缺失");
  }
  lines.insert(lines.end(), notes_.begin(), notes_.end());
  files_.clear();
  pieces_.clear();
  notes_.clear();
  return lines;
}

void FailureLog::Clear() {
  std::lock_guard lock(mutex_);
  files_.clear();
  pieces_.clear();
  notes_.clear();
}

}  // namespace vessa::data
