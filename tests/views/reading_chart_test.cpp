// The measurement chart: what it draws of the history and of new readings, the time it
// shows, and what it saves.
#include "views/reading_chart.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QXYSeries>

#include <algorithm>

#include "measure/reading_csv.h"

namespace views {
namespace {

using measure::Quantity;

constexpr qint64 kStart = 1'796'688'000'000;

class ReadingChartTest : public ::testing::Test {
 protected:
  ReadingChartTest() : feed(clock) {
    feed.Listen([this](const measure::Reading& r) { history.Add(r); });
  }
  // One reading a poll, 300 ms apart, as the polling hands them on; no value: an overflow.
  void Poll(const char* address, Quantity q, std::optional<double> value, bool failed = false) {
    feed.Publish(
        {kStart + 300 * polls++, address, q, "text", value, q == Quantity::kPressure ? "kPa" : "℃", failed});
  }
  QXYSeries* Series(const QString& name) {
    for (QAbstractSeries* s : chart->chart().series()) {
      if (s->name() == name) return static_cast<QXYSeries*>(s);
    }
    return nullptr;
  }

  platform::VirtualClock clock{kStart};
  measure::ReadingFeed feed;
  measure::ReadingHistory history;
  std::unique_ptr<ReadingChart> chart;
  int polls = 0;
};

TEST_F(ReadingChartTest, OpensWithAHintThenDrawsASeriesPerAddressAndMarksFailuresWhereTheCurveStood) {
  chart = std::make_unique<ReadingChart>(history, feed);
  EXPECT_TRUE(chart->HintShown());
  Poll("01", Quantity::kPressure, 40.0);
  EXPECT_FALSE(chart->HintShown());
  Poll("01", Quantity::kTemperature, 23.5);
  Poll("01", Quantity::kPressure, std::nullopt, true);
  Poll("05", Quantity::kPressure, 12.0);
  Poll("01", Quantity::kPressure, std::nullopt);
  QXYSeries* pressure = Series("01 压力 (kPa)");
  QXYSeries* failures = Series("01 压力 失败");
  ASSERT_TRUE(pressure && failures && Series("01 温度 (℃)") && Series("05 压力 (kPa)"));
  EXPECT_EQ(chart->chart().series().size(), 4) << "no failure marks for a curve without failures";
  EXPECT_EQ(pressure->count(), 1) << "neither the failure nor the overflow is drawn as a value";
  EXPECT_EQ(failures->points(), QList<QPointF>{QPointF(kStart + 600, 40.0)}) << "at the last value, not zero";
  EXPECT_EQ(pressure->attachedAxes().at(1)->titleText(), "压力 (kPa)");
  EXPECT_EQ(Series("01 温度 (℃)")->attachedAxes().at(1)->titleText(), "温度 (℃)") << "an axis of its own";
  chart->SetCurveShown(*pressure, false);
  EXPECT_FALSE(failures->isVisible()) << "the failure marks hide with their curve";
  chart->SetCurveShown(*pressure, true);
  EXPECT_TRUE(failures->isVisible());
}

TEST_F(ReadingChartTest, ShowsTheLastMinutesFollowingNewReadingsAndScrollsBackThroughTheWholeHistory) {
  for (int i = 0; i < 2000; ++i) Poll("01", Quantity::kPressure, i);  // ten minutes before it opens
  chart = std::make_unique<ReadingChart>(history, feed);
  EXPECT_EQ(Series("01 压力 (kPa)")->count(), 1002) << "the five minutes in view, both ends, and one before";
  const qint64 newest = kStart + 300 * 1999;
  EXPECT_EQ(chart->TimeInView(), std::make_pair(newest - 5 * 60 * 1000, newest)) << "five minutes";
  Poll("01", Quantity::kPressure, 1.0);
  EXPECT_EQ(chart->TimeInView().second, newest + 300) << "following";
  auto* bar = chart->findChild<QScrollBar*>();
  bar->setValue(0);
  Poll("01", Quantity::kPressure, 2.0);
  EXPECT_EQ(chart->TimeInView().first, kStart) << "scrolled back to the oldest reading, and staying";
  bar->setValue(bar->maximum());
  Poll("01", Quantity::kPressure, 3.0);
  EXPECT_EQ(chart->TimeInView().second, newest + 900) << "at the end it follows again";

  QTemporaryDir dir;
  ASSERT_TRUE(chart->SaveCsv(dir.filePath("h.csv")));
  QFile csv(dir.filePath("h.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readAll().count('\n'), 2004) << "the header and the whole history";
  ASSERT_TRUE(chart->SavePng(dir.filePath("c.png")));
  EXPECT_FALSE(QImage(dir.filePath("c.png")).isNull());
}

TEST_F(ReadingChartTest, HoldsNoMoreThanTheHistoryAndDrawsOnlyWhatItsViewSpans) {
  measure::ReadingHistory five_minutes(1000);
  feed.Listen([&](const measure::Reading& r) { five_minutes.Add(r); });
  chart = std::make_unique<ReadingChart>(five_minutes, feed);
  auto* span = chart->findChild<QComboBox*>();
  span->setCurrentIndex(span->count() - 1);  // the whole history
  for (int i = 0; i < 3000; ++i) {  // fifteen minutes: two transmitters, pressure and temperature
    const bool failed = i % 37 == 7;
    Poll(i % 4 < 2 ? "01" : "05", i % 2 == 0 ? Quantity::kPressure : Quantity::kTemperature,
         failed ? std::nullopt : std::optional<double>(i % 50), failed);
  }
  const auto points_in = [this](qint64 from, qint64 to) {
    qsizetype inside = 0;
    for (QAbstractSeries* s : chart->chart().series()) {
      for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) inside += p.x() >= from && p.x() <= to;
    }
    return inside;
  };
  const qint64 oldest = five_minutes.sample(0).time_ms, newest = kStart + 300 * 2999;
  EXPECT_LE(chart->PointsHeld(), 1000) << "no more than the history keeps";
  EXPECT_EQ(points_in(oldest, newest), chart->PointsHeld()) << "nothing older than the history";
  EXPECT_EQ(chart->chart().series().size(), 8) << "every curve and its failure marks";

  span->setCurrentIndex(0);  // the last minute
  EXPECT_EQ(chart->TimeInView(), std::make_pair(newest - 60'000, newest));
  EXPECT_EQ(points_in(newest - 60'000, newest), 201);
  EXPECT_LE(chart->PointsHeld(), 201 + 4) << "the minute in view and one reading of each curve before it";

  // More readings in view than columns: the lowest and highest of each column stay.
  chart.reset();
  measure::ReadingHistory long_run(6 * ReadingChart::kDrawColumns);
  feed.Listen([&](const measure::Reading& r) { long_run.Add(r); });
  for (int i = 0; i < 6 * ReadingChart::kDrawColumns; ++i) Poll("09", Quantity::kPressure, (i * 7919) % 1000);
  chart = std::make_unique<ReadingChart>(long_run, feed);
  span = chart->findChild<QComboBox*>();
  span->setCurrentIndex(span->count() - 1);
  QXYSeries* line = Series("09 压力 (kPa)");
  ASSERT_TRUE(line);
  EXPECT_LE(line->count(), 2 * ReadingChart::kDrawColumns + 2);
  EXPECT_GE(line->count(), ReadingChart::kDrawColumns);
  const QList<QPointF> points = line->points();
  const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                               [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
  EXPECT_EQ(low->y(), 0);
  EXPECT_EQ(high->y(), 999);
}

}  // namespace
}  // namespace views
