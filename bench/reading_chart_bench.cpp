// The measurement chart with a day of polling at 300 ms behind it (288,000 readings): what
// the chart holds in memory beside the history, and what one redraw costs (a new reading
// taken in and the chart painted) for each span it shows. The chart reads its span from
// the history at each drawing, so it must hold about the points of one view, and a day in
// view must redraw about as fast as a minute.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/day_of_polling.h"
#include "measure/reading_feed.h"
#include "measure/reading_history.h"
#include "platform/clock.h"
#include "views/reading_chart.h"

namespace {

using bench::DayOfPollingReading;

// The history and the feed as the program makes them, filled with a day.
struct DayOfPolling {
  DayOfPolling() {
    feed.Listen([this](const measure::Reading& r) { history.Add(r); });
    for (; next < measure::ReadingHistory::kDayOfPolling; ++next) feed.Publish(DayOfPollingReading(next));
  }
  void PollOnce() { feed.Publish(DayOfPollingReading(next++)); }

  platform::VirtualClock clock{0};
  measure::ReadingFeed feed{clock};
  measure::ReadingHistory history;
  std::size_t next = 0;
};

DayOfPolling& Day() {
  static DayOfPolling day;
  return day;
}

// The chart's spans, by their place in 显示范围.
constexpr int kOneMinute = 0, kFiveMinutes = 1, kWholeHistory = 4;

void BM_ChartMemoryBesideADay(benchmark::State& state) {
  DayOfPolling& day = Day();
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    auto chart = std::make_unique<views::ReadingChart>(day.history, day.feed);
    chart->resize(900, 560);
    chart->findChild<QComboBox*>()->setCurrentIndex(static_cast<int>(state.range(0)));
    const std::size_t bytes = mallinfo2().uordblks - before;
    state.counters["chart_MB"] = static_cast<double>(bytes) / (1024 * 1024);
    state.counters["points"] = static_cast<double>(chart->PointsHeld());
    // Two curves (pressure and temperature), each at most its lowest and highest and one
    // failure mark a column.
    if (chart->PointsHeld() > 2 * 3 * (views::ReadingChart::kDrawColumns + 2))
      state.SkipWithError("the chart holds more than a column can show");
  }
}
BENCHMARK(BM_ChartMemoryBesideADay)
    ->Arg(kOneMinute)
    ->Arg(kFiveMinutes)
    ->Arg(kWholeHistory)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_ChartRedrawWithADay(benchmark::State& state) {
  DayOfPolling& day = Day();
  views::ReadingChart chart(day.history, day.feed);
  chart.resize(900, 560);
  chart.findChild<QComboBox*>()->setCurrentIndex(static_cast<int>(state.range(0)));
  QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    day.PollOnce();  // the history keeps its day and the chart redraws its series
    QPainter painter(&image);
    chart.render(&painter);
  }
  state.counters["points"] = static_cast<double>(chart.PointsHeld());
}
BENCHMARK(BM_ChartRedrawWithADay)
    ->Arg(kOneMinute)
    ->Arg(kFiveMinutes)
    ->Arg(kWholeHistory)
    ->Unit(benchmark::kMillisecond);

}  // namespace
