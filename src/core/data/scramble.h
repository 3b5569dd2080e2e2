#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Four stored columns hold their text as hexadecimal pairs of scrambled GBK bytes.
namespace vessa::data {

// The key and pass count shared by every call site.
inline constexpr std::uint16_t kScrambleKey = 0x6E2B;
inline constexpr int kScramblePasses = 7;

// Hexadecimal pairs -> bytes. A final odd character is ignored; a pair that is not
// hexadecimal calls beep once and is skipped.
std::string HexPairsToText(std::string_view text, const std::function<void()>& beep);

// Stored text -> plain UTF-8 text.
std::string UnscrambleText(std::string_view text, std::uint16_t key, int passes,
                           const std::function<void()>& beep = {});

// The inverse, used by the database builder: plain UTF-8 text -> upper-case hex pairs.
std::string ScrambleText(std::string_view plain, std::uint16_t key, int passes);

}  // namespace vessa::data
