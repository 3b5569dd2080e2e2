#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What went missing while one command ran: lookups under the "ignore" policy
// whose file or statement failed (the reading went on with empty pieces), and
// rule files that could not be used as they stand. The command still finishes as
// the program always did; the log lets it say that pieces are missing instead of
// reporting success.
namespace vessa::data {

class FailureLog {
 public:
  // A lookup of `table` in the file failed under the ignore policy.
  void LookupFailed(std::string_view fileName, std::string_view sqlite_sql);
  // A finished line about a rule file ("规则文件 shensha/niangan.txt 为空：…").
  void Note(std::string line);

  // One line per damaged lookup file ("数据文件 Tgcode.dll 无法读取：十神、纳音缺失"),
  // then the rule-file lines, each once, in the order first met; clears the log.
  std::vector<std::string> TakeLines();
  void Clear();

 private:
  std::mutex mutex_;
  std::vector<std::string> files_;                      // in the order first met
  std::map<std::string, std::vector<std::string>> pieces_;  // file -> what is missing
  std::vector<std::string> notes_;
};

// What a reader misses when a table cannot be read: "十神" for Shishen, "纳音" for
// jiazi, and so on; the table's own name for a table without a reader's name.
std::string MissingPieceOf(std::string_view table);

}  // namespace vessa::data
