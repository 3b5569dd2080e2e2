// Whole readings as a command writes them: every lookup on a fresh connection,
// the spirit-star rule files read 27 times.
#include <benchmark/benchmark.h>

#include "core/bazi/bazi_chart.h"
#include "core/input/birth_input.h"
#include "core/reports/bazi_report.h"
#include "core/reports/name_report.h"
#include "core/reports/reading.h"

namespace {

vessa::Panel SamplePanel() {
  // Whole strings moved in: assigning a literal over a field's default trips GCC 12's
  // -Wrestrict at -O3.
  vessa::Panel p;
  p.surname = std::string("张");
  p.givenName = std::string("三丰");
  p.year = std::string("1984");
  p.month = std::string("2");
  p.day = std::string("4");
  p.hour = std::string("午 12");
  p.minute = std::string("30");
  return p;
}

void BM_DetailedBaziReading(benchmark::State& state) {
  vessa::data::ContentStore store(VESSA_BIN_DIR);
  const vessa::Panel panel = SamplePanel();
  vessa::BirthInput birth;
  vessa::BaziChart chart;
  vessa::ReportBuffer out;
  for (auto _ : state) {
    vessa::ReadingTarget target{birth, chart, out};
    auto result = vessa::RunReading(*vessa::FindReading("bazi"), {store, 2026}, panel, target);
    if (result.kind == vessa::OutcomeKind::Stopped) state.SkipWithError(result.message.c_str());
    benchmark::DoNotOptimize(out.Count());
  }
}
BENCHMARK(BM_DetailedBaziReading)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_NameReading(benchmark::State& state) {
  vessa::data::ContentStore store(VESSA_BIN_DIR);
  vessa::BirthInput birth;
  vessa::ReadBirthInput(SamplePanel(), vessa::BirthInputKind::Name, birth);
  vessa::ReportBuffer out;
  for (auto _ : state) {
    vessa::NameReport({store, 2026}, birth, out);
    benchmark::DoNotOptimize(out.Count());
  }
}
BENCHMARK(BM_NameReading)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
