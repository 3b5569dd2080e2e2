#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The GBK code page (936) at the program's boundaries: rule files, text files,
// --gbk output, unscrambled bytes, and every place that counts or cuts GBK bytes.
// Inside the program text is UTF-8.
namespace vessa::gbk {

// UTF-8 -> GBK bytes. A character GBK cannot hold becomes '?'.
std::string FromUtf8(std::string_view utf8);
// GBK bytes -> UTF-8. A byte sequence that is not GBK becomes '?'.
std::string ToUtf8(std::string_view gbk);
// True when the bytes are GBK text throughout.
bool IsValidGbk(std::string_view bytes);
// True when every character of the UTF-8 text exists in GBK.
bool IsEncodable(std::string_view utf8);

// Length of the text in GBK bytes (a Chinese character counts 2).
std::size_t ByteLength(std::string_view utf8);
// Up to count GBK bytes from 1-based byte position start, returned as UTF-8. A
// character cut in half by the bounds comes back as '?'.
std::string Copy(std::string_view utf8, std::size_t start, std::size_t count);

}  // namespace vessa::gbk
