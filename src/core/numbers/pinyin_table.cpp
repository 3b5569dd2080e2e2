#include "core/numbers/pinyin_table.h"

#include <array>
#include <stdexcept>
#include <string>

#include "core/numbers/embedded_texts.h"
#include "core/text/gbk.h"
#include "core/text/text.h"
#include "core/text/tsv.h"

namespace vessa {
namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr std::size_t kTrails = kLastTrail - kFirstTrail + 1;  // 191
constexpr std::size_t kCodes = (kLastLead - kFirstLead + 1) * kTrails;

struct Table {
  std::vector<std::string> syllables;
  std::vector<std::string_view> views;
  std::array<std::uint16_t, kCodes> numbers{};
};

const Table& Loaded() {
  static const Table table = [] {
    Table t;
    const tsv::Table source = tsv::Parse(kPinyinTsv, "pinyin.tsv");
    t.syllables.reserve(source.rows.size());
    for (const auto& row : source.rows) {
      t.syllables.push_back(row[0]);
      const auto number = static_cast<std::uint16_t>(t.syllables.size());
      const std::string codes = gbk::FromUtf8(row[1]);
      // Every character of the table is one double-byte GBK code.
      if (codes.size() != 2 * text::CharCount(row[1])) {
        throw std::logic_error("pinyin.tsv: a character of " + row[0] + " is not double-byte GBK");
      }
      for (std::size_t i = 0; i < codes.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(codes[i]);
        const auto trail = static_cast<unsigned char>(codes[i + 1]);
        t.numbers[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)] = number;
      }
    }
    for (const std::string& s : t.syllables) t.views.push_back(s);
    return t;
  }();
  return table;
}

}  // namespace

const std::vector<std::string_view>& PinyinSyllables() { return Loaded().views; }

int PinyinSyllableNumber(unsigned char lead, unsigned char trail) {
  if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) return 0;
  return Loaded().numbers[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
}

std::string_view PinyinSyllable(unsigned char lead, unsigned char trail) {
  const int n = PinyinSyllableNumber(lead, trail);
  return n == 0 ? std::string_view() : PinyinSyllables()[static_cast<std::size_t>(n - 1)];
}

}  // namespace vessa
