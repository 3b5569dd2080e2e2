#pragma once

#include <string_view>

// Texts compiled into the program from src/numbers/data (generated at build time).
namespace vessa {

extern const std::string_view kBirthdayTextsTsv;
extern const std::string_view kBloodTypeTextsTsv;

}  // namespace vessa
