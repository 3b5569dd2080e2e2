#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "core/text/errors.h"
#include "core/text/gbk.h"

namespace {

std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

void PrintHelp(FILE* to) {
  std::fprintf(to,
               "usage: vessa-cli [--gbk] COMMAND [ARGS...]\n"
               "       vessa-cli --help\n"
               "       vessa-cli COMMAND --help\n\n"
               "Prints the program's readings as UTF-8 lines (GBK bytes with --gbk).\n"
               "Exit status: 0 done, 1 input message, 2 usage error, 3 reading stopped by a\n"
               "failure, 4 error shown by the window's error box.\n\n"
               "PANEL, the input panel of the main window (defaults as the window has them):\n"
               "  --surname TEXT --given TEXT --sex 男|女 --blood A型|B型|O型|AB型\n"
               "  --date Y-M-D [--lunar] --hour 0..23 --minute 0..59\n\nCommands:\n");
  for (const auto& c : vessa::cli::Commands()) {
    std::fprintf(to, "  %-10.*s %.*s\n      %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                 static_cast<int>(c.usage.size()), c.usage.data(),
                 static_cast<int>(c.summary.size()), c.summary.data());
  }
}

void PrintCommandHelp(const vessa::cli::Command& c) {
  std::printf("usage: vessa-cli %.*s %.*s\n\n%.*s\n", static_cast<int>(c.name.size()),
              c.name.data(), static_cast<int>(c.usage.size()), c.usage.data(),
              static_cast<int>(c.summary.size()), c.summary.data());
  if (c.details) std::printf("\n%s", c.details().c_str());
}

void Write(FILE* to, const std::string& text, bool gbk) {
  if (gbk) {
    std::string bytes = vessa::gbk::FromUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), to);
  } else {
    std::fwrite(text.data(), 1, text.size(), to);
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vessa::cli;
  bool gbk = false;
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    if (std::strcmp(argv[i], "--gbk") == 0) {
      gbk = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      PrintHelp(stdout);
      return kDone;
    } else {
      std::fprintf(stderr, "vessa-cli: unknown option %s\n\n", argv[i]);
      PrintHelp(stderr);
      return kUsage;
    }
  }
  if (i == argc) {
    PrintHelp(stderr);
    return kUsage;
  }
  const Command* command = nullptr;
  for (const auto& c : Commands()) {
    if (c.name == argv[i]) command = &c;
  }
  if (!command) {
    std::fprintf(stderr, "vessa-cli: unknown command %s\n\n", argv[i]);
    PrintHelp(stderr);
    return kUsage;
  }
  for (int j = i + 1; j < argc; ++j) {
    if (std::strcmp(argv[j], "--help") == 0 || std::strcmp(argv[j], "-h") == 0) {
      PrintCommandHelp(*command);
      return kDone;
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
  Write(stdout, ctx.out.Buffer(), gbk);
  std::fflush(stdout);
  if (!ctx.error.empty()) Write(stderr, ctx.error + "\n", gbk);
  return code;
}
