// The stored form of the four scrambled columns: hexadecimal pairs read by
// HexPairsToText and UnscrambleText, written by the database builder with
// ScrambleText. Beyond not crashing: every pair is either a byte or one beep;
// the plain text is valid UTF-8 whatever is stored; and the two directions are
// inverses wherever both sides can hold the text (a GBK-encodable plain text comes
// back unchanged, a stored text of GBK bytes comes back as the same pairs).
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/data/scramble.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "fuzz_support.h"

namespace {

using namespace vessa;

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    out += kDigits[c >> 4];
    out += kDigits[c & 0xF];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view pairs =
      input.substr(0, size - size % 2);  // a final odd character is ignored

  std::size_t beeps = 0;
  const std::string bytes = data::HexPairsToText(input, [&] { ++beeps; });
  FUZZ_CHECK(bytes.size() + beeps == pairs.size() / 2);
  if (beeps == 0) FUZZ_CHECK(Hex(bytes) == Upper(pairs));

  // As stored: whatever a damaged column holds, the reader gets UTF-8 text.
  const std::string plain = data::UnscrambleText(input, data::kScrambleKey, data::kScramblePasses);
  FUZZ_CHECK(text::IsValidUtf8(plain));
  // No "?" means the unscrambled bytes were GBK throughout, so the builder's
  // direction must give back the stored pairs.
  if (beeps == 0 && plain.find('?') == std::string::npos) {
    FUZZ_CHECK(data::ScrambleText(plain, data::kScrambleKey, data::kScramblePasses) ==
               Upper(pairs));
  }

  // As a plain text the builder stores.
  if (text::IsValidUtf8(input) && gbk::IsEncodable(input)) {
    const std::string stored = data::ScrambleText(input, data::kScrambleKey, data::kScramblePasses);
    FUZZ_CHECK(stored.size() == 2 * gbk::ByteLength(input));
    FUZZ_CHECK(data::UnscrambleText(stored, data::kScrambleKey, data::kScramblePasses) == input);
  }
  return 0;
}
