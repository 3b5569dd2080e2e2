// The chart of a birth with its lookups on fresh connections, and the attribute
// lines of one chart.
#include <benchmark/benchmark.h>

#include "core/bazi/bazi_chart.h"
#include "core/bazi/chart_attributes.h"

namespace {

void BM_ComputeChart(benchmark::State& state) {
  vessa::data::ContentStore store(VESSA_BIN_DIR);
  vessa::BaziChart chart;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vessa::ComputeChart(store, chart, 1984, 2, 4, 12, 30, "男"));
  }
}
BENCHMARK(BM_ComputeChart)->Unit(benchmark::kMillisecond);

void BM_AttributeLines(benchmark::State& state) {
  vessa::data::ContentStore store(VESSA_BIN_DIR);
  vessa::BaziChart chart;
  vessa::ComputeChart(store, chart, 1980, 1, 1, 12, 0, "女");
  for (auto _ : state) {
    benchmark::DoNotOptimize(vessa::TenGodLine(store, chart));
    benchmark::DoNotOptimize(vessa::PillarLine(chart));
    benchmark::DoNotOptimize(vessa::HiddenStemLines(store, chart));
    auto elements = vessa::ElementLine(store, chart);
    benchmark::DoNotOptimize(vessa::NayinLine(store, chart));
    benchmark::DoNotOptimize(vessa::ElementCountText(elements.elementText));
  }
}
BENCHMARK(BM_AttributeLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
