#pragma once
// Dravon's measurement chart: pressure and temperature of every polled transmitter
// against time, each quantity on its own axis with its unit. It shows the history kept
// so far and follows the new readings; the last minutes are in view, and a scroll bar
// and a span choice reach the whole history. Failed polls are marked where the curve
// stood, never drawn as zero. A click on a curve's legend entry hides it. The history
// can be saved as CSV and the chart as PNG.
//
// The chart keeps no readings of its own: each drawing reads the span in view from the
// history, so it holds no more than the history does (a day) however long it stays open.
// Its curves get at most two points (the lowest and the highest) per column of
// kDrawColumns across the view, so that a day in view draws as fast as a few minutes.

#include <QList>
#include <QPointF>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "measure/reading_feed.h"
#include "measure/reading_history.h"

class QCategoryAxis;
class QComboBox;
class QScrollBar;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QTimer;
class QValueAxis;
class QXYSeries;

namespace views {

class ReadingChart final : public QWidget {
 public:
  // The object name of the tool window, which ShowFor finds again.
  static constexpr const char* kObjectName = "ReadingChart";
  // More columns than a chart window is pixels wide on an ordinary screen.
  static constexpr int kDrawColumns = 1200;
  // Readings closer than this to the last drawn one wait to be drawn with the next ones.
  static constexpr qint64 kRedrawMs = 250;

  ReadingChart(const measure::ReadingHistory& history, measure::ReadingFeed& feed, QWidget* parent = nullptr);
  ~ReadingChart() override;

  // The chart window of `main_window`, made on first use (a window of its own that
  // closes with it), shown and raised.
  static ReadingChart& ShowFor(QWidget& main_window, const measure::ReadingHistory& history,
                               measure::ReadingFeed& feed);

  QChart& chart() { return *chart_; }
  // The time span in view, milliseconds since 1970-01-01 UTC.
  std::pair<qint64, qint64> TimeInView() const;
  bool HintShown() const;
  // Points on all curves together, failure marks included: what the chart holds.
  qsizetype PointsHeld() const;

  // Hides or shows one curve and its failure marks (its legend entry stays, dimmed while
  // hidden), as a click on the entry does.
  void SetCurveShown(QXYSeries& series, bool shown);

  // What the buttons do once their file dialog has a name; false after a message box
  // saying why the file was not written.
  bool SaveCsv(const QString& path);
  bool SavePng(const QString& path);

 private:
  struct Curve {
    QLineSeries* line = nullptr;
    QScatterSeries* failures = nullptr;  // made with the first failure: no empty legend entry
    measure::Quantity quantity = measure::Quantity::kPressure;
    QString name, unit;
  };
  struct Range {
    double low = 0.0, high = 0.0;
    bool empty = true;
    void Take(double value);
  };

  void TakeReading(const measure::Reading& reading);
  void TakeNewCurves();
  Curve& MakeCurve(std::size_t index);
  QScatterSeries& FailuresOf(Curve& curve);
  QValueAxis* AxisFor(measure::Quantity quantity) const;
  void Plot(QXYSeries* series, measure::Quantity quantity);
  void Draw();
  void ShowTimeSpan();
  qint64 SpanMs() const;
  qint64 FirstMs() const;
  qint64 LastMs() const;

  const measure::ReadingHistory& history_;
  measure::ReadingFeed& feed_;
  int listener_ = -1;
  QChart* chart_;
  QChartView* view_;
  QCategoryAxis* time_axis_;
  QValueAxis* pressure_axis_;
  QValueAxis* temperature_axis_;
  QComboBox* span_;
  QScrollBar* scroll_;
  QTimer* redraw_;
  qint64 last_drawn_ms_ = 0;  // the newest reading's time at the last drawing
  std::map<std::uint64_t, Curve> curves_;  // by the history's curve number
  std::uint64_t curves_taken_ = 0;         // readings ever added whose curves are made
};

}  // namespace views
