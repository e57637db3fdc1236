// The measurement history's bound in memory: a day of polling at 300 ms (288,000
// readings) must stay under 20 MB. Memory is what the allocator hands out for it,
// measured around the fill (mallinfo2), so it counts every block of the history itself.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "bench/day_of_polling.h"
#include "measure/reading_history.h"

namespace {

using bench::DayOfPollingReading;

void BM_DayOfPollingInMemory(benchmark::State& state) {
  const std::size_t day = measure::ReadingHistory::kDayOfPolling;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    auto history = std::make_unique<measure::ReadingHistory>();
    for (std::size_t i = 0; i < day + 1000; ++i) history->Add(DayOfPollingReading(i));  // past the bound
    const std::size_t bytes = mallinfo2().uordblks - before;
    if (history->size() != day) state.SkipWithError("the history did not keep exactly a day");
    state.counters["readings"] = static_cast<double>(history->size());
    state.counters["MB"] = static_cast<double>(bytes) / (1024 * 1024);
    state.counters["bytes_per_reading"] = static_cast<double>(bytes) / static_cast<double>(history->size());
    if (bytes >= 20u * 1024 * 1024) state.SkipWithError("a day of readings takes 20 MB or more");
  }
}
BENCHMARK(BM_DayOfPollingInMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// What a poll costs the history, and what the chart's first drawing costs to read back.
void BM_AddOnePoll(benchmark::State& state) {
  measure::ReadingHistory history;
  std::size_t i = 0;
  for (auto _ : state) history.Add(DayOfPollingReading(i++));
}
BENCHMARK(BM_AddOnePoll);

void BM_ReadBackADay(benchmark::State& state) {
  measure::ReadingHistory history;
  for (std::size_t i = 0; i < measure::ReadingHistory::kDayOfPolling; ++i) history.Add(DayOfPollingReading(i));
  for (auto _ : state) {
    for (std::size_t k = 0; k < history.size(); ++k) benchmark::DoNotOptimize(history.at(k));
  }
}
BENCHMARK(BM_ReadBackADay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
