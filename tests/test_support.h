#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vessa::test {

// A fresh folder under the system temp folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The folder holding the built databases and executables.
std::filesystem::path BinDir();
std::filesystem::path SourceDir();

// Creates a database file from SQL (schema and rows), for small fixtures.
void MakeDatabase(const std::filesystem::path& file, const std::string& sql);

// Runs SQL on an existing database file (to damage a copy of a built one).
void ExecSql(const std::filesystem::path& file, const std::string& sql);

// Copies the built database files into folder (so a test may remove or replace one).
void CopyBuiltDatabases(const std::filesystem::path& folder);

// Copies what the program reads beside itself, the four databases and the rule
// folder "shensha", into folder, leaving out the entry named omit.
void CopyInstall(const std::filesystem::path& folder, std::string_view omit = {});

// Runs a command line, capturing stdout; returns the exit status.
int RunCommand(const std::string& command, std::string& out);

std::string ReadFile(const std::filesystem::path& file);

}  // namespace vessa::test
