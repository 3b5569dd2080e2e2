#pragma once

#include <filesystem>
#include <string>

#include "test_support.h"

namespace vessa::test {

// One run of vessa-cli: its exit status, what it printed and what it said on stderr.
struct CliRun {
  int status;
  std::string out, err;
};

// Runs vessa-cli of the folder with the arguments (as a shell line).
inline CliRun Cli(const std::filesystem::path& folder, const std::string& args) {
  TempDir tmp;
  CliRun r;
  r.status =
      RunCommand((folder / "vessa-cli").string() + " " + args + " 2>" + (tmp.path() / "err").string(),
                 r.out);
  r.err = ReadFile(tmp.path() / "err");
  return r;
}
inline CliRun Cli(const std::string& args) { return Cli(BinDir(), args); }

}  // namespace vessa::test
