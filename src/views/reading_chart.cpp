#include "views/reading_chart.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QCategoryAxis>
#include <QFileDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "gui/last_folder.h"
#include "views/round_axis.h"
#include "gui/tool_window_place.h"
#include "measure/reading_log.h"

namespace views {

namespace {

// The spans the chart can show, in minutes; 0 is the whole history.
constexpr int kSpanMinutes[] = {1, 5, 30, 120, 0};
constexpr int kDefaultSpan = 1;  // five minutes

// The window's Chinese face (WenQuanYi Micro Hei) has a blank glyph for "℃": the
// chart's texts take their Latin letters and the sign from DejaVu Sans and only the
// Chinese from that face.
QFont WithDegreeSign(QFont font) {
  font.setFamilies({"DejaVu Sans", font.family()});
  return font;
}

// One column of a curve across the view: its lowest and highest value, and its first
// failure, which is all that a column of pixels can show of the readings in it.
struct Column {
  qint64 index = -1;
  QPointF low, high;
  bool has_value = false;
  qint64 failure_ms = 0;
  bool has_failure = false;
};

// A curve's points for one drawing, gathered column by column.
struct CurveDrawing {
  QList<QPointF> points, failures;
  QList<qint64> failures_before_value;  // marked at the foot of the axis
  Column column;
  double last_value = 0.0;
  bool has_value = false;

  void Flush() {
    if (column.has_value) {
      const bool low_first = column.low.x() <= column.high.x();
      points.append(low_first ? column.low : column.high);
      if (column.low != column.high) points.append(low_first ? column.high : column.low);
    }
    column = {};
  }
  void Take(qint64 index, const measure::ReadingHistory::Sample& s) {
    if (index != column.index) {
      Flush();
      column.index = index;
    }
    const auto t = static_cast<qreal>(s.time_ms);
    if (s.failed) {
      if (column.has_failure) return;
      column.has_failure = true;
      // Where the curve stood, never at zero.
      if (has_value) {
        failures.append(QPointF(t, last_value));
      } else {
        failures_before_value.append(s.time_ms);
      }
    } else if (!std::isnan(s.value)) {  // an overflow mark has no number: the curve goes on
      const QPointF point(t, s.value);
      if (!column.has_value || s.value < column.low.y()) column.low = point;
      if (!column.has_value || s.value > column.high.y()) column.high = point;
      column.has_value = true;
      last_value = s.value;
      has_value = true;
    }
  }
};

QString QuantityCaption(measure::Quantity quantity) {
  return quantity == measure::Quantity::kPressure ? QCoreApplication::translate("ReadingChart", "压力")
                                                  : QCoreApplication::translate("ReadingChart", "温度");
}

}  // namespace

ReadingChart::ReadingChart(const measure::ReadingHistory& history, measure::ReadingFeed& feed,
                           QWidget* parent)
    : QWidget(parent),
      history_(history),
      feed_(feed),
      chart_(new QChart),
      view_(new QChartView(chart_)),
      time_axis_(new QCategoryAxis),
      pressure_axis_(new QValueAxis),
      temperature_axis_(new QValueAxis),
      span_(new QComboBox),
      scroll_(new QScrollBar(Qt::Horizontal)),
      redraw_(new QTimer(this)) {
  setObjectName(kObjectName);
  setWindowTitle(QCoreApplication::translate("ReadingChart", "测量曲线"));
  time_axis_->setTitleText(QCoreApplication::translate("ReadingChart", "时间"));
  pressure_axis_->setTitleText(QCoreApplication::translate("ReadingChart", "压力"));
  temperature_axis_->setTitleText(QCoreApplication::translate("ReadingChart", "温度 (℃)"));
  chart_->addAxis(time_axis_, Qt::AlignBottom);
  chart_->addAxis(pressure_axis_, Qt::AlignLeft);
  chart_->addAxis(temperature_axis_, Qt::AlignRight);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->legend()->setFont(WithDegreeSign(chart_->legend()->font()));
  chart_->setTitleFont(WithDegreeSign(chart_->titleFont()));
  for (QAbstractAxis* axis : chart_->axes()) {
    axis->setLabelsFont(WithDegreeSign(axis->labelsFont()));
    axis->setTitleFont(WithDegreeSign(axis->titleFont()));
  }
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(640, 360);

  // The hint stands in the chart's title until the first reading.
  chart_->setTitle(QCoreApplication::translate(
      "ReadingChart", "还没有测量值：选择变送器，按“采集”开始采集后，压力和温度曲线显示在这里。"));

  for (int minutes : kSpanMinutes) {
    span_->addItem(minutes == 0 ? QCoreApplication::translate("ReadingChart", "全部")
                                : QCoreApplication::translate("ReadingChart", "最近 %1 分钟").arg(minutes));
  }
  span_->setCurrentIndex(kDefaultSpan);
  scroll_->setRange(0, 0);  // at its end: following
  auto* save_csv = new QPushButton(QCoreApplication::translate("ReadingChart", "保存数据(CSV)..."));
  auto* save_png = new QPushButton(QCoreApplication::translate("ReadingChart", "保存图片(PNG)..."));
  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QCoreApplication::translate("ReadingChart", "显示范围:")));
  controls->addWidget(span_);
  controls->addWidget(scroll_, 1);
  controls->addWidget(save_csv);
  controls->addWidget(save_png);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(controls);

  connect(span_, &QComboBox::currentIndexChanged, this, [this] {
    scroll_->setValue(scroll_->maximum());  // a new span starts at the newest readings
    Draw();
  });
  connect(scroll_, &QScrollBar::valueChanged, this, [this] { Draw(); });
  connect(save_csv, &QPushButton::clicked, this, [this] {
    const QString path =
        QFileDialog::getSaveFileName(this, QCoreApplication::translate("ReadingChart", "保存测量数据"),
                                     gui::DialogStart("readings.csv"), "CSV (*.csv)");
    gui::NoteChosenFile(path);
    if (!path.isEmpty()) SaveCsv(path);
  });
  connect(save_png, &QPushButton::clicked, this, [this] {
    const QString path =
        QFileDialog::getSaveFileName(this, QCoreApplication::translate("ReadingChart", "保存曲线图片"),
                                     gui::DialogStart("chart.png"), "PNG (*.png)");
    gui::NoteChosenFile(path);
    if (!path.isEmpty()) SavePng(path);
  });

  Draw();
  // The history hears of each reading first: it was made and fed before this chart.
  redraw_->setSingleShot(true);
  connect(redraw_, &QTimer::timeout, this, [this] { Draw(); });
  listener_ = feed_.Listen([this](const measure::Reading& r) { TakeReading(r); });
}

ReadingChart::~ReadingChart() { feed_.Forget(listener_); }

ReadingChart& ReadingChart::ShowFor(QWidget& main_window, const measure::ReadingHistory& history,
                                    measure::ReadingFeed& feed) {
  auto* chart = main_window.findChild<ReadingChart*>(kObjectName, Qt::FindDirectChildrenOnly);
  if (chart == nullptr) {
    chart = new ReadingChart(history, feed, &main_window);
    chart->setWindowFlag(Qt::Window);
    chart->resize(900, 560);
    gui::PlaceBeside(*chart, main_window);
  }
  chart->show();
  chart->raise();
  chart->activateWindow();
  return *chart;
}

QValueAxis* ReadingChart::AxisFor(measure::Quantity quantity) const {
  return quantity == measure::Quantity::kPressure ? pressure_axis_ : temperature_axis_;
}

void ReadingChart::Plot(QXYSeries* series, measure::Quantity quantity) {
  chart_->addSeries(series);
  series->attachAxis(time_axis_);
  series->attachAxis(AxisFor(quantity));
  // A click on its legend entry hides the curve, a second shows it again: with many
  // transmitters on the bus, the user keeps the ones to compare.
  for (QLegendMarker* marker : chart_->legend()->markers(series)) {
    connect(marker, &QLegendMarker::clicked, this,
            [this, series] { SetCurveShown(*series, !series->isVisible()); });
  }
}

void ReadingChart::SetCurveShown(QXYSeries& series, bool shown) {
  series.setVisible(shown);
  for (auto& [key, curve] : curves_) {
    if (curve.line == &series && curve.failures != nullptr) curve.failures->setVisible(shown);
  }
  for (QLegendMarker* marker : chart_->legend()->markers(&series)) {
    marker->setVisible(true);  // the entry stays, to show the curve again
    QColor label = marker->labelBrush().color();
    label.setAlphaF(shown ? 1.0 : 0.4);
    marker->setLabelBrush(label);
  }
}

void ReadingChart::Range::Take(double value) {
  low = empty ? value : std::min(low, value);
  high = empty ? value : std::max(high, value);
  empty = false;
}

// Every curve gets its series and legend entry with its first reading, whether in view
// or not, so that the legend lists every transmitter of the run.
void ReadingChart::TakeNewCurves() {
  const std::uint64_t fresh = std::min<std::uint64_t>(history_.added() - curves_taken_, history_.size());
  for (std::size_t i = history_.size() - fresh; i < history_.size(); ++i) {
    if (!curves_.contains(history_.sample(i).curve)) MakeCurve(i);
  }
  curves_taken_ = history_.added();
}

ReadingChart::Curve& ReadingChart::MakeCurve(std::size_t index) {
  const measure::Reading r = history_.at(index);
  Curve& curve = curves_[history_.sample(index).curve];
  curve.quantity = r.quantity;
  curve.name = QString::fromStdString(r.address) + ' ' + QuantityCaption(r.quantity);
  curve.unit = QString::fromStdString(r.unit);
  curve.line = new QLineSeries;
  curve.line->setName(curve.name + " (" + curve.unit + ')');
  Plot(curve.line, r.quantity);
  return curve;
}

QScatterSeries& ReadingChart::FailuresOf(Curve& curve) {
  if (curve.failures == nullptr) {
    curve.failures = new QScatterSeries;
    curve.failures->setName(curve.name + ' ' + QCoreApplication::translate("ReadingChart", "失败"));
    curve.failures->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    curve.failures->setMarkerSize(7);
    curve.failures->setColor(Qt::red);
    Plot(curve.failures, curve.quantity);
    // Red squares need no legend entry of their own, which would double the legend of a
    // bus: they show and hide with their curve.
    for (QLegendMarker* marker : chart_->legend()->markers(curve.failures)) marker->setVisible(false);
    curve.failures->setVisible(curve.line->isVisible());
  }
  return *curve.failures;
}

// Polling one transmitter every 300 ms, each reading is drawn as it comes; a bus poll
// brings dozens a second, and they are drawn together, a few times a second.
void ReadingChart::TakeReading(const measure::Reading& r) {
  if (redraw_->isActive()) return;  // a drawing is due, and takes this reading too
  if (r.time_ms >= last_drawn_ms_ && r.time_ms - last_drawn_ms_ < kRedrawMs) {
    redraw_->start(static_cast<int>(kRedrawMs));
    return;
  }
  Draw();
}

void ReadingChart::Draw() {
  redraw_->stop();
  last_drawn_ms_ = LastMs();
  TakeNewCurves();
  if (history_.size() > 0) chart_->setTitle(QString());  // the hint goes with the first reading
  ShowTimeSpan();
  const auto [from, to] = TimeInView();
  const qint64 span = std::max<qint64>(to - from, 1);
  // The readings in view and, since the curves take turns, about one of each curve on
  // either side, so that the curves run on to the view's edges.
  const std::size_t margin = curves_.size();
  const std::size_t first = history_.FirstAtOrAfter(from);
  const std::size_t begin = first > margin ? first - margin : 0;
  const std::size_t end = std::min(history_.FirstAtOrAfter(to + 1) + margin, history_.size());

  // A handful of curves, looked up for every reading in view: a short list, searched
  // from the one the last reading went to, beats a map.
  std::vector<std::pair<std::uint64_t, CurveDrawing>> drawings;
  drawings.reserve(curves_.size());
  std::size_t current = 0;
  Range pressure, temperature;
  std::uint64_t newest_pressure_curve = 0;
  bool has_pressure = false;
  for (std::size_t i = begin; i < end; ++i) {
    const measure::ReadingHistory::Sample s = history_.sample(i);
    if (current >= drawings.size() || drawings[current].first != s.curve) {
      current = static_cast<std::size_t>(
          std::find_if(drawings.begin(), drawings.end(), [&s](const auto& d) { return d.first == s.curve; }) -
          drawings.begin());
      if (current == drawings.size()) drawings.emplace_back(s.curve, CurveDrawing{});
    }
    const qint64 column = std::clamp<qint64>((s.time_ms - from) * kDrawColumns / span, -1, kDrawColumns);
    drawings[current].second.Take(column, s);
    if (std::isnan(s.value)) continue;
    if (s.quantity == measure::Quantity::kPressure) {
      pressure.Take(s.value);
      newest_pressure_curve = s.curve;
      has_pressure = true;
    } else {
      temperature.Take(s.value);
    }
  }

  for (measure::Quantity q : {measure::Quantity::kPressure, measure::Quantity::kTemperature}) {
    const Range& range = q == measure::Quantity::kPressure ? pressure : temperature;
    if (range.empty) continue;  // nothing in view: the axis stays as it was
    const double pad = std::max((range.high - range.low) * 0.05, 0.5);
    ShowRoundTicks(*AxisFor(q), range.low - pad, range.high + pad);
  }
  for (auto& [key, curve] : curves_) {
    const auto found = std::find_if(drawings.begin(), drawings.end(), [key](const auto& d) { return d.first == key; });
    CurveDrawing drawing = found != drawings.end() ? std::move(found->second) : CurveDrawing{};  // empty: none in view
    drawing.Flush();
    for (const qint64 at : drawing.failures_before_value)  // before its first value in view
      drawing.failures.append(QPointF(static_cast<qreal>(at), AxisFor(curve.quantity)->min()));
    curve.line->replace(drawing.points);
    if (!drawing.failures.isEmpty() || curve.failures != nullptr) FailuresOf(curve).replace(drawing.failures);
  }
  if (const auto newest = curves_.find(newest_pressure_curve); has_pressure && newest != curves_.end())
    pressure_axis_->setTitleText(QCoreApplication::translate("ReadingChart", "压力") + " (" + newest->second.unit +
                                 ')');
}

qint64 ReadingChart::SpanMs() const {
  const int minutes =
      kSpanMinutes[std::clamp(span_->currentIndex(), 0, static_cast<int>(std::size(kSpanMinutes)) - 1)];
  return minutes == 0 ? std::max<qint64>(LastMs() - FirstMs(), 1000) : qint64{minutes} * 60 * 1000;
}

qint64 ReadingChart::FirstMs() const { return history_.size() == 0 ? 0 : history_.sample(0).time_ms; }

qint64 ReadingChart::LastMs() const {
  return history_.size() == 0 ? 0 : history_.sample(history_.size() - 1).time_ms;
}

qsizetype ReadingChart::PointsHeld() const {
  qsizetype points = 0;
  for (const auto& [key, curve] : curves_)
    points += curve.line->count() + (curve.failures != nullptr ? curve.failures->count() : 0);
  return points;
}

std::pair<qint64, qint64> ReadingChart::TimeInView() const {
  const qint64 span = SpanMs();
  if (history_.size() == 0) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return {now - span, now};
  }
  const bool following = scroll_->value() >= scroll_->maximum();
  const qint64 from = following ? LastMs() - span : FirstMs() + qint64{scroll_->value()} * 1000;
  return {from, from + span};
}

void ReadingChart::ShowTimeSpan() {
  // The bar moves the view's start through the history in seconds; at its end the view
  // follows the newest reading.
  const bool following = scroll_->value() >= scroll_->maximum();
  const qint64 span = SpanMs();
  const int last_start = static_cast<int>(std::max<qint64>(0, (LastMs() - FirstMs() - span + 999) / 1000));
  {
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0, last_start);
    scroll_->setPageStep(static_cast<int>(span / 1000));
    if (following) scroll_->setValue(scroll_->maximum());
  }
  const auto [from, to] = TimeInView();
  ShowRoundTimeTicks(*time_axis_, from, to);
}

bool ReadingChart::HintShown() const { return !chart_->title().isEmpty(); }

bool ReadingChart::SaveCsv(const QString& path) {
  std::string error;
  if (measure::SaveHistoryCsv(history_, path.toStdString(), error)) return true;
  QMessageBox::warning(
      this, windowTitle(),
      QCoreApplication::translate("ReadingChart", "测量数据没有保存：%1").arg(QString::fromStdString(error)));
  return false;
}

bool ReadingChart::SavePng(const QString& path) {
  if (view_->grab().save(path, "PNG")) return true;
  QMessageBox::warning(this, windowTitle(),
                       QCoreApplication::translate("ReadingChart", "图片没有保存：%1").arg(path));
  return false;
}

}  // namespace views
