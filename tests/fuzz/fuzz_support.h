#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// What the fuzz targets share: a check that stops the run like a crash (so
// libFuzzer keeps the input), and the split of an input into its fields.
namespace vessa::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::abort();
}

// Splits at "\n" into at most count fields, the last holding the rest; an input
// with fewer lines gives fewer fields.
inline std::vector<std::string_view> Fields(std::string_view input, std::size_t count) {
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < count) {
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos) break;
    fields.push_back(input.substr(0, end));
    input.remove_prefix(end + 1);
  }
  if (count > 0) fields.push_back(input);
  return fields;
}

}  // namespace vessa::fuzz

// Stops the run when an invariant does not hold; the input is kept as a crash.
#define FUZZ_CHECK(condition) \
  ((condition) ? void(0) : ::vessa::fuzz::Fail(#condition, __FILE__, __LINE__))
