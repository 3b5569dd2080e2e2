// Writes the tables that come from our own rules rather than from written
// content, as TSV sources for vessa-dbbuild:
//
//   vessa-gentables OUTDIR
//
//   Tgcode/JQ.tsv        the instants (Beijing time) of the twelve jie terms 1900-2100
//   Tgcode/Shishen.tsv   the ten god of every ordered pair of stems
//   Tgcode/jiazi.tsv     the nayin of the sixty pairs
//   Tgcode/hzwh.tsv      the element of every stem and branch
//   dream/chenggu1..4    the bone weights of year, month, day and hour
//
// Output is deterministic: the same program writes the same bytes.
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/calendar/lunar_calendar.h"
#include "core/text/date_text.h"
#include "core/text/text.h"
#include "core/text/tsv.h"
#include "sun_position.h"

namespace fs = std::filesystem;
using namespace std::chrono;

namespace {

constexpr std::array<const char*, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                   "午", "未", "申", "酉", "戌", "亥"};

void Write(const fs::path& path, const std::vector<std::string>& header,
           const std::vector<std::vector<std::string>>& rows) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << vessa::tsv::Line(header);
  for (const auto& row : rows) out << vessa::tsv::Line(row);
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// The jie terms (节) and their solar longitudes; 小寒 opens the solar year's list.
struct Jie {
  int term_index;  // index in SolarTermNames
  double longitude;
};
constexpr std::array<Jie, 12> kJie = {{{0, 285},
                                       {2, 315},
                                       {4, 345},
                                       {6, 15},
                                       {8, 45},
                                       {10, 75},
                                       {12, 105},
                                       {14, 135},
                                       {16, 165},
                                       {18, 195},
                                       {20, 225},
                                       {22, 255}}};

constexpr double kUnixEpochJd = 2440587.5;

std::vector<std::vector<std::string>> JieTermRows() {
  std::vector<std::vector<std::string>> rows;
  for (int year = 1900; year <= 2100; ++year) {
    for (const Jie& jie : kJie) {
      // The mean-year formula lands within a day or two; the search does the rest.
      vessa::DateTime mean = vessa::SolarTermInstant(year, jie.term_index);
      double guess = kUnixEpochJd + mean.time_since_epoch().count() / 86400000.0 - 8.0 / 24.0;
      double jde = vessa::astro::SolarLongitudeCrossing(jie.longitude, guess);
      year_month_day ymd{floor<days>(mean)};
      double decimal_year = year + (static_cast<unsigned>(ymd.month()) - 0.5) / 12.0;
      double ut = jde - vessa::astro::DeltaT(decimal_year) / 86400.0;
      auto seconds_since_epoch = std::llround((ut - kUnixEpochJd) * 86400.0) + 8 * 3600;
      vessa::DateTime beijing{milliseconds{seconds_since_epoch * 1000}};
      rows.push_back({std::to_string(year), std::string(vessa::SolarTermNames[jie.term_index]),
                      vessa::FormatDateTimeSeconds(beijing)});
    }
  }
  return rows;
}

// Ten gods by the classical rule: the element relation of the other stem to the
// day stem (same, produced by, controlled by, controlling, producing) and whether
// their polarities agree.
std::vector<std::vector<std::string>> TenGodRows() {
  static const std::array<std::array<const char*, 2>, 5> kNames = {{
      {"比肩", "劫财"},  // same element
      {"食神", "伤官"},  // the day stem produces it
      {"偏财", "正财"},  // the day stem controls it
      {"七杀", "正官"},  // it controls the day stem
      {"偏印", "正印"},  // it produces the day stem
  }};
  std::vector<std::vector<std::string>> rows;
  for (int d = 0; d < 10; ++d) {
    for (int s = 0; s < 10; ++s) {
      int relation = ((s / 2) - (d / 2) + 5) % 5;  // elements in producing order 木火土金水
      int differs = (s % 2) != (d % 2) ? 1 : 0;
      rows.push_back({std::string(kStems[d]) + kStems[s], kNames[relation][differs]});
    }
  }
  return rows;
}

std::vector<std::vector<std::string>> NayinRows() {
  // One name for each pair of consecutive pairs of the cycle, from 甲子乙丑.
  static const std::array<const char*, 30> kNayin = {
      "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
      "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
      "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
      "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 60; ++i)
    rows.push_back({std::string(kStems[i % 10]) + kBranches[i % 12], kNayin[i / 2]});
  return rows;
}

std::vector<std::vector<std::string>> ElementRows() {
  // Every character stands in exactly one row, so "hz like %x%" finds one row only.
  return {{"甲乙寅卯", "木"},
          {"丙丁巳午", "火"},
          {"戊己辰戌丑未", "土"},
          {"庚辛申酉", "金"},
          {"壬癸亥子", "水"}};
}

// The traditional bone weights (两) of the sexagenary year, from 甲子.
constexpr std::array<double, 60> kYearWeights = {
    1.2, 0.9, 0.6, 0.7, 1.2, 0.5, 0.9, 0.8, 0.7, 0.8,  // 甲子 … 癸酉
    1.5, 0.9, 1.6, 0.8, 0.8, 1.9, 1.2, 0.6, 0.8, 0.7,  // 甲戌 … 癸未
    0.5, 1.5, 0.6, 1.6, 1.5, 0.7, 0.9, 1.2, 1.0, 0.7,  // 甲申 … 癸巳
    1.5, 0.6, 0.5, 1.4, 1.4, 0.9, 0.7, 0.7, 0.9, 1.2,  // 甲午 … 癸卯
    0.8, 0.7, 1.3, 0.5, 1.4, 0.5, 0.9, 1.7, 0.5, 0.7,  // 甲辰 … 癸丑
    1.2, 0.8, 0.8, 0.6, 1.9, 0.6, 0.8, 1.6, 1.0, 0.6,  // 甲寅 … 癸亥
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
    Write(out / "Tgcode" / "JQ.tsv", {"YearA", "JQ", "SJ"}, JieTermRows());
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
