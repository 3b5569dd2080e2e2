// Writes the tables that come from our own rules rather than from written
// content, as TSV sources for vessa-dbbuild:
//
//   vessa-gentables OUTDIR
//
//   Tgcode/JQ.tsv        the instants (Beijing time) of the 24 solar terms 1899-2101
//   Tgcode/Shishen.tsv   the ten god of every ordered pair of stems
//   Tgcode/jiazi.tsv     the nayin of the sixty pairs
//   Tgcode/hzwh.tsv      the element of every stem and branch
//   dream/chenggu1..4    the bone weights of year, month, day and hour
//
// Output is deterministic: the same program writes the same bytes.
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/bazi/chart_rules.h"
#include "core/calendar/nayin.h"
#include "core/calendar/sexagenary.h"
#include "core/calendar/solar_terms.h"
#include "core/text/date_text.h"
#include "core/text/text.h"
#include "core/text/tsv.h"

namespace fs = std::filesystem;
using namespace std::chrono;

namespace {

void Write(const fs::path& path, const std::vector<std::string>& header,
           const std::vector<std::vector<std::string>>& rows) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << vessa::tsv::Line(header);
  for (const auto& row : rows) out << vessa::tsv::Line(row);
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// The instants of the 24 terms as the program compiled them in: the table and
// the chart can never disagree.
std::vector<std::vector<std::string>> TermRows() {
  std::vector<std::vector<std::string>> rows;
  for (int year = vessa::kTermFirstYear; year <= vessa::kTermLastYear; ++year) {
    for (int n = 0; n < 24; ++n) {
      rows.push_back({std::to_string(year),
                      std::string(vessa::SolarTermNames[static_cast<std::size_t>(n)]),
                      vessa::FormatDateTimeSeconds(*vessa::SolarTermInstant(year, n))});
    }
  }
  return rows;
}

std::vector<std::vector<std::string>> TenGodRows() {
  std::vector<std::vector<std::string>> rows;
  for (int d = 0; d < 10; ++d) {
    for (int o = 0; o < 10; ++o) {
      const vessa::Stem day = vessa::Stem::FromIndex(d), other = vessa::Stem::FromIndex(o);
      rows.push_back({std::string(day.Name()) + std::string(other.Name()),
                      std::string(vessa::TenGodName(day, other))});
    }
  }
  return rows;
}

std::vector<std::vector<std::string>> NayinRows() {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 60; ++i) {
    const vessa::Pillar pair = vessa::Pillar::FromIndex(i);
    rows.push_back({pair.Name(), std::string(vessa::NayinName(pair))});
  }
  return rows;
}

// One row per element, holding its stems and branches: every character stands in
// exactly one row, so "hz like %x%" finds one row only.
std::vector<std::vector<std::string>> ElementRows() {
  std::vector<std::vector<std::string>> rows;
  for (int e = 0; e < 5; ++e) {
    const auto element = static_cast<vessa::Element>(e);
    std::string characters;
    for (int i = 0; i < 10; ++i) {
      const vessa::Stem s = vessa::Stem::FromIndex(i);
      if (s.GetElement() == element) characters += s.Name();
    }
    for (int i = 0; i < 12; ++i) {
      const vessa::Branch b = vessa::Branch::FromIndex(i);
      if (b.GetElement() == element) characters += b.Name();
    }
    rows.push_back({characters, std::string(vessa::ElementName(element))});
  }
  return rows;
}

// The traditional bone weights (两) of the sexagenary year, from 甲子.
constexpr std::array<double, 60> kYearWeights = {
    1.2, 0.9, 0.6, 0.7, 1.2, 0.5, 0.9, 0.8, 0.7, 0.8,  // 甲子 … 癸酉
    1.5, 0.9, 1.6, 0.8, 0.8, 1.9, 1.2, 0.6, 0.8, 0.7,  // 甲戌 … 癸未
    0.5, 1.5, 0.6, 1.6, 1.5, 0.7, 0.9, 1.2, 1.0, 0.7,  // 甲申 … 癸巳
    1.5, 0.6, 0.5, 1.4, 1.4, 0.9, 0.7, 0.7, 0.9, 1.2,  // 甲午 … 癸卯
    0.8, 0.7, 1.3, 0.5, 1.4, 0.5, 0.9, 1.7, 0.5, 0.7,  // 甲辰 … 癸丑
    1.2, 0.8, 0.8, 0.6, 1.9, 0.6, 0.8, 1.6, 1.0, 0.7,  // 甲寅 … 癸亥
};
constexpr std::array<double, 12> kMonthWeights = {0.6, 0.7, 1.8, 0.9, 0.5, 1.6,
                                                  0.9, 1.5, 1.8, 0.8, 0.9, 0.5};
constexpr std::array<double, 30> kDayWeights = {0.5, 1.0, 0.8, 1.5, 1.6, 1.5, 0.8, 1.6, 0.8, 1.6,
                                                0.9, 1.7, 0.8, 1.7, 1.0, 0.8, 0.9, 1.8, 0.5, 1.5,
                                                1.0, 0.9, 0.8, 0.9, 1.5, 1.8, 0.7, 0.8, 1.6, 0.6};
// By double hour from 子.
constexpr std::array<double, 12> kHourWeights = {1.6, 0.6, 0.7, 1.0, 0.9, 1.6,
                                                 1.0, 0.8, 0.8, 0.9, 0.6, 0.6};

std::string Weight(double w) { return vessa::text::FloatToText(w); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vessa-gentables OUTDIR\n");
    return 2;
  }
  try {
    fs::path out = argv[1];
    Write(out / "Tgcode" / "JQ.tsv", {"YearA", "JQ", "SJ"}, TermRows());
    Write(out / "Tgcode" / "Shishen.tsv", {"jiazi", "ShiShen"}, TenGodRows());
    Write(out / "Tgcode" / "jiazi.tsv", {"jiazi", "layin"}, NayinRows());
    Write(out / "Tgcode" / "hzwh.tsv", {"hz", "wh"}, ElementRows());

    std::vector<std::vector<std::string>> years, months, days, hours;
    for (int y = 1900; y <= 2100; ++y)
      years.push_back({std::to_string(y), Weight(kYearWeights[(y - 4) % 60])});
    for (int m = 1; m <= 12; ++m)
      months.push_back({std::to_string(m), Weight(kMonthWeights[m - 1])});
    for (int d = 1; d <= 30; ++d) days.push_back({std::to_string(d), Weight(kDayWeights[d - 1])});
    // Clock hours take the weight of their double hour: 23 and 0 are 子, 1-2 丑, ….
    for (int h = 0; h <= 23; ++h)
      hours.push_back({std::to_string(h), Weight(kHourWeights[((h + 1) / 2) % 12])});
    Write(out / "dream" / "chenggu1.tsv", {"year", "weight"}, years);
    Write(out / "dream" / "chenggu2.tsv", {"month2", "weight"}, months);
    Write(out / "dream" / "chenggu3.tsv", {"day2", "weight"}, days);
    Write(out / "dream" / "chenggu4.tsv", {"time", "weight"}, hours);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vessa-gentables: %s\n", e.what());
    return 1;
  }
  return 0;
}
