#include "core/data/content_store.h"

#include <sqlite3.h>

#include <strings.h>

#include "core/text/errors.h"
#include "core/text/text.h"
#include "core/data/access_dialect.h"

namespace vessa::data {
namespace {

const std::string kEmpty;

class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every lookup opens its file afresh, so the cost of opening is what a lookup
// costs: no per-connection lookaside buffers, no memory statistics.
void ConfigureEngineOnce() {
  static const bool configured = [] {
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
    return true;
  }();
  (void)configured;
}

// "file:" URI of a path; the file is immutable while the statement runs (the
// program never writes), which spares the locking.
std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[static_cast<unsigned char>(c) >> 4];
      uri += kHex[static_cast<unsigned char>(c) & 0xF];
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

// Owns one read-only connection for the duration of one statement.
class Connection {
 public:
  Connection(const std::string& path, bool needs_access_functions) {
    ConfigureEngineOnce();
    int rc = sqlite3_open_v2(ImmutableUri(path).c_str(), &db_,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
      std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
      sqlite3_close(db_);
      db_ = nullptr;
      throw EngineError(message + ": " + path);
    }
    if (needs_access_functions) RegisterAccessFunctions(db_);
  }
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  sqlite3* get() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) {
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
      std::string message = sqlite3_errmsg(db);
      sqlite3_finalize(stmt_);
      stmt_ = nullptr;
      throw EngineError(message);
    }
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return stmt_; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

std::vector<Row> Run(const std::string& path, std::string_view access_sql, bool all_rows) {
  if (path.empty()) throw EngineError("the query has no connection");
  const std::string sql = TranslateAccessSql(access_sql);
  Connection db(path, sql.find("ACCESS_") != std::string::npos);
  Statement stmt(db.get(), sql);
  int n = sqlite3_column_count(stmt.get());
  auto columns = std::make_shared<std::vector<std::string>>();
  for (int c = 0; c < n; ++c) {
    const char* name = sqlite3_column_name(stmt.get(), c);
    columns->push_back(name ? name : "");
  }
  std::vector<Row> rows;
  for (;;) {
    int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) throw EngineError(sqlite3_errmsg(db.get()));
    std::vector<std::string> values;
    values.reserve(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c) {
      const unsigned char* t = sqlite3_column_text(stmt.get(), c);
      values.push_back(t ? text::Trim(reinterpret_cast<const char*>(t)) : std::string());
    }
    rows.emplace_back(columns, std::move(values));
    if (!all_rows) break;
  }
  return rows;
}

}  // namespace

std::string_view FileName(DatabaseFile file) {
  switch (file) {
    case DatabaseFile::Dream:
      return "dream.dll";
    case DatabaseFile::MorFile:
      return "MorFile.dll";
    case DatabaseFile::MorBirth:
      return "MorBirth.dll";
    case DatabaseFile::Tgcode:
      return "Tgcode.dll";
  }
  return {};
}

const std::string& Row::Text(std::size_t position) const {
  return position < values_.size() ? values_[position] : kEmpty;
}

const std::string& Row::Text(std::string_view name) const {
  for (std::size_t c = 0; c < columns_->size(); ++c) {
    const std::string& col = (*columns_)[c];
    if (col.size() == name.size() && strncasecmp(col.c_str(), name.data(), name.size()) == 0) {
      return values_[c];
    }
  }
  return kEmpty;
}

bool Row::HasColumn(std::string_view name) const {
  for (const std::string& col : *columns_) {
    if (col.size() == name.size() && strncasecmp(col.c_str(), name.data(), name.size()) == 0)
      return true;
  }
  return false;
}

std::string DataSourceOf(std::string_view connection) {
  constexpr std::string_view key = "Data Source=";
  std::size_t b = connection.find(key);
  if (b == std::string_view::npos) return {};
  b += key.size();
  std::size_t e = connection.find(';', b);
  return std::string(
      connection.substr(b, e == std::string_view::npos ? std::string_view::npos : e - b));
}

std::vector<Row> Query::Open(std::string_view access_sql, FailurePolicy policy,
                             bool all_rows) const {
  try {
    return Run(DataSourceOf(connection_), access_sql, all_rows);
  } catch (const EngineError& e) {
    switch (policy) {
      case FailurePolicy::Cancel:
        throw SilentAbort(e.what());
      case FailurePolicy::Report:
        throw ReportedError(e.what());
      case FailurePolicy::Ignore:
        return {};
    }
    throw;
  }
}

std::optional<Row> Query::First(std::string_view access_sql, FailurePolicy policy) const {
  std::vector<Row> rows = Open(access_sql, policy, false);
  if (rows.empty()) return std::nullopt;
  return std::move(rows.front());
}

ContentStore::ContentStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::string ContentStore::Connection(DatabaseFile file) const {
  // The folder as the platform reports it, with its trailing separator, then the
  // file's own tail, which starts with a separator again: the doubled separator
  // is harmless.
  std::string folder = folder_.string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder + "/" +
         std::string(FileName(file)) + ";Persist Security Info=True";
}

std::string ContentStore::DreamConnection() const { return Connection(DatabaseFile::Dream); }
std::string ContentStore::MorFileConnection() const { return Connection(DatabaseFile::MorFile); }
std::string ContentStore::MorBirthConnection() const { return Connection(DatabaseFile::MorBirth); }
std::string ContentStore::TgcodeConnection() const { return Connection(DatabaseFile::Tgcode); }

std::optional<Row> ContentStore::First(DatabaseFile file, std::string_view access_sql,
                                       FailurePolicy policy) const {
  return Query(Connection(file)).First(access_sql, policy);
}

std::vector<Row> ContentStore::All(DatabaseFile file, std::string_view access_sql,
                                   FailurePolicy policy) const {
  return Query(Connection(file)).Open(access_sql, policy, true);
}

std::string ContentStore::Text(DatabaseFile file, std::string_view access_sql, std::size_t position,
                               FailurePolicy policy) const {
  auto row = First(file, access_sql, policy);
  return row ? row->Text(position) : std::string();
}

std::string ContentStore::Text(DatabaseFile file, std::string_view access_sql,
                               std::string_view column, FailurePolicy policy) const {
  auto row = First(file, access_sql, policy);
  return row ? row->Text(column) : std::string();
}

}  // namespace vessa::data
