#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/content_store.h"

// The fingerprint reading: one to five fingers from the thumb, "o" a whorl (斗,
// also 箩) and "x" a loop (簸箕), read in the table zhiwen of MorFile.dll.
namespace vessa {

inline constexpr std::size_t kFingerprintLength = 5;

// What the code box holds: up to five letters, each a lower-case "o" or "x".
bool IsFingerprintCode(std::string_view code);

// The unscrambled reading of a code; "" when zhiwen has no row (the empty code
// included). The code goes into the statement quoted, whatever it holds. A
// failing lookup throws SilentAbort.
std::string FingerprintText(const data::ContentStore& store, std::string_view code);

// The result area's text for a code as typed: "测算结果:" + the reading of the
// trimmed code.
std::string FingerprintResult(const data::ContentStore& store, std::string_view code);

// The window's explanation, one paragraph a line: how whorls and loops look,
// then the instructions.
std::vector<std::string_view> FingerprintIntroduction();

}  // namespace vessa
