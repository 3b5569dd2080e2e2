#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Read-only connections to the lookup files, kept for as long as a file is
// unchanged. Every lookup first checks the file's identity (device, inode, size
// and modification time): a removed, unreadable or replaced file is noticed at
// that very lookup, as if the file were opened afresh each time, while an
// unchanged one costs no open and no statement preparation.
namespace vessa::data {

// The engine failed, or the file is missing, unreadable or not a regular file.
class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One result row as the engine delivered it: column names and trimmed texts.
struct RawRows {
  std::shared_ptr<const std::vector<std::string>> columns;
  std::vector<std::vector<std::string>> rows;
};

class ConnectionPool {
 public:
  ConnectionPool();
  ~ConnectionPool();
  ConnectionPool(const ConnectionPool&) = delete;
  ConnectionPool& operator=(const ConnectionPool&) = delete;

  // Runs one SQLite statement on the file at path; the first row only unless
  // all_rows. Throws EngineError.
  RawRows Run(const std::string& path, const std::string& sqlite_sql, bool all_rows);

  // A value derived from the whole file (a map built from one table, say), kept
  // with the file's connection and built again once the file changed. build runs
  // statements through run. Throws EngineError like Run.
  using Runner = std::function<RawRows(const std::string& sqlite_sql)>;
  std::shared_ptr<const void> Derived(const std::string& path, const std::string& name,
                                      const std::function<std::shared_ptr<const void>(Runner)>& build);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Opens the file at path once for one statement and closes it again: the way of a
// query object that belongs to no pool.
RawRows RunOnce(const std::string& path, const std::string& sqlite_sql, bool all_rows);

}  // namespace vessa::data
