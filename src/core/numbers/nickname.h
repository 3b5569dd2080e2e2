#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/numbers/number_text.h"

// The nickname reading (window "网名与性格"): the nickname becomes a string of
// capital letters, and the last letter names a personality.
namespace vessa {

inline constexpr std::string_view kNicknameEmptyMessage = "请输入你的网名！";
inline constexpr std::string_view kNicknameFailedLine = "请重新输入网名，请不要输入特殊字符！";

// The letters of a GBK text, walked from its first byte:
//  - a single byte (below 0x81, or followed by a byte below 0x40 or by nothing):
//    an ASCII letter or digit upper-cased, anything else dropped;
//  - a double-byte character: row 0xA2 the number its symbol shows (ⅰ-ⅹ, ⒈-⒛,
//    ⑴-⒇, ①-⑩, ㈠-㈩, Ⅰ-Ⅻ; "?" below trail 0xA1; unassigned places give
//    nothing), row 0xA3 the full-width letter or digit as ASCII (case kept),
//    row 0xA6 the Greek letter's Latin transliteration upper-cased ("?" for the
//    rest of the row), any other the first letter of its pinyin, upper-cased,
//    or "?" when it has none.
// The result is cut to maxLength characters. Any bytes are safe to pass.
std::string NicknameLetters(std::string_view gbk, std::size_t maxLength = 255);

// The personality text of a letter a-z (either case); "" for anything else.
std::string_view TraitByLetter(char letter);

// The personality of a trimmed nickname (GBK bytes): the letters with every
// digit replaced (1 -> A … 9 -> I, 0 -> J), read by the last one; "" for an
// empty nickname or a last character that is not a letter.
std::string NicknameTrait(std::string_view gbk);

// The run of the window on its edit's text (GBK bytes): the prompt for an empty
// edit, else the nickname line "你的网名：" + nickname and the personality line
// "你的性格：" + trait.
TestResult NicknameTest(std::string_view gbkEditText);

}  // namespace vessa
