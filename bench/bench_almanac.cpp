// The almanac: the generator over its two hundred years (budget: under 30 s in a
// release build) and the window's lookup of one day (budget: under 1 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "almanac_table.h"
#include "core/almanac/day_facts.h"
#include "core/almanac/huangdao_lookup.h"
#include "core/data/content_store.h"

namespace {

using namespace std::chrono;

void BM_GenerateTwoHundredYears(benchmark::State& state) {
  for (auto _ : state) {
    const std::string table = vessa::tools::HuangdaoTable(vessa::almanac::kFirstAlmanacDay,
                                                          vessa::almanac::kLastAlmanacDay);
    benchmark::DoNotOptimize(table.data());
  }
  state.SetItemsProcessed(
      state.iterations() *
      ((vessa::almanac::kLastAlmanacDay - vessa::almanac::kFirstAlmanacDay).count() + 1));
}
BENCHMARK(BM_GenerateTwoHundredYears)->Unit(benchmark::kMillisecond);

// What "测算" does after its checks: the statement on the window's own query object
// (ADOQuery1, one connection kept while the file is unchanged) and the 17 lines.
void BM_WindowLookup(benchmark::State& state) {
  const vessa::data::ContentStore store(VESSA_BIN_DIR);
  const vessa::data::Query query = store.QueryOn(vessa::data::DatabaseFile::MorBirth);
  vessa::Date day = sys_days{2023y / December / 30};
  std::size_t lines = 0;
  for (auto _ : state) {
    const auto entry = vessa::almanac::LookupHuangdao(query, vessa::FormatDate(day));
    if (!entry) state.SkipWithError("no row: build the databases first");
    lines += vessa::almanac::EntryLines(*entry).size();
    day += days{37};  // a different day each time, all over the range
    if (day > vessa::almanac::kLastAlmanacDay) day -= days{70000};
  }
  benchmark::DoNotOptimize(lines);
}
BENCHMARK(BM_WindowLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
