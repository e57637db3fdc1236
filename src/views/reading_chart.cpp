#include "views/reading_chart.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
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
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <string>
#include <utility>

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

// One point as it comes; many at once in one replacement, since a series redraws after
// each point it is given.
void AppendPoints(QXYSeries& series, QList<QPointF> points) {
  if (points.size() == 1) {
    series.append(points.front());
  } else if (!points.isEmpty()) {
    series.replace(series.points() + points);
  }
}

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
      time_axis_(new QDateTimeAxis),
      pressure_axis_(new QValueAxis),
      temperature_axis_(new QValueAxis),
      span_(new QComboBox),
      scroll_(new QScrollBar(Qt::Horizontal)) {
  setObjectName(kObjectName);
  setWindowTitle(QCoreApplication::translate("ReadingChart", "测量曲线"));
  time_axis_->setFormat("HH:mm:ss");
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
    ShowTimeSpan();
  });
  connect(scroll_, &QScrollBar::valueChanged, this, [this] { ShowTimeSpan(); });
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

  for (std::size_t i = 0; i < history_.size(); ++i) Add(history_.at(i));
  Draw();
  listener_ = feed_.Listen([this](const measure::Reading& r) {
    Add(r);
    Draw();
  });
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
  for (QLegendMarker* marker : chart_->legend()->markers(&series)) {
    marker->setVisible(true);  // the entry stays, to show the curve again
    QColor label = marker->labelBrush().color();
    label.setAlphaF(shown ? 1.0 : 0.4);
    marker->setLabelBrush(label);
  }
}

QString ReadingChart::CurveName(const measure::Reading& r) {
  return QString::fromStdString(r.address) + ' ' + QuantityCaption(r.quantity);
}

ReadingChart::Curve& ReadingChart::CurveFor(const measure::Reading& r) {
  const std::string key = r.address + '\n' + std::string(1, static_cast<char>(r.quantity)) + '\n' + r.unit;
  Curve& curve = curves_[key];
  if (curve.line == nullptr) {
    curve.line = new QLineSeries;
    curve.line->setName(CurveName(r) + " (" + QString::fromStdString(r.unit) + ')');
    Plot(curve.line, r.quantity);
  }
  return curve;
}

void ReadingChart::MarkFailure(Curve& curve, const measure::Reading& r) {
  if (curve.failures == nullptr) {  // made with the first failure: no empty entry in the legend
    curve.failures = new QScatterSeries;
    curve.failures->setName(CurveName(r) + ' ' + QCoreApplication::translate("ReadingChart", "失败"));
    curve.failures->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    curve.failures->setMarkerSize(7);
    curve.failures->setColor(Qt::red);
    Plot(curve.failures, r.quantity);
  }
  // Where the curve stood, or the foot of its axis before its first value.
  const Range& range = RangeOf(r.quantity);
  curve.new_failures.append(QPointF(static_cast<qreal>(r.time_ms), curve.has_value ? curve.last_value
                                                                   : range.empty   ? 0.0
                                                                                   : range.low));
}

void ReadingChart::Add(const measure::Reading& r) {
  if (!has_readings_) {
    first_ms_ = r.time_ms;
    has_readings_ = true;
    chart_->setTitle(QString());
  }
  last_ms_ = std::max<qint64>(last_ms_, r.time_ms);
  Curve& curve = CurveFor(r);
  if (r.failed) {
    MarkFailure(curve, r);
  } else if (r.value) {
    curve.new_points.append(QPointF(static_cast<qreal>(r.time_ms), *r.value));
    curve.last_value = *r.value;
    curve.has_value = true;
    Range& range = RangeOf(r.quantity);
    range.low = range.empty ? *r.value : std::min(range.low, *r.value);
    range.high = range.empty ? *r.value : std::max(range.high, *r.value);
    range.empty = false;
  }
  // An overflow mark has no number: the curve goes on at the next value.
  if (r.quantity == measure::Quantity::kPressure) pressure_unit_ = QString::fromStdString(r.unit);
}

void ReadingChart::Draw() {
  for (auto& [key, curve] : curves_) {
    AppendPoints(*curve.line, std::exchange(curve.new_points, {}));
    if (curve.failures != nullptr) AppendPoints(*curve.failures, std::exchange(curve.new_failures, {}));
  }
  for (measure::Quantity q : {measure::Quantity::kPressure, measure::Quantity::kTemperature}) {
    const Range& range = RangeOf(q);
    if (range.empty) continue;
    const double margin = std::max((range.high - range.low) * 0.05, 0.5);
    ShowRoundTicks(*AxisFor(q), range.low - margin, range.high + margin);
  }
  if (!pressure_unit_.isEmpty())
    pressure_axis_->setTitleText(QCoreApplication::translate("ReadingChart", "压力") + " (" + pressure_unit_ +
                                 ')');
  ShowTimeSpan();
}

ReadingChart::Range& ReadingChart::RangeOf(measure::Quantity quantity) {
  return quantity == measure::Quantity::kPressure ? pressure_range_ : temperature_range_;
}

qint64 ReadingChart::SpanMs() const {
  const int minutes =
      kSpanMinutes[std::clamp(span_->currentIndex(), 0, static_cast<int>(std::size(kSpanMinutes)) - 1)];
  return minutes == 0 ? std::max<qint64>(last_ms_ - first_ms_, 1000) : qint64{minutes} * 60 * 1000;
}

std::pair<qint64, qint64> ReadingChart::TimeInView() const {
  const qint64 span = SpanMs();
  if (!has_readings_) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return {now - span, now};
  }
  const bool following = scroll_->value() >= scroll_->maximum();
  const qint64 from = following ? last_ms_ - span : first_ms_ + qint64{scroll_->value()} * 1000;
  return {from, from + span};
}

void ReadingChart::ShowTimeSpan() {
  // The bar moves the view's start through the history in seconds; at its end the view
  // follows the newest reading.
  const bool following = scroll_->value() >= scroll_->maximum();
  const qint64 span = SpanMs();
  const int last_start = static_cast<int>(std::max<qint64>(0, (last_ms_ - first_ms_ - span + 999) / 1000));
  {
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0, has_readings_ ? last_start : 0);
    scroll_->setPageStep(static_cast<int>(span / 1000));
    if (following) scroll_->setValue(scroll_->maximum());
  }
  const auto [from, to] = TimeInView();
  time_axis_->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
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
