#include "core/data/connection_pool.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "core/data/access_dialect.h"
#include "core/text/text.h"

namespace vessa::data {
namespace {

// Lookups never write and statements are small: no per-connection lookaside
// buffers, no memory statistics.
void ConfigureEngineOnce() {
  static const bool configured = [] {
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
    return true;
  }();
  (void)configured;
}

// "file:" URI of a path; the file is immutable while it is open (the program
// never writes, and a changed file is reopened), which spares the locking.
std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(c);
      uri += '%';
      uri += kHex[byte >> 4];
      uri += kHex[byte & 0xF];
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

// What tells one file from another, or an edited file from its earlier self.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
  }
};

// The identity of a regular file; a missing file, a folder, a FIFO or a device
// fails here, before the engine could block on it.
FileIdentity IdentityOf(const std::string& path) {
  struct stat st {};
  if (path.empty()) throw EngineError("the query has no connection");
  // The engine's own words, so a message reads alike whichever check failed.
  if (::stat(path.c_str(), &st) != 0) throw EngineError("unable to open database file: " + path);
  if (!S_ISREG(st.st_mode)) {
    throw EngineError("unable to open database file (not a regular file): " + path);
  }
  // A kept connection could still read a file the user may no longer read.
  if (::access(path.c_str(), R_OK) != 0) throw EngineError("unable to open database file: " + path);
  return {st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

class Connection {
 public:
  explicit Connection(const std::string& path) {
    ConfigureEngineOnce();
    const int rc = sqlite3_open_v2(ImmutableUri(path).c_str(), &db_,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI,
                                   nullptr);
    if (rc != SQLITE_OK) {
      std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
      sqlite3_close(db_);
      db_ = nullptr;
      throw EngineError(message + ": " + path);
    }
    RegisterAccessFunctions(db_);
  }
  ~Connection() {
    for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
    sqlite3_close(db_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // A prepared statement for the text, kept for the next lookup of the same text.
  // Lookups that put a key inline make a text per key, so the cache is bounded.
  sqlite3_stmt* Prepare(const std::string& sql) {
    if (auto it = statements_.find(sql); it != statements_.end()) {
      sqlite3_reset(it->second);
      return it->second;
    }
    if (statements_.size() >= kMaxStatements) {
      for (auto& [text, stmt] : statements_) sqlite3_finalize(stmt);
      statements_.clear();
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
      std::string message = sqlite3_errmsg(db_);
      sqlite3_finalize(stmt);
      throw EngineError(message);
    }
    statements_.emplace(sql, stmt);
    return stmt;
  }

  RawRows Run(const std::string& sql, bool all_rows) {
    sqlite3_stmt* stmt = Prepare(sql);
    RawRows result;
    const int n = sqlite3_column_count(stmt);
    auto columns = std::make_shared<std::vector<std::string>>();
    for (int c = 0; c < n; ++c) {
      const char* name = sqlite3_column_name(stmt, c);
      columns->push_back(name ? name : "");
    }
    result.columns = std::move(columns);
    for (;;) {
      const int rc = sqlite3_step(stmt);
      if (rc == SQLITE_DONE) break;
      if (rc != SQLITE_ROW) {
        std::string message = sqlite3_errmsg(db_);
        sqlite3_reset(stmt);
        throw EngineError(message);
      }
      std::vector<std::string> values;
      values.reserve(static_cast<std::size_t>(n));
      for (int c = 0; c < n; ++c) {
        const unsigned char* t = sqlite3_column_text(stmt, c);
        values.push_back(t ? text::Trim(reinterpret_cast<const char*>(t)) : std::string());
      }
      result.rows.push_back(std::move(values));
      if (!all_rows) break;
    }
    sqlite3_reset(stmt);
    return result;
  }

 private:
  static constexpr std::size_t kMaxStatements = 512;
  sqlite3* db_ = nullptr;
  std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
};

}  // namespace

struct ConnectionPool::Impl {
  struct Entry {
    FileIdentity identity;
    std::unique_ptr<Connection> connection;
    std::map<std::string, std::shared_ptr<const void>> derived;
  };
  std::mutex mutex;
  std::map<std::string, Entry> files;

  // The entry of an unchanged file, or a fresh one; a file that is gone drops its
  // entry and fails.
  Entry& Current(const std::string& path) {
    FileIdentity identity;
    try {
      identity = IdentityOf(path);
    } catch (const EngineError&) {
      files.erase(path);
      throw;
    }
    auto it = files.find(path);
    if (it != files.end() && it->second.identity == identity) return it->second;
    if (it != files.end()) files.erase(it);
    Entry entry{identity, std::make_unique<Connection>(path), {}};
    return files.emplace(path, std::move(entry)).first->second;
  }
};

ConnectionPool::ConnectionPool() : impl_(std::make_unique<Impl>()) {}
ConnectionPool::~ConnectionPool() = default;

RawRows ConnectionPool::Run(const std::string& path, const std::string& sql, bool all_rows) {
  std::lock_guard lock(impl_->mutex);
  return impl_->Current(path).connection->Run(sql, all_rows);
}

std::shared_ptr<const void> ConnectionPool::Derived(
    const std::string& path, const std::string& name,
    const std::function<std::shared_ptr<const void>(Runner)>& build) {
  std::lock_guard lock(impl_->mutex);
  Impl::Entry& entry = impl_->Current(path);
  if (auto it = entry.derived.find(name); it != entry.derived.end()) return it->second;
  Connection& connection = *entry.connection;
  auto value = build([&connection](const std::string& sql) { return connection.Run(sql, true); });
  entry.derived.emplace(name, value);
  return value;
}

RawRows RunOnce(const std::string& path, const std::string& sql, bool all_rows) {
  IdentityOf(path);
  Connection connection(path);
  return connection.Run(sql, all_rows);
}

}  // namespace vessa::data
