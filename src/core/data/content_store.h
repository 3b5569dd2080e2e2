#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ContentStore: the four read-only lookup databases beside the executable and the
// one way every feature queries them.
namespace vessa::data {

enum class DatabaseFile { Dream, MorFile, MorBirth, Tgcode };

// What a lookup does when its file is missing or its statement fails.
enum class FailurePolicy {
  Cancel,  // throw SilentAbort: the command ends without a message
  Ignore,  // no rows: the lookup yields an empty text
  Report,  // throw ReportedError carrying the engine's message
};

// The file name of each database ("Tgcode.dll", ...).
std::string_view FileName(DatabaseFile file);

// One result row; every value is text trimmed of surrounding blanks (NULL reads as "").
class Row {
 public:
  Row(std::shared_ptr<const std::vector<std::string>> columns, std::vector<std::string> values)
      : columns_(std::move(columns)), values_(std::move(values)) {}
  // By position in the SELECT list (0-based); "" past the end.
  const std::string& Text(std::size_t position) const;
  // By column name, ignoring case; "" for an unknown column.
  const std::string& Text(std::string_view name) const;
  bool HasColumn(std::string_view name) const;
  std::size_t Size() const { return values_.size(); }

 private:
  std::shared_ptr<const std::vector<std::string>> columns_;
  std::vector<std::string> values_;
};

class ConnectionPool;
class FailureLog;

// A query object: a connection string and one statement at a time, read-only.
// Bound to a store's pool it reuses the file's connection while the file is
// unchanged; on its own it opens the file afresh for every statement. Either
// way a removed or replaced file is noticed at the next statement.
class Query {
 public:
  Query() = default;
  explicit Query(std::string connection, std::shared_ptr<ConnectionPool> pool = nullptr,
                 std::shared_ptr<FailureLog> failures = nullptr)
      : connection_(std::move(connection)), pool_(std::move(pool)), failures_(std::move(failures)) {}
  void SetConnection(std::string connection) { connection_ = std::move(connection); }
  const std::string& Connection() const { return connection_; }
  bool IsBound() const { return !connection_.empty(); }

  // Runs one Access-dialect statement and returns its first row (all_rows false)
  // or every row. A failure follows the policy; under Ignore it yields no rows.
  std::vector<Row> Open(std::string_view access_sql, FailurePolicy policy,
                        bool all_rows = false) const;
  std::optional<Row> First(std::string_view access_sql, FailurePolicy policy) const;

 private:
  std::string connection_;
  std::shared_ptr<ConnectionPool> pool_;
  std::shared_ptr<FailureLog> failures_;  // told of failures under Ignore
};

class ContentStore {
 public:
  // folder: the executable's folder, where the four files lie.
  explicit ContentStore(std::filesystem::path folder);

  const std::filesystem::path& Folder() const { return folder_; }

  std::string DreamConnection() const;
  std::string MorFileConnection() const;
  std::string MorBirthConnection() const;
  std::string TgcodeConnection() const;
  std::string Connection(DatabaseFile file) const;
  // A query object on the file that shares the store's connections.
  Query QueryOn(DatabaseFile file) const { return Query(Connection(file), pool_, failures_); }

  // The log of what went missing during the current command (lookups that failed
  // under Ignore, rule files that could not be used).
  FailureLog& Failures() const { return *failures_; }

  // The lookup pattern: a query object on the file, one statement, first row.
  std::optional<Row> First(DatabaseFile file, std::string_view access_sql,
                           FailurePolicy policy) const;
  // Every row, in the order the engine delivers them.
  std::vector<Row> All(DatabaseFile file, std::string_view access_sql, FailurePolicy policy) const;
  // The trimmed text of one column of the first row; "" when there is no row.
  std::string Text(DatabaseFile file, std::string_view access_sql, std::size_t position,
                   FailurePolicy policy) const;
  std::string Text(DatabaseFile file, std::string_view access_sql, std::string_view column,
                   FailurePolicy policy) const;

  // The seam through which unscrambling sounds its beep (the GUI beeps, tests count).
  void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }
  void Beep() const {
    if (beep_) beep_();
  }
  const std::function<void()>& BeepFunction() const { return beep_; }

  // A value derived from a whole file by `build` (which runs SQLite statements on
  // it), kept until the file changes: the file is checked at every call. A
  // failure follows the policy; under Ignore the result is null.
  using Runner = std::function<std::vector<Row>(std::string_view access_sql)>;
  template <typename T>
  std::shared_ptr<const T> Derived(DatabaseFile file, const std::string& name, FailurePolicy policy,
                                   const std::function<T(const Runner&)>& build) const {
    return std::static_pointer_cast<const T>(DerivedAny(
        file, name, policy,
        [&build](const Runner& run) -> std::shared_ptr<const void> {
          return std::make_shared<const T>(build(run));
        }));
  }

 private:
  std::shared_ptr<const void> DerivedAny(
      DatabaseFile file, const std::string& name, FailurePolicy policy,
      const std::function<std::shared_ptr<const void>(const Runner&)>& build) const;

  std::filesystem::path folder_;
  std::function<void()> beep_;
  std::shared_ptr<ConnectionPool> pool_;
  std::shared_ptr<FailureLog> failures_;
};

// The file path named by "Data Source=" in a connection string ("" when absent).
std::string DataSourceOf(std::string_view connection);

}  // namespace vessa::data
