#pragma once

#include <string_view>

// Texts compiled into the program from src/core/numbers/data (embedded at build time).
namespace vessa {

extern const std::string_view kBirthdayTextsTsv;
extern const std::string_view kBloodTypeTextsTsv;
extern const std::string_view kNumber81RowsTsv;
extern const std::string_view kNumber81TypesTsv;
extern const std::string_view kPinyinTsv;

}  // namespace vessa
