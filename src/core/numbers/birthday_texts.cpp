#include "core/numbers/birthday_texts.h"

#include <array>
#include <map>
#include <string>

#include "core/numbers/embedded_texts.h"
#include "core/text/tsv.h"

namespace vessa {
namespace {

// Keys 0 … 2000: 1-31 the day texts, month*100+day the date texts, the rest empty.
const std::array<std::string, 2001>& BirthdayTexts() {
  static const std::array<std::string, 2001> table = [] {
    std::array<std::string, 2001> t;
    tsv::Table source = tsv::Parse(kBirthdayTextsTsv, "birthday_texts.tsv");
    for (const auto& row : source.rows) t.at(static_cast<std::size_t>(std::stoi(row[0]))) = row[1];
    return t;
  }();
  return table;
}

const std::map<std::string, std::string, std::less<>>& BloodTypeTexts() {
  static const std::map<std::string, std::string, std::less<>> table = [] {
    std::map<std::string, std::string, std::less<>> t;
    tsv::Table source = tsv::Parse(kBloodTypeTextsTsv, "blood_type_texts.tsv");
    for (const auto& row : source.rows) t[row[0]] = row[1];
    t["a型"] = t["A型"];
    t["b型"] = t["B型"];
    t["o型"] = t["O型"];
    t["ab型"] = t["AB型"];
    return t;
  }();
  return table;
}

}  // namespace

std::string_view BirthdayEntry(int key) {
  if (key < 0 || key > 2000) return {};
  return BirthdayTexts()[static_cast<std::size_t>(key)];
}

std::string BirthdayText(int month, int day) {
  return std::string(BirthdayEntry(day)) + std::string(BirthdayEntry(month * 100 + day));
}

std::string BloodTypeLoveText(std::string_view bloodType) {
  const auto& table = BloodTypeTexts();
  auto it = table.find(bloodType);
  return it == table.end() ? "请听下回分解!" : it->second;
}

}  // namespace vessa
