// The program's date texts: TryParseDate and ParseDate (the panel's date, the
// command line's dates), TryParseDateTime (the stored instants). Beyond not
// crashing: a date read is a real date of years 1-9999 that its own text reads
// back to, the same day as TryParseDateTime reads; a date-time read comes back
// from its text; ParseDate throws the conversion error exactly when
// TryParseDate finds no date.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text/date_text.h"
#include "core/text/errors.h"
#include "fuzz_support.h"

using namespace vessa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view typed(reinterpret_cast<const char*>(data), size);

  const auto date = TryParseDate(typed);
  if (date) {
    const std::chrono::year_month_day ymd{*date};
    FUZZ_CHECK(ymd.ok() && ymd.year() >= std::chrono::year{1} &&
               ymd.year() <= std::chrono::year{9999});
    FUZZ_CHECK(TryParseDate(FormatDate(*date)) == date);
    FUZZ_CHECK(TryParseDateTime(typed) == DateTime{*date});
    FUZZ_CHECK(ParseDate(typed) == *date);
  } else {
    bool thrown = false;
    try {
      ParseDate(typed);
    } catch (const ConversionError&) {
      thrown = true;
    }
    FUZZ_CHECK(thrown);
  }

  if (const auto moment = TryParseDateTime(typed)) {
    FUZZ_CHECK(TryParseDateTime(FormatDateTime(*moment)) == moment);
    FUZZ_CHECK(TryParseDateTime(FormatDateTimeSeconds(*moment)) ==
               std::chrono::floor<std::chrono::seconds>(*moment));
  }
  return 0;
}
