// The Access-dialect adapter on any statement: TranslateAccessSql, then the
// translation run against the tables of the four lookup files (a few rows in
// them) with the registered Access functions, read-only as the program opens
// its files. Beyond not crashing: a statement with nothing Access-only in it
// comes through unchanged; ACCESS_LEFT gives a prefix of its text of at most n
// characters; ACCESS_FORMAT leaves a text that is no date as it is and writes a
// date-time as the program's own formatter does.
//
// Input lines: the statement, a value, the count for LEFT, a FORMAT pattern.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "core/data/access_dialect.h"
#include "core/text/date_text.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

// A few rows, so that conditions and the registered functions meet values.
constexpr const char* kRows = R"sql(
INSERT INTO huangdao (gn, nn, yi, ji) VALUES ('2021-02-03', '辛丑', '祭祀 祈福', '动土');
INSERT INTO JQ VALUES (2021, '立春', '2021-02-03 22:58:39');
INSERT INTO sancai VALUES ('木火土', 1, '5A3C');
INSERT INTO "81" (num, jx) VALUES (5, '吉');
INSERT INTO QQpd VALUES (',12,13,', '彼此性情相投');
INSERT INTO bihua VALUES ('5', '白'), ('12', '惠');
INSERT INTO hzwh VALUES ('甲', '木');
INSERT INTO chenggu1 VALUES ('1984', 1.2);
)sql";

int budget = 0;  // progress calls left for the statement being run

// The program's files are opened read-only; a fuzzed statement may only read.
int ReadOnly(void*, int action, const char*, const char*, const char*, const char*) {
  switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
      return SQLITE_OK;
    default:
      return SQLITE_DENY;
  }
}

// Stops a statement that runs long (an endless recursive query).
int OutOfBudget(void*) { return --budget < 0; }

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "fixture: %s\n", error ? error : "?");
    std::abort();
  }
}

sqlite3* Fixture() {
  static sqlite3* const db = [] {
    sqlite3* d = nullptr;
    if (sqlite3_open(":memory:", &d) != SQLITE_OK) std::abort();
    for (const char* file : {"MorBirth", "MorFile", "Tgcode", "dream"}) {
      std::ifstream in(std::string(VESSA_SOURCE_DIR) + "/db/" + file + "/schema.sql");
      std::stringstream schema;
      schema << in.rdbuf();
      Exec(d, schema.str());
    }
    Exec(d, kRows);
    data::RegisterAccessFunctions(d);
    sqlite3_limit(d, SQLITE_LIMIT_LENGTH, 1 << 20);
    sqlite3_set_authorizer(d, ReadOnly, nullptr);
    sqlite3_progress_handler(d, 1000, OutOfBudget, nullptr);
    return d;
  }();
  return db;
}

std::string Column(sqlite3_stmt* stmt, int column) {
  const auto* text = sqlite3_column_text(stmt, column);
  return text ? std::string(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
              : std::string();
}

bool HasNothingAccessOnly(std::string_view sql) {
  if (sql.find_first_of("#'0123456789") != std::string_view::npos) return false;
  std::string lower(sql);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find("top") == std::string::npos && lower.find("left") == std::string::npos &&
         lower.find("format") == std::string::npos;
}

void RunTranslation(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) ==
          SQLITE_OK &&
      stmt) {
    budget = 100;
    for (int rows = 0; rows < 100 && sqlite3_step(stmt) == SQLITE_ROW; ++rows) {
      for (int c = 0; c < sqlite3_column_count(stmt); ++c) Column(stmt, c);
    }
  }
  sqlite3_finalize(stmt);
}

void CheckFunctions(sqlite3* db, std::string_view value, std::int64_t count,
                    std::string_view pattern) {
  static sqlite3_stmt* const stmt = [db] {
    sqlite3_stmt* s = nullptr;
    const char* sql =
        "SELECT ACCESS_LEFT(?1, ?2), ACCESS_FORMAT(?1, ?3), "
        "ACCESS_FORMAT(?1, 'yyyy-mm-dd hh:nn:ss')";
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) std::abort();
    return s;
  }();
  sqlite3_reset(stmt);
  sqlite3_bind_text(stmt, 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(stmt, 2, count);
  sqlite3_bind_text(stmt, 3, pattern.data(), static_cast<int>(pattern.size()), SQLITE_TRANSIENT);
  budget = 100;
  FUZZ_CHECK(sqlite3_step(stmt) == SQLITE_ROW);
  // The functions read their text as a C string: it ends at a zero byte.
  const std::string_view text = value.substr(0, value.find('\0'));

  const std::string left = Column(stmt, 0);
  const std::size_t wanted = count < 0 ? 0 : static_cast<std::size_t>(count);
  FUZZ_CHECK(text.substr(0, left.size()) == left);
  FUZZ_CHECK(text::CharCount(left) <= wanted);
  if (text::CharCount(text) <= wanted) FUZZ_CHECK(left == text);

  if (const auto moment = TryParseDateTime(text)) {
    FUZZ_CHECK(Column(stmt, 2) == FormatDateTimeSeconds(*moment));
  } else {
    FUZZ_CHECK(Column(stmt, 1) == text && Column(stmt, 2) == text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = fuzz::Fields(std::string_view(reinterpret_cast<const char*>(data), size), 4);
  const std::string_view statement = fields[0];
  const std::string translated = data::TranslateAccessSql(statement);
  if (HasNothingAccessOnly(statement)) FUZZ_CHECK(translated == statement);

  sqlite3* db = Fixture();
  RunTranslation(db, translated);
  if (fields.size() == 4) {
    std::int64_t count = 0;
    text::TryToInt(fields[2], count);
    CheckFunctions(db, fields[1], count, fields[3]);
  }
  return 0;
}
