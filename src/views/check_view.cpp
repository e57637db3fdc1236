#include "views/check_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "check/point_arithmetic.h"
#include "platform/text/decimal_text.h"
#include "platform/text/numeric_value.h"

namespace views {

namespace {

// Each text is marked where it stands, for lupdate to find.
QString Tr(const char* text) { return QCoreApplication::translate("CheckView", text); }

QString Number(const std::optional<double>& x, int decimals) {
  return x ? QString::fromStdString(platform::DecimalText(*x, decimals)) : QStringLiteral("—");
}

QMainWindow* MainWindowShown() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* main = qobject_cast<QMainWindow*>(window)) return main;
  return nullptr;
}

}  // namespace

CheckView::CheckView(check::CheckRun& run, QWidget* parent)
    : QWidget(parent),
      run_(run),
      point_(new QLabel),
      live_(new QLabel),
      stable_(new QLabel),
      table_(new QTableWidget(0, kColumns)),
      reference_(new QLineEdit),
      take_(new QPushButton(Tr(QT_TRANSLATE_NOOP("CheckView", "采用参考值")))),
      stop_(new QPushButton(Tr(QT_TRANSLATE_NOOP("CheckView", "停止检定")))) {
  setObjectName(kObjectName);
  setWindowTitle(Tr(QT_TRANSLATE_NOOP("CheckView", "校准检查")));
  table_->setHorizontalHeaderLabels(
      {Tr(QT_TRANSLATE_NOOP("CheckView", "点 (%)")), Tr(QT_TRANSLATE_NOOP("CheckView", "标称")),
       Tr(QT_TRANSLATE_NOOP("CheckView", "参考")), Tr(QT_TRANSLATE_NOOP("CheckView", "读数")),
       Tr(QT_TRANSLATE_NOOP("CheckView", "误差 (% 量程)")), Tr(QT_TRANSLATE_NOOP("CheckView", "结果"))});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  QFont big = live_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  live_->setFont(big);
  stable_->setAlignment(Qt::AlignCenter);
  stable_->setMinimumWidth(90);
  reference_->setPlaceholderText(Tr(QT_TRANSLATE_NOOP("CheckView", "参考压力")));

  auto* readings = new QHBoxLayout;
  readings->addWidget(live_, 1);
  readings->addWidget(stable_);
  auto* typed = new QHBoxLayout;
  typed->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("CheckView", "参考值:"))));
  typed->addWidget(reference_, 1);
  typed->addWidget(take_);
  typed->addStretch();
  typed->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(point_);
  layout->addLayout(readings);
  layout->addWidget(table_, 1);
  layout->addLayout(typed);

  connect(stop_, &QPushButton::clicked, this, [this] { run_.Stop(); });
  listener_ = run_.changes().Listen([this] { Refresh(); });
  Refresh();
}

CheckView::~CheckView() { run_.changes().Forget(listener_); }

CheckView& CheckView::ShowFor(QWidget& main_window, check::CheckRun& run) {
  auto* view = main_window.findChild<CheckView*>(kObjectName, Qt::FindDirectChildrenOnly);
  if (view == nullptr) {
    view = new CheckView(run, &main_window);
    view->setWindowFlag(Qt::Window);
    view->resize(720, 420);
  }
  view->show();
  view->raise();
  return *view;
}

void CheckView::AttachTo(check::CheckRun& run) {
  run.changes().Listen([&run, was_running = false]() mutable {
    const bool running = run.progress().running;
    if (running && !was_running)
      if (QMainWindow* main = MainWindowShown()) ShowFor(*main, run);
    was_running = running;
  });
  run.set_reference_asker([&run](const check::ReferenceRequest& request) -> std::optional<double> {
    QMainWindow* main = MainWindowShown();
    if (main == nullptr) return std::nullopt;
    return ShowFor(*main, run).AskReference(request);
  });
}

std::optional<double> CheckView::AskReference(const check::ReferenceRequest& request) {
  std::optional<double> typed;
  bool ended = false;
  QEventLoop wait;
  const auto take = connect(take_, &QPushButton::clicked, this, [&] {
    typed = platform::ParseNumberText(reference_->text().toStdString());
    if (typed) wait.quit();
  });
  const auto stop = connect(stop_, &QPushButton::clicked, this, [&] {
    ended = true;
    wait.quit();
  });
  reference_->clear();
  reference_->setFocus();
  point_->setText(point_->text() + Tr(QT_TRANSLATE_NOOP("CheckView", "  —  请输入参考值（读数稳定在 %1 %2）"))
                                       .arg(request.reading)
                                       .arg(QString::fromStdString(request.unit)));
  wait.exec();
  disconnect(take);
  disconnect(stop);
  return ended ? std::nullopt : typed;
}

void CheckView::Refresh() {
  const check::CheckProgress& p = run_.progress();
  const QString unit = QString::fromStdString(p.unit);
  point_->setText(p.point_count == 0 ? Tr(QT_TRANSLATE_NOOP("CheckView", "没有正在进行的检定"))
                                     : Tr(QT_TRANSLATE_NOOP("CheckView", "第 %1/%2 点：标称 %3 %4"))
                                           .arg(p.point + 1)
                                           .arg(p.point_count)
                                           .arg(Number(p.nominal, p.decimals))
                                           .arg(unit));
  live_->setText(Tr(QT_TRANSLATE_NOOP("CheckView", "读数 %1   参考 %2  %3"))
                     .arg(Number(p.reading, p.decimals), Number(p.reference, p.decimals), unit));
  stable_->setText(p.stable
                       ? Tr(QT_TRANSLATE_NOOP("CheckView", "稳定"))
                       : Tr(QT_TRANSLATE_NOOP("CheckView", "未稳定 (%1)")).arg(p.spread, 0, 'f', p.decimals));
  stable_->setStyleSheet(p.stable ? QStringLiteral("background:#2e7d32;color:white")
                                  : QStringLiteral("background:#f9a825"));
  reference_->setEnabled(p.waiting_for_reference);
  take_->setEnabled(p.waiting_for_reference);
  stop_->setEnabled(p.running);
  table_->setRowCount(static_cast<int>(p.done.size()));
  for (std::size_t row = 0; row < p.done.size(); ++row) {
    const check::PointResult& r = p.done[row];
    QString result = QString::fromStdString(std::string(check::VerdictName(r.passed)));
    if (!r.reason.empty()) result += QStringLiteral(" (") + QString::fromStdString(r.reason) + ')';
    const QString cells[kColumns] = {QString::number(r.percent),
                                     Number(r.nominal, p.decimals),
                                     Number(r.reference, p.decimals),
                                     Number(r.reading, p.decimals),
                                     Number(r.error_percent, check::kErrorDecimals),
                                     result};
    for (int column = 0; column < kColumns; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setForeground(r.passed ? QBrush() : QBrush(Qt::red));
      table_->setItem(static_cast<int>(row), column, item);
    }
  }
}

}  // namespace views
