// The measurement chart: what it draws of the history and of new readings, the time it
// shows, and what it saves.
#include "views/reading_chart.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QXYSeries>

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
}

TEST_F(ReadingChartTest, ShowsTheLastMinutesFollowingNewReadingsAndScrollsBackThroughTheWholeHistory) {
  for (int i = 0; i < 2000; ++i) Poll("01", Quantity::kPressure, i);  // ten minutes before it opens
  chart = std::make_unique<ReadingChart>(history, feed);
  EXPECT_EQ(Series("01 压力 (kPa)")->count(), 2000) << "the history so far";
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

}  // namespace
}  // namespace views
