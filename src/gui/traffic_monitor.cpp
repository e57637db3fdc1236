#include "gui/traffic_monitor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "gui/last_folder.h"
#include "gui/tool_window_place.h"
#include "gui/traffic_rows.h"
#include "gui/traffic_table_model.h"
#include "platform/serial/trace_json.h"

namespace gui {

namespace {

constexpr int kRowHeight = 20;

}  // namespace

TrafficMonitor::TrafficMonitor(platform::TrafficLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window),
      log_(log),
      model_(new TrafficTableModel(log, this)),
      view_(new QTableView(this)),
      pause_(new QCheckBox(QCoreApplication::translate("TrafficMonitor", "暂停"), this)),
      hex_(new QCheckBox(QCoreApplication::translate("TrafficMonitor", "十六进制"), this)),
      count_(new QLabel(this)),
      update_timer_(new QTimer(this)) {
  setObjectName("TrafficMonitor");
  setWindowTitle(QCoreApplication::translate("TrafficMonitor", "通讯监视器"));
  resize(760, 420);

  auto* clear = new QPushButton(QCoreApplication::translate("TrafficMonitor", "清除"), this);
  auto* save = new QPushButton(QCoreApplication::translate("TrafficMonitor", "保存…"), this);
  auto* bar = new QHBoxLayout;
  bar->addWidget(pause_);
  bar->addWidget(hex_);
  bar->addWidget(clear);
  bar->addWidget(save);
  bar->addStretch();
  bar->addWidget(count_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(view_);

  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  // Fixed row heights and column widths: the view never measures every row.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->setColumnWidth(TrafficTableModel::kTime, 100);
  // The arrows need little room; the column's name in the shown language may need more.
  view_->setColumnWidth(
      TrafficTableModel::kDirection,
      std::max(40, view_->horizontalHeader()->sectionSizeHint(TrafficTableModel::kDirection)));
  view_->setColumnWidth(TrafficTableModel::kContent, 560);
  view_->setColumnHidden(TrafficTableModel::kHex, true);

  update_timer_->setSingleShot(true);
  update_timer_->setInterval(kUpdateDelayMs);
  connect(update_timer_, &QTimer::timeout, this, [this] { Update(); });
  // A reply that comes a byte at a time on a slow line stands on one row.
  log_.set_gather_received(true);
  log_.set_on_record([this] {
    if (!update_timer_->isActive()) update_timer_->start();
  });
  connect(pause_, &QCheckBox::toggled, this, [this](bool paused) {
    if (!paused) Update();
  });
  connect(hex_, &QCheckBox::toggled, this, [this](bool shown) {
    view_->setColumnHidden(TrafficTableModel::kHex, !shown);
    // The bytes' column gives the hex its room.
    view_->setColumnWidth(TrafficTableModel::kContent, shown ? 300 : 560);
  });
  connect(clear, &QPushButton::clicked, this, [this] { Clear(); });
  connect(save, &QPushButton::clicked, this, [this] { AskAndSave(); });
  Update();
}

TrafficMonitor::~TrafficMonitor() { log_.set_on_record(nullptr); }

void TrafficMonitor::Update() {
  QScrollBar* bar = view_->verticalScrollBar();
  // Following unless the user has scrolled up to read something.
  const bool follow = bar->value() >= bar->maximum();
  model_->CatchUp(!pause_->isChecked());
  if (follow && !pause_->isChecked()) view_->scrollToBottom();
  count_->setText(QCoreApplication::translate("TrafficMonitor", "%1 条记录").arg(model_->rowCount()));
}

void TrafficMonitor::Clear() {
  log_.Clear();
  Update();
}

bool TrafficMonitor::SaveTo(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  const bool json =
      path.endsWith(".jsonl", Qt::CaseInsensitive) || path.endsWith(".json", Qt::CaseInsensitive);
  QTextStream out(&file);
  out.setEncoding(QStringConverter::Utf8);
  for (std::uint64_t n = log_.first_number(); n < log_.next_number(); ++n) {
    const platform::TrafficRecord& record = log_.At(n);
    if (json)
      out << QString::fromStdString(platform::TraceLine(record)) << '\n';
    else
      out << RowLine(RowOf(record), hex_->isChecked()) << '\n';
  }
  out.flush();
  return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

void TrafficMonitor::AskAndSave() {
  const QString path = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("TrafficMonitor", "保存通讯记录"), DialogStart(),
      QCoreApplication::translate("TrafficMonitor", "文本文件 (*.txt);;JSON Lines (*.jsonl)"));
  if (path.isEmpty()) return;
  NoteChosenFile(path);
  if (!SaveTo(path))
    QMessageBox::warning(this, QCoreApplication::translate("TrafficMonitor", "通讯监视器"),
                         QCoreApplication::translate("TrafficMonitor", "无法写入文件 %1").arg(path));
}

ToolItem TrafficMonitorTool(std::function<platform::TrafficLog&()> log) {
  ToolItem item;
  item.name = "mnuTrafficMonitor";
  item.caption = QT_TRANSLATE_NOOP("gui::ToolMenu", "通讯监视器(&R)");
  // Shared by every copy of the entry's action: one monitor a program.
  auto monitor = std::make_shared<QPointer<TrafficMonitor>>();
  item.open = [log = std::move(log), monitor](QWidget& main_window) {
    if (monitor->isNull()) {
      *monitor = new TrafficMonitor(log(), &main_window);
      PlaceBeside(**monitor, main_window);
    }
    (*monitor)->show();
    (*monitor)->raise();
    (*monitor)->activateWindow();
  };
  return item;
}

}  // namespace gui
