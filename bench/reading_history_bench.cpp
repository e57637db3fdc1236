// The measurement history's bound in memory: a day of polling at 300 ms (288,000
// readings, pressure and temperature in turn, texts as the panel shows them, one poll in
// twenty failed) must stay under 20 MB. Memory is what the allocator hands out for it,
// measured around the fill (mallinfo2), so it counts every block of the history itself.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <memory>

#include "measure/reading_history.h"

namespace {

measure::Reading Poll(std::size_t i) {
  using measure::Quantity;
  const bool pressure = i % 2 == 1;
  const bool failed = i % 20 == 1;
  char text[32];
  if (pressure) {
    std::snprintf(text, sizeof text, "%+08.1f", 40.0 + static_cast<double>(i % 997) / 100);
  } else {
    std::snprintf(text, sizeof text, "%.1f", 23.5 + static_cast<double>(i % 13) / 10);
  }
  return {1'796'688'000'000 + static_cast<std::int64_t>(i) * 300,
          "01",
          pressure ? Quantity::kPressure : Quantity::kTemperature,
          failed ? "ERR 0\r" : text,
          failed ? std::nullopt : std::optional<double>(i * 0.01),
          pressure ? "kPa" : "℃",
          failed};
}

void BM_DayOfPollingInMemory(benchmark::State& state) {
  const std::size_t day = measure::ReadingHistory::kDayOfPolling;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    auto history = std::make_unique<measure::ReadingHistory>();
    for (std::size_t i = 0; i < day + 1000; ++i) history->Add(Poll(i));  // past the bound
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
  for (auto _ : state) history.Add(Poll(i++));
}
BENCHMARK(BM_AddOnePoll);

void BM_ReadBackADay(benchmark::State& state) {
  measure::ReadingHistory history;
  for (std::size_t i = 0; i < measure::ReadingHistory::kDayOfPolling; ++i) history.Add(Poll(i));
  for (auto _ : state) {
    for (std::size_t k = 0; k < history.size(); ++k) benchmark::DoNotOptimize(history.at(k));
  }
}
BENCHMARK(BM_ReadBackADay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
