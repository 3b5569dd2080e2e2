#include "core/text/gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace vessa::gbk {
namespace {

// One converter per direction and thread; iconv_open is too slow to call per string.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("iconv: GBK is not available");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts in, replacing what cannot be converted by '?'. Returns false if any
  // replacement was made.
  bool Run(std::string_view in, std::string& out, std::size_t bad_unit) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    out.reserve(in.size() * 2);
    bool clean = true;
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buf[512];
    while (src_left > 0) {
      char* dst = buf;
      std::size_t dst_left = sizeof buf;
      std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r == static_cast<std::size_t>(-1)) {
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip the offending unit and mark it.
        clean = false;
        out.push_back('?');
        std::size_t skip = std::min(bad_unit == 0 ? Utf8Unit(src, src_left) : bad_unit, src_left);
        src += skip;
        src_left -= skip;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return clean;
  }

 private:
  static std::size_t Utf8Unit(const char* p, std::size_t left) {
    auto lead = static_cast<unsigned char>(*p);
    std::size_t n = lead < 0x80             ? 1
                    : (lead & 0xE0) == 0xC0 ? 2
                    : (lead & 0xF0) == 0xE0 ? 3
                    : (lead & 0xF8) == 0xF0 ? 4
                                            : 1;
    if (n > left) return 1;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(p[k]) & 0xC0) != 0x80) return 1;
    }
    return n;
  }

  iconv_t cd_;
};

Converter& ToGbk() {
  thread_local Converter c("GBK", "UTF-8");
  return c;
}

Converter& FromGbk() {
  thread_local Converter c("UTF-8", "GBK");
  return c;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  ToGbk().Run(utf8, out, 0);
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  FromGbk().Run(bytes, out, 1);
  return out;
}

bool IsValidGbk(std::string_view bytes) {
  std::string out;
  return FromGbk().Run(bytes, out, 1);
}

bool IsEncodable(std::string_view utf8) {
  std::string out;
  return ToGbk().Run(utf8, out, 0);
}

std::size_t ByteLength(std::string_view utf8) { return FromUtf8(utf8).size(); }

std::string Copy(std::string_view utf8, std::size_t start, std::size_t count) {
  std::string bytes = FromUtf8(utf8);
  if (start < 1) start = 1;
  if (start > bytes.size()) return {};
  return ToUtf8(std::string_view(bytes).substr(start - 1, count));
}

}  // namespace vessa::gbk
