#include "core/numbers/number81.h"

#include <stdexcept>

#include "core/numbers/embedded_texts.h"
#include "core/numbers/number_text.h"
#include "core/text/tsv.h"

namespace vessa {

const std::array<std::string, 81>& Number81Table() {
  static const std::array<std::string, 81> table = [] {
    const tsv::Table types = tsv::Parse(kNumber81TypesTsv, "number81_types.tsv");
    const tsv::Table rows = tsv::Parse(kNumber81RowsTsv, "number81_rows.tsv");
    std::array<std::string, 10> personality;  // by type 1-9
    for (const auto& t : types.rows) {
      personality.at(std::stoul(t[0])) = "主人性格类型：[" + t[1] + "]，其具体表现为：" + t[2];
    }
    std::array<std::string, 81> built;
    for (const auto& r : rows.rows) {
      const std::string& person = personality.at(std::stoul(r[3]));
      if (person.empty()) throw std::logic_error("number81_rows.tsv: a type without its text");
      built.at(std::stoul(r[0])) = r[1] + "|" + r[2] + "|" + person;
    }
    for (const std::string& row : built) {
      if (row.empty()) throw std::logic_error("number81_rows.tsv: a row is missing");
    }
    return built;
  }();
  return table;
}

std::string Number81Reading(std::string_view number) {
  std::string_view digits = number;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (!IsDigits(digits)) ThrowNotANumber(number);
  const int remainder = RemainderOfDigits(digits, 81);  // [0, 80]
  // Below zero there is no row, whatever the remainder ("-0" is zero).
  if (negative && digits.find_first_not_of('0') != std::string_view::npos) {
    return std::string(kNumber81Fallback);
  }
  return Number81Table()[static_cast<std::size_t>(remainder)];
}

Number81Parts SplitNumber81Reading(std::string_view reading) {
  const std::size_t first = reading.find('|');
  if (first == std::string_view::npos) return {"", "", std::string(reading)};
  const std::string_view rest = reading.substr(first + 1);
  const std::size_t second = rest.find('|');
  if (second == std::string_view::npos)
    return {std::string(reading.substr(0, first)), "", std::string(rest)};
  return {std::string(reading.substr(0, first)), std::string(rest.substr(0, second)),
          std::string(rest.substr(second + 1))};
}

}  // namespace vessa
