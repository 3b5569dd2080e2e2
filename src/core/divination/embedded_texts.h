#pragma once

#include <string_view>

// Texts compiled into the program from src/core/divination/data (generated at build time).
namespace vessa {

extern const std::string_view kOmenPagesTsv;

}  // namespace vessa
