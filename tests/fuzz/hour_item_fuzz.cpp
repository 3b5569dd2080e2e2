// A typed hour (an editable list's text, or --hour's value) through HourItemOf,
// and any text through HourNumberOf. Beyond not crashing: exactly the 24 items
// and the whole numbers 0-23 of one or two digits ("7", "07", "23") are
// accepted, trimmed; an accepted hour gives its own item, which is accepted as
// itself and whose clock hour leads back to it.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/input/birth_input.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

// Every accepted text (trimmed) and the item it selects.
const std::map<std::string, std::string, std::less<>>& Accepted() {
  static const auto accepted = [] {
    std::map<std::string, std::string, std::less<>> m;
    for (std::size_t h = 0; h < kHourItems.size(); ++h) {
      const std::string item(kHourItems[h]);
      m[item] = item;
      m[std::to_string(h)] = item;
      if (h < 10) m["0" + std::to_string(h)] = item;
    }
    return m;
  }();
  return accepted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view typed(reinterpret_cast<const char*>(data), size);
  const auto item = HourItemOf(typed);
  const auto expected = Accepted().find(text::Trim(typed));
  if (expected == Accepted().end()) {
    FUZZ_CHECK(!item.has_value());
  } else {
    FUZZ_CHECK(item.has_value() && *item == expected->second);
    FUZZ_CHECK(HourItemOf(*item) == item);
    std::int64_t hour = -1;
    FUZZ_CHECK(text::TryToInt(HourNumberOf(*item), hour) && hour >= 0 && hour <= 23);
    FUZZ_CHECK(kHourItems[static_cast<std::size_t>(hour)] == *item);
  }
  FUZZ_CHECK(text::CharCount(HourNumberOf(typed)) <= 2);
  return 0;
}
