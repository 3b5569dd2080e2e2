#include "core/data/content_store.h"

#include <strings.h>

#include "core/text/errors.h"
#include "core/text/text.h"
#include "core/data/access_dialect.h"
#include "core/data/connection_pool.h"
#include "core/data/failure_log.h"

namespace vessa::data {
namespace {

const std::string kEmpty;

std::vector<Row> RowsOf(RawRows raw) {
  std::vector<Row> rows;
  rows.reserve(raw.rows.size());
  for (auto& values : raw.rows) rows.emplace_back(raw.columns, std::move(values));
  return rows;
}

// A failure under its policy: thrown as the policy says, or no rows.
[[noreturn]] void Raise(const EngineError& e, FailurePolicy policy) {
  if (policy == FailurePolicy::Cancel) throw SilentAbort(e.what());
  throw ReportedError(e.what());
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
  // A quoted value runs to its closing quote, a doubled quote standing for one:
  // a folder may hold ";" or quotes.
  if (b < connection.size() && connection[b] == '"') {
    std::string value;
    for (std::size_t i = b + 1; i < connection.size(); ++i) {
      if (connection[i] != '"') {
        value += connection[i];
      } else if (i + 1 < connection.size() && connection[i + 1] == '"') {
        value += '"';
        ++i;
      } else {
        break;
      }
    }
    return value;
  }
  std::size_t e = connection.find(';', b);
  return std::string(
      connection.substr(b, e == std::string_view::npos ? std::string_view::npos : e - b));
}

std::vector<Row> Query::Open(std::string_view access_sql, FailurePolicy policy,
                             bool all_rows) const {
  try {
    const std::string path = DataSourceOf(connection_);
    const std::string sql = TranslateAccessSql(access_sql);
    return RowsOf(pool_ ? pool_->Run(path, sql, all_rows) : RunOnce(path, sql, all_rows));
  } catch (const EngineError& e) {
    if (policy != FailurePolicy::Ignore) Raise(e, policy);
    if (failures_) {
      const std::string path = DataSourceOf(connection_);
      failures_->LookupFailed(path.substr(path.find_last_of('/') + 1), TranslateAccessSql(access_sql));
    }
    return {};
  }
}

std::optional<Row> Query::First(std::string_view access_sql, FailurePolicy policy) const {
  std::vector<Row> rows = Open(access_sql, policy, false);
  if (rows.empty()) return std::nullopt;
  return std::move(rows.front());
}

ContentStore::ContentStore(std::filesystem::path folder)
    : folder_(std::move(folder)),
      pool_(std::make_shared<ConnectionPool>()),
      failures_(std::make_shared<FailureLog>()) {}

std::string ContentStore::Connection(DatabaseFile file) const {
  // The folder as the platform reports it, with its trailing separator, then the
  // file's own tail, which starts with a separator again: the doubled separator
  // is harmless.
  std::string folder = folder_.string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  std::string source = folder + "/" + std::string(FileName(file));
  // A path holding ";" or a quote would cut the string: then it is quoted, as
  // connection strings quote a value.
  if (source.find_first_of(";\"") != std::string::npos) {
    std::string quoted = "\"";
    for (char c : source) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    source = quoted + "\"";
  }
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + source + ";Persist Security Info=True";
}

std::string ContentStore::DreamConnection() const { return Connection(DatabaseFile::Dream); }
std::string ContentStore::MorFileConnection() const { return Connection(DatabaseFile::MorFile); }
std::string ContentStore::MorBirthConnection() const { return Connection(DatabaseFile::MorBirth); }
std::string ContentStore::TgcodeConnection() const { return Connection(DatabaseFile::Tgcode); }

std::optional<Row> ContentStore::First(DatabaseFile file, std::string_view access_sql,
                                       FailurePolicy policy) const {
  return QueryOn(file).First(access_sql, policy);
}

std::vector<Row> ContentStore::All(DatabaseFile file, std::string_view access_sql,
                                   FailurePolicy policy) const {
  return QueryOn(file).Open(access_sql, policy, true);
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

std::shared_ptr<const void> ContentStore::DerivedAny(
    DatabaseFile file, const std::string& name, FailurePolicy policy,
    const std::function<std::shared_ptr<const void>(const Runner&)>& build) const {
  try {
    return pool_->Derived(DataSourceOf(Connection(file)), name,
                          [&build](const ConnectionPool::Runner& run) {
                            return build([&run](std::string_view access_sql) {
                              return RowsOf(run(TranslateAccessSql(access_sql)));
                            });
                          });
  } catch (const EngineError& e) {
    if (policy != FailurePolicy::Ignore) Raise(e, policy);
    failures_->LookupFailed(FileName(file), name);
    return nullptr;
  }
}

}  // namespace vessa::data
