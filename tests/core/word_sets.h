#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The almanac's 宜, 忌 and spirit lines are blank-separated words; the tests
// compare them as sets.
namespace vessa::test {

inline std::set<std::string> Words(std::string_view text) {
  std::set<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) words.insert(std::string(text.substr(start, end - start)));
    start = end + 1;
  }
  return words;
}

inline std::set<std::string> Words(const std::vector<std::string_view>& list) {
  return {list.begin(), list.end()};
}

// A set of words as one text, so that a failure prints readably.
inline std::string Text(const std::set<std::string>& words) {
  std::string out;
  for (const std::string& w : words) out += (out.empty() ? "" : " ") + w;
  return out;
}

}  // namespace vessa::test
