#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The characters the naming assistant offers for a given name: only those of
// levels 1 and 2 of the 通用规范汉字表 (level 1 first, each level in the table's
// order), never one of the reviewed list of characters unfit for a name, and
// never a radical or component form. The stroke table itself stays whole, so
// every name still counts its strokes.
namespace vessa {

// The level (1 or 2) of a character of the two levels; 0 for any other text.
int CommonCharacterLevel(std::string_view character);
// True for a character of the reviewed list (or a component form).
bool IsUnfitForName(std::string_view character);
// Why a character is unfit ("疾病：痢疾"); "" when it is fit.
std::string_view UnfitReason(std::string_view character);

// The characters of a stroke-table row fit for a name, in the order above,
// at most `limit` of them (0: no limit), joined without separators.
std::string NameCharactersOf(std::string_view strokeRow, std::size_t limit = 0);

}  // namespace vessa
