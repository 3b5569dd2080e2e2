// Every day of the calendar's range to its lunar date and back.
#include <benchmark/benchmark.h>

#include "core/calendar/lunar_calendar.h"

namespace {

using namespace std::chrono;

void BM_WholeRangeBothWays(benchmark::State& state) {
  const vessa::Date first = sys_days{1900y / January / 31};
  const vessa::Date last = sys_days{2100y / December / 31};
  for (auto _ : state) {
    long long sum = 0;
    for (vessa::Date d = first; d <= last; d += days{1}) {
      vessa::LunarDate l = vessa::SolarToLunar(d);
      sum += vessa::LunarToSolar(l).time_since_epoch().count();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * ((last - first).count() + 1));
}
BENCHMARK(BM_WholeRangeBothWays)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
