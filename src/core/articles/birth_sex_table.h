#pragma once

#include <string_view>

// The folk table "生男生女" (清宫生男生女表): a child's sex by the mother's nominal age
// (18-44) and the lunar month of conception (1-12). It is folklore, and the window
// that shows it says so.
namespace vessa {

inline constexpr int kBirthSexFirstAge = 18;
inline constexpr int kBirthSexLastAge = 44;

// "男" or "女"; "" outside the table.
std::string_view BirthSexOf(int motherAge, int lunarMonth);

// The short text of the table's third page, and its title.
std::string_view BirthSexNoteTitle();
std::string_view BirthSexNote();

}  // namespace vessa
