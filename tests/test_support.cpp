#include "test_support.h"

#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vessa::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    path_ = fs::temp_directory_path() / ("vessa-test-" + std::to_string(rd()));
    if (fs::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path BinDir() { return VESSA_BIN_DIR; }
fs::path SourceDir() { return VESSA_SOURCE_DIR; }

void MakeDatabase(const fs::path& file, const std::string& sql) {
  fs::remove(file);
  ExecSql(file, sql);
}

void ExecSql(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK)
    throw std::runtime_error("cannot create " + file.string());
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "?";
    sqlite3_free(error);
    sqlite3_close(db);
    throw std::runtime_error("fixture database: " + message);
  }
  sqlite3_close(db);
}

void CopyBuiltDatabases(const fs::path& folder) {
  for (const char* name : {"dream.dll", "MorFile.dll", "MorBirth.dll", "Tgcode.dll"}) {
    fs::copy_file(BinDir() / name, folder / name, fs::copy_options::overwrite_existing);
  }
}

void CopyInstall(const fs::path& folder, std::string_view omit) {
  fs::create_directories(folder);
  for (std::string_view entry : {"dream.dll", "MorFile.dll", "MorBirth.dll", "Tgcode.dll", "shensha"}) {
    if (entry == omit) continue;
    fs::copy(BinDir() / entry, folder / entry,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
}

int RunCommand(const std::string& command, std::string& out) {
  out.clear();
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  char buf[65536];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace vessa::test
