#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "test_support.h"

namespace vessa::test {

// One run of vessa-cli: its exit status, what it printed and what it said on stderr.
struct CliRun {
  int status;
  std::string out, err;
};

// A word for the shell, whatever it holds.
inline std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs vessa-cli of the folder with the arguments (as a shell line), after the
// prefix (such as "timeout 60").
inline CliRun Cli(const std::filesystem::path& folder, const std::string& args,
                  const std::string& prefix = "") {
  TempDir tmp;
  CliRun r;
  r.status = RunCommand(prefix + " " + ShellQuoted((folder / "vessa-cli").string()) + " " + args +
                            " 2>" + ShellQuoted((tmp.path() / "err").string()),
                        r.out);
  r.err = ReadFile(tmp.path() / "err");
  return r;
}
inline CliRun Cli(const std::string& args) { return Cli(BinDir(), args); }

// What vessa-cli printed on stdout (stderr too with withStderr); status gets the
// exit status.
inline std::string Cli(const std::string& args, int& status, bool withStderr = false) {
  std::string out;
  status = RunCommand((BinDir() / "vessa-cli").string() + " " + args +
                          (withStderr ? " 2>&1" : " 2>/dev/null"),
                      out);
  return out;
}

// The year of the system clock, as the readings take it for ages.
inline int ThisYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// A copy of the installed program in folder: vessa-cli, the four databases and
// the rule files (all but omit), so that a test may damage any of them.
inline void CopyProgram(const std::filesystem::path& folder, std::string_view omit = {}) {
  namespace fs = std::filesystem;
  CopyInstall(folder, omit);
  fs::copy_file(BinDir() / "vessa-cli", folder / "vessa-cli", fs::copy_options::overwrite_existing);
}

}  // namespace vessa::test
