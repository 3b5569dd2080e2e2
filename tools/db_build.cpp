// Builds one lookup database from its schema and the TSV sources of its tables.
//
//   vessa-dbbuild OUT SCHEMA.sql TABLE.tsv...
//
// Each TSV file fills the table named by its file stem; its header names the
// columns. The four scrambled content columns are stored the way the program
// reads them (hexadecimal pairs of scrambled GBK bytes). The file is written
// under a temporary name and renamed, so a failed build never leaves half a file.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/text/gbk.h"
#include "core/text/tsv.h"
#include "core/data/scramble.h"

namespace fs = std::filesystem;
using vessa::data::kScrambleKey;
using vessa::data::kScramblePasses;

namespace {

bool IsScrambled(const std::string& table, const std::string& column) {
  static const std::set<std::pair<std::string, std::string>> kScrambled = {
      {"zhiwen", "content"}, {"zhuge", "content"}, {"sancai", "content"}, {"namefx", "content"}};
  return kScrambled.count({table, column}) > 0;
}

void Check(int rc, sqlite3* db, const std::string& what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
  }
}

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string QuoteIdent(const std::string& name) { return "\"" + name + "\""; }

void LoadTable(sqlite3* db, const fs::path& source) {
  const std::string table = source.stem().string();
  vessa::tsv::Table t = vessa::tsv::ReadFile(source.string());
  std::string sql = "INSERT INTO " + QuoteIdent(table) + " (";
  for (std::size_t c = 0; c < t.columns.size(); ++c)
    sql += (c ? ", " : "") + QuoteIdent(t.columns[c]);
  sql += ") VALUES (";
  for (std::size_t c = 0; c < t.columns.size(); ++c) sql += c ? ", ?" : "?";
  sql += ")";
  sqlite3_stmt* stmt = nullptr;
  Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), db, source.string());
  std::size_t line = 1;
  for (const auto& row : t.rows) {
    ++line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      std::string value = row[c];
      if (!vessa::gbk::IsEncodable(value)) {
        sqlite3_finalize(stmt);
        throw std::runtime_error(source.string() + ": row " + std::to_string(line) + ", column " +
                                 t.columns[c] + ": text outside GBK");
      }
      if (IsScrambled(table, t.columns[c]))
        value = vessa::data::ScrambleText(value, kScrambleKey, kScramblePasses);
      sqlite3_bind_text(stmt, static_cast<int>(c + 1), value.c_str(),
                        static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) {
      std::string message = sqlite3_errmsg(db);
      sqlite3_finalize(stmt);
      throw std::runtime_error(source.string() + ": row " + std::to_string(line) + ": " + message);
    }
    sqlite3_reset(stmt);
  }
  sqlite3_finalize(stmt);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: vessa-dbbuild OUT SCHEMA.sql [TABLE.tsv...]\n");
    return 2;
  }
  fs::path out = argv[1];
  fs::path temp = out;
  temp += ".tmp";
  sqlite3* db = nullptr;
  try {
    fs::remove(temp);
    if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK)
      throw std::runtime_error("cannot create " + temp.string());
    Check(sqlite3_exec(db, ReadAll(argv[2]).c_str(), nullptr, nullptr, nullptr), db, argv[2]);
    Check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "begin");
    std::set<std::string> loaded;
    for (int i = 3; i < argc; ++i) {
      fs::path source = argv[i];
      if (!loaded.insert(source.stem().string()).second) {
        throw std::runtime_error("table " + source.stem().string() + " has two sources");
      }
      LoadTable(db, source);
    }
    Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
    db = nullptr;
    fs::rename(temp, out);
  } catch (const std::exception& e) {
    if (db) sqlite3_close(db);
    fs::remove(temp);
    std::fprintf(stderr, "vessa-dbbuild: %s\n", e.what());
    return 1;
  }
  return 0;
}
