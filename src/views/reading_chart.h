#pragma once
// Dravon's measurement chart: pressure and temperature of every polled transmitter
// against time, each quantity on its own axis with its unit. It shows the history kept
// so far and follows the new readings; the last minutes are in view, and a scroll bar
// and a span choice reach the whole history. Failed polls are marked where the curve
// stood, never drawn as zero. A click on a curve's legend entry hides it. The history
// can be saved as CSV and the chart as PNG.

#include <QList>
#include <QPointF>
#include <QWidget>
#include <map>
#include <string>
#include <utility>

#include "measure/reading_feed.h"
#include "measure/reading_history.h"

class QComboBox;
class QScrollBar;
class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace views {

class ReadingChart final : public QWidget {
 public:
  // The object name of the tool window, which ShowFor finds again.
  static constexpr const char* kObjectName = "ReadingChart";

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

  // Hides or shows one curve (its legend entry stays, dimmed while hidden), as a click on
  // the entry does.
  void SetCurveShown(QXYSeries& series, bool shown);

  // What the buttons do once their file dialog has a name; false after a message box
  // saying why the file was not written.
  bool SaveCsv(const QString& path);
  bool SavePng(const QString& path);

 private:
  struct Curve {
    QLineSeries* line = nullptr;
    QScatterSeries* failures = nullptr;
    QList<QPointF> new_points, new_failures;  // not drawn yet
    double last_value = 0.0;                  // where a failed poll is marked
    bool has_value = false;
  };
  struct Range {
    double low = 0.0, high = 0.0;
    bool empty = true;
  };

  void Add(const measure::Reading& reading);
  Curve& CurveFor(const measure::Reading& reading);
  void MarkFailure(Curve& curve, const measure::Reading& reading);
  static QString CurveName(const measure::Reading& reading);
  QValueAxis* AxisFor(measure::Quantity quantity) const;
  void Plot(QXYSeries* series, measure::Quantity quantity);
  void Draw();
  Range& RangeOf(measure::Quantity quantity);
  void ShowTimeSpan();
  qint64 SpanMs() const;

  const measure::ReadingHistory& history_;
  measure::ReadingFeed& feed_;
  int listener_ = -1;
  QChart* chart_;
  QChartView* view_;
  QDateTimeAxis* time_axis_;
  QValueAxis* pressure_axis_;
  QValueAxis* temperature_axis_;
  QComboBox* span_;
  QScrollBar* scroll_;
  std::map<std::string, Curve> curves_;  // by address and quantity
  Range pressure_range_, temperature_range_;
  QString pressure_unit_;
  qint64 first_ms_ = 0, last_ms_ = 0;
  bool has_readings_ = false;
};

}  // namespace views
