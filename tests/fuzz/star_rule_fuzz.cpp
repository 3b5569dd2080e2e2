// A spirit-star rule file as the reader takes it: its bytes decoded and split
// into lines (DecodeRuleFile, the part of ReadRuleFile after the read), each line
// parsed by ParseStarRule. Beyond not crashing: lines hold no line break and are
// valid UTF-8; for GBK text they are the file's bytes without its line breaks;
// and every parsed rule keeps the reader's limits (a trimmed name of at most five
// characters, at most 21 items, keys without ":" or ",", trimmed values of at
// most ten GBK bytes).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/bazi/spirit_stars.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

void CheckRule(const StarRule& rule) {
  FUZZ_CHECK(rule.name == text::Trim(rule.name));
  FUZZ_CHECK(text::CharCount(rule.name) <= kStarNameWidth);
  FUZZ_CHECK(rule.items.size() <= kStarItemsPerLine);
  for (const StarRule::Item& item : rule.items) {
    FUZZ_CHECK(item.key.find_first_of(":,") == std::string::npos);
    FUZZ_CHECK(item.value.find(',') == std::string::npos);
    FUZZ_CHECK(item.value == text::Trim(item.value));
    FUZZ_CHECK(gbk::ByteLength(item.value) <= kStarValueBytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const RuleFileText file = DecodeRuleFile(bytes);

  const auto breaks = static_cast<std::size_t>(
      std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }));
  FUZZ_CHECK(file.lines.size() <= breaks + 1);
  std::string joined;
  for (const std::string& line : file.lines) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(text::IsValidUtf8(line));
    CheckRule(ParseStarRule(line));
    joined += gbk::FromUtf8(line);
  }
  if (file.gbk) {
    std::string unbroken(bytes);
    std::erase_if(unbroken, [](char c) { return c == '\r' || c == '\n'; });
    FUZZ_CHECK(joined == unbroken);
  }

  // The parser holds its limits on any text, malformed UTF-8 included.
  CheckRule(ParseStarRule(bytes));
  return 0;
}
