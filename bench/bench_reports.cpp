// Whole readings as a command writes them: every lookup on a fresh connection,
// the spirit-star rule files read 27 times.
#include <benchmark/benchmark.h>

#include "core/input/birth_input.h"
#include "core/bazi/bazi_chart.h"
#include "core/reports/bazi_report.h"
#include "core/reports/name_report.h"
#include "core/reports/reading.h"

namespace {

vessa::Panel SamplePanel() {
  vessa::Panel p;
  p.surname = "张";
  p.givenName = "三丰";
  p.year = "1984";
  p.month = "2";
  p.day = "4";
  p.hour = "午 12";
  p.minute = "30";
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
    auto result =
        vessa::RunReading(*vessa::FindReading("bazi"), {store, 2026}, panel, target);
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
