#include "views/bus_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace views {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("BusView", text); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// "0.4 s", "12 s", "3 min": how long ago, coarser as it grows.
QString Ago(std::uint64_t us) {
  const double s = static_cast<double>(us) / 1e6;
  if (s < 10) return Tr("%1 秒前").arg(s, 0, 'f', 1);
  if (s < 120) return Tr("%1 秒前").arg(static_cast<int>(s));
  return Tr("%1 分钟前").arg(static_cast<int>(s / 60));
}

}  // namespace

BusView::BusView(measure::BusPoll& poll, QWidget* parent)
    : QWidget(parent),
      poll_(poll),
      table_(new QTableWidget(0, kColumns)),
      start_stop_(new QPushButton),
      interval_(new QSpinBox),
      cycle_(new QLabel),
      ages_(new QTimer(this)) {
  setObjectName(kObjectName);
  setWindowTitle(Tr("总线巡检"));
  table_->setHorizontalHeaderLabels({Tr("地址"), Tr("序列号"), Tr("压力"), Tr("温度 (℃)"), Tr("失败次数"),
                                     Tr("最小值"), Tr("最大值"), Tr("上次应答")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setToolTip(Tr("双击一行：停止巡检，在主窗口选中该变送器"));

  // 0 is as fast as the bus allows; a shorter interval than the bus needs runs back to back.
  interval_->setRange(0, 3'600'000);
  interval_->setSingleStep(100);
  interval_->setSuffix(Tr(" 毫秒"));
  interval_->setSpecialValueText(Tr("尽快"));
  interval_->setValue(poll_.interval_ms());

  auto* controls = new QHBoxLayout;
  controls->addWidget(start_stop_);
  controls->addWidget(new QLabel(Tr("间隔:")));
  controls->addWidget(interval_);
  controls->addWidget(cycle_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(controls);

  connect(start_stop_, &QPushButton::clicked, this, [this] { poll_.Toggle(); });
  connect(interval_, &QSpinBox::valueChanged, this, [this](int ms) { poll_.set_interval_ms(ms); });
  connect(table_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { poll_.SelectInMainWindow(static_cast<std::size_t>(row)); });
  connect(ages_, &QTimer::timeout, this, [this] { Refresh(); });
  ages_->start(1000);
  listener_ = poll_.Listen([this] { Refresh(); });
  Refresh();
}

BusView::~BusView() { poll_.Forget(listener_); }

BusView& BusView::ShowFor(QWidget& main_window, measure::BusPoll& poll) {
  auto* view = main_window.findChild<BusView*>(kObjectName, Qt::FindDirectChildrenOnly);
  if (view == nullptr) {
    view = new BusView(poll, &main_window);
    view->setWindowFlag(Qt::Window);
    view->resize(820, 360);
  }
  view->show();
  view->raise();
  return *view;
}

void BusView::ShowWhenStarted(measure::BusPoll& poll) {
  poll.Listen([&poll, was_running = false]() mutable {
    const bool running = poll.running();
    if (running && !was_running) {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) != nullptr) ShowFor(*window, poll);
      }
    }
    was_running = running;
  });
}

void BusView::FillRow(int row, const measure::WatchedTransmitter& t) {
  const QString pressure = t.pressure.empty() ? QString() : Text(t.pressure) + ' ' + Text(t.unit);
  const QString ago = t.last_answer_us ? Ago(poll_.now_us() - *t.last_answer_us) : Tr("从未");
  const QString cells[kColumns] = {
      Text(t.address), Text(t.serial), pressure, Text(t.temperature), QString::number(t.failures),
      Text(t.min),     Text(t.max),    ago};
  for (int column = 0; column < kColumns; ++column) {
    QTableWidgetItem* item = table_->item(row, column);
    if (item == nullptr) {
      item = new QTableWidgetItem;
      item->setTextAlignment(column == kAddress || column == kSerial ? Qt::AlignCenter
                                                                     : Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    }
    item->setText(cells[column]);
    item->setForeground(t.failed_last_turn ? QBrush(Qt::red) : QBrush());
  }
}

void BusView::Refresh() {
  const std::vector<measure::WatchedTransmitter>& rows = poll_.transmitters();
  if (table_->rowCount() != static_cast<int>(rows.size())) table_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) FillRow(static_cast<int>(i), rows[i]);
  start_stop_->setText(poll_.running() ? Tr("停止") : Tr("开始"));
  cycle_->setText(poll_.cycles() == 0
                      ? QString()
                      : Tr("一轮 %1 秒").arg(static_cast<double>(poll_.last_cycle_us()) / 1e6, 0, 'f', 2));
}

}  // namespace views
