#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// vessa-cli: every reading of the program, scriptable. Output is UTF-8 lines
// (GBK with --gbk). Exit status: 0 done; 1 an input message; 2 a usage error;
// 3 a reading stopped by a failure; 4 an error the window shows in its error box.
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
};

struct Command {
  std::string_view name;
  std::string_view usage;    // arguments, for --help and usage errors
  std::string_view summary;  // one line for --help
  std::function<int(Context&)> run;
  // More text for "COMMAND --help", after the usage and the summary; may be empty.
  std::function<std::string()> details = {};
};

const std::vector<Command>& Commands();

// Argument helpers; all throw UsageError.
int ParseInt(std::string_view text, std::string_view what, int min, int max);

}  // namespace vessa::cli
