#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "core/data/failure_log.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace {

std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

// The shell's status for a program that wrote into a closed pipe (128 + SIGPIPE).
constexpr int kClosedPipe = 141;

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

std::string HelpText() {
  std::string text = Printf(
               "usage: vessa-cli [--gbk] COMMAND [ARGS...]\n"
               "       vessa-cli --help\n"
               "       vessa-cli COMMAND --help\n\n"
               "Prints the program's readings as UTF-8 lines (GBK bytes with --gbk).\n"
               "Exit status: 0 done, 1 input message, 2 usage error, 3 reading stopped by a\n"
               "failure, 4 error shown by the window's error box or output that could not be\n"
               "written, 5 done with pieces missing because a lookup or rule file is damaged,\n"
               "141 the reader of the output went away (a closed pipe).\n\n"
               "PANEL, the input panel of the main window (defaults as the window has them):\n"
               "  --surname TEXT --given TEXT --sex 男|女 --blood A型|B型|O型|AB型\n"
               "  --date Y-M-D [--lunar] --hour 0..23 --minute 0..59\n\nCommands:\n");
  for (const auto& c : vessa::cli::Commands()) {
    text += Printf("  %-10.*s %.*s\n      %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                   static_cast<int>(c.usage.size()), c.usage.data(),
                   static_cast<int>(c.summary.size()), c.summary.data());
  }
  return text;
}

std::string CommandHelpText(const vessa::cli::Command& c) {
  std::string text = Printf("usage: vessa-cli %.*s %.*s\n\n%.*s\n", static_cast<int>(c.name.size()),
                            c.name.data(), static_cast<int>(c.usage.size()), c.usage.data(),
                            static_cast<int>(c.summary.size()), c.summary.data());
  if (c.details) text += "\n" + c.details();
  return text;
}

// Writes all of text to the descriptor; false with errno set when it could not.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes the output; a failure is never a quiet success. A reader that went
// away ends the program as the shell's own tools end, with 141 and no word; any
// other failure (a full disk) is said on stderr, with status 4.
int Emit(int fd, const std::string& text, bool gbk, int code) {
  if (WriteAll(fd, gbk ? vessa::gbk::FromUtf8(text) : text)) return code;
  if (errno == EPIPE) return kClosedPipe;
  const std::string message =
      std::string("vessa-cli: the output could not be written: ") + std::strerror(errno) + "\n";
  WriteAll(STDERR_FILENO, message);
  return vessa::cli::kErrorBox;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vessa::cli;
  // A closed pipe is an error of write(), EPIPE, not a signal that kills us
  // half-way: the program decides what it means.
  std::signal(SIGPIPE, SIG_IGN);
  bool gbk = false;
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    if (std::strcmp(argv[i], "--gbk") == 0) {
      gbk = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      return Emit(STDOUT_FILENO, HelpText(), false, kDone);
    } else {
      std::fprintf(stderr, "vessa-cli: unknown option %s\n\n", argv[i]);
      return Emit(STDERR_FILENO, HelpText(), false, kUsage);
    }
  }
  if (i == argc) return Emit(STDERR_FILENO, HelpText(), false, kUsage);
  const Command* command = nullptr;
  for (const auto& c : Commands()) {
    if (c.name == argv[i]) command = &c;
  }
  if (!command) {
    std::fprintf(stderr, "vessa-cli: unknown command %s\n\n", argv[i]);
    return Emit(STDERR_FILENO, HelpText(), false, kUsage);
  }
  for (int j = i + 1; j < argc; ++j) {
    if (std::strcmp(argv[j], "--help") == 0 || std::strcmp(argv[j], "-h") == 0) {
      return Emit(STDOUT_FILENO, CommandHelpText(*command), false, kDone);
    }
  }
  // Names and texts go into the readings and their JSON: bytes that are not
  // UTF-8 are refused before anything is looked up or written.
  for (int j = i + 1; j < argc && !command->takesAnyBytes; ++j) {
    if (!vessa::text::IsValidUtf8(argv[j])) {
      std::fprintf(stderr, "vessa-cli %s: argument %d is not valid UTF-8 text\n", argv[i], j - i);
      return kInputMessage;
    }
  }
  Context ctx;
  ctx.exe_folder = ExecutableFolder(argv[0]);
  for (++i; i < argc; ++i) {
    if (std::strcmp(argv[i], "--gbk") == 0) {
      gbk = true;
    } else {
      ctx.args.emplace_back(argv[i]);
    }
  }
  int code = kDone;
  try {
    code = command->run(ctx);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vessa-cli %.*s: %s\nusage: vessa-cli %.*s %.*s\n",
                 static_cast<int>(command->name.size()), command->name.data(), e.what(),
                 static_cast<int>(command->name.size()), command->name.data(),
                 static_cast<int>(command->usage.size()), command->usage.data());
    return kUsage;
  } catch (const vessa::SilentAbort& e) {
    ctx.error = std::string("stopped: ") + e.what();
    code = kStopped;
  } catch (const std::exception& e) {
    // As in the window: any other failure is what the error box would show.
    ctx.error = e.what();
    code = kErrorBox;
  }
  // Lookups that failed under the ignore policy: the command finished without
  // those pieces and says so; a stop or a message keeps its own status.
  if (ctx.store) {
    for (const std::string& line : ctx.store->Failures().TakeLines()) {
      ctx.error += (ctx.error.empty() ? "" : "\n") + line;
      if (code == kDone) code = kMissingPieces;
    }
  }
  code = Emit(STDOUT_FILENO, ctx.out.Buffer(), gbk, code);
  if (code == kClosedPipe) return code;
  if (!ctx.error.empty()) Emit(STDERR_FILENO, ctx.error + "\n", gbk, code);
  return code;
}
