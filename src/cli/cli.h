#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/content_store.h"

// vessa-cli: every reading of the program, scriptable. Output is UTF-8 lines
// (GBK with --gbk). Exit status: 0 done; 1 an input message; 2 a usage error;
// 3 a reading stopped by a failure; 4 an error the window shows in its error box,
// or output that could not be written; 5 done with pieces missing; 141 the
// reader of the output went away.
namespace vessa::cli {

enum ExitCode : int {
  kDone = 0,
  kInputMessage = 1,
  kUsage = 2,
  kStopped = 3,
  kErrorBox = 4,
  kMissingPieces = 5,
};

// A malformed command line; the message is printed with the command's usage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Collects the lines a command prints; written once at the end.
class Output {
 public:
  void Line(std::string_view text) {
    buffer_.append(text);
    buffer_.push_back('\n');
  }
  std::string& Buffer() { return buffer_; }

 private:
  std::string buffer_;
};

struct Context {
  std::vector<std::string> args;     // the command's own arguments
  std::filesystem::path exe_folder;  // where the databases lie
  Output out;
  std::string error;  // the reason line of exit 1, 3 or 4
  // The databases of the install, opened on first use (Store); what failed in them
  // under the ignore policy turns a finished command into exit 5.
  std::optional<data::ContentStore> store;
};

// The install's databases, opened once per command.
inline data::ContentStore& Store(Context& ctx) {
  if (!ctx.store) ctx.store.emplace(ctx.exe_folder);
  return *ctx.store;
}

struct Command {
  std::string_view name;
  std::string_view usage;    // arguments, for --help and usage errors
  std::string_view summary;  // one line for --help
  std::function<int(Context&)> run;
  // More text for "COMMAND --help", after the usage and the summary; may be empty.
  std::function<std::string()> details = {};
  // Whether arguments that are not UTF-8 reach the command (which then reads
  // them as GBK); every other command refuses them.
  bool takesAnyBytes = false;
};

const std::vector<Command>& Commands();

// Argument helpers; all throw UsageError.
int ParseInt(std::string_view text, std::string_view what, int min, int max);

}  // namespace vessa::cli
