#include "core/data/scramble.h"

#include "core/text/gbk.h"

namespace vessa::data {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string HexPairsToText(std::string_view text, const std::function<void()>& beep) {
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) {
      if (beep) beep();
      continue;
    }
    bytes.push_back(static_cast<char>(hi * 16 + lo));
  }
  return bytes;
}

std::string UnscrambleText(std::string_view text, std::uint16_t key, int passes,
                           const std::function<void()>& beep) {
  std::string s = HexPairsToText(text, beep);
  const std::size_t n = s.size();
  if (n == 0) return {};
  const auto hi = static_cast<unsigned char>(key >> 8);
  const auto lo = static_cast<unsigned char>(key & 0xFF);
  auto at = [&](std::size_t i) -> unsigned char& { return reinterpret_cast<unsigned char&>(s[i]); };
  for (int pass = 0; pass < passes; ++pass) {
    for (std::size_t i = 1; i < n; ++i)
      at(i) = static_cast<unsigned char>((at(i - 1) + at(i)) ^ hi);
    for (std::size_t i = n - 1; i-- > 0;)
      at(i) = static_cast<unsigned char>((at(i + 1) + at(i)) ^ lo);
  }
  return gbk::ToUtf8(s);
}

std::string ScrambleText(std::string_view plain, std::uint16_t key, int passes) {
  std::string s = gbk::FromUtf8(plain);
  const std::size_t n = s.size();
  const auto hi = static_cast<unsigned char>(key >> 8);
  const auto lo = static_cast<unsigned char>(key & 0xFF);
  auto at = [&](std::size_t i) -> unsigned char& { return reinterpret_cast<unsigned char&>(s[i]); };
  for (int pass = 0; pass < passes && n > 0; ++pass) {
    // Undo the backward sweep: each byte was mixed with its already final right neighbour.
    for (std::size_t i = 0; i + 1 < n; ++i)
      at(i) = static_cast<unsigned char>((at(i) ^ lo) - at(i + 1));
    // Undo the forward sweep, right to left, for the same reason.
    for (std::size_t i = n - 1; i >= 1; --i)
      at(i) = static_cast<unsigned char>((at(i) ^ hi) - at(i - 1));
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(n * 2);
  for (char byte : s) {
    const auto c = static_cast<unsigned char>(byte);
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 0xF]);
  }
  return out;
}

}  // namespace vessa::data
