#include "gui/traffic_table_model.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <algorithm>

#include "gui/traffic_rows.h"

namespace gui {

namespace {

// Failures stand out from the black of the ordinary rows.
const QColor kFailureColour(200, 0, 0);

}  // namespace

TrafficTableModel::TrafficTableModel(const platform::TrafficLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log), first_(log.first_number()), next_(log.first_number()) {}

int TrafficTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(next_ - first_);
}

int TrafficTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

const platform::TrafficRecord* TrafficTableModel::RecordAt(int row) const {
  const std::uint64_t number = first_ + static_cast<std::uint64_t>(row);
  if (row < 0 || number >= next_ || number < log_.first_number() || number >= log_.next_number())
    return nullptr;
  return &log_.At(number);
}

QVariant TrafficTableModel::data(const QModelIndex& index, int role) const {
  const platform::TrafficRecord* record = RecordAt(index.row());
  if (record == nullptr) return {};
  if (role == Qt::ForegroundRole) return record->failed() ? QVariant(QBrush(kFailureColour)) : QVariant();
  if (role == Qt::FontRole && record->kind == platform::TrafficKind::kExchange) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const TrafficRow row = RowOf(*record);
  // The tip tells where and how the bytes went: port, device, line settings.
  if (role == Qt::ToolTipRole)
    return row.content +
           QStringLiteral("\nCOM%1  %2  %3")
               .arg(record->port)
               .arg(QString::fromStdString(record->device), QString::fromStdString(record->settings));
  switch (index.column()) {
    case kTime:
      return row.time;
    case kDirection:
      return row.direction;
    case kContent:
      return row.content;
    case kHex:
      return row.hex;
    default:
      return {};
  }
}

QVariant TrafficTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kTime:
      return QCoreApplication::translate("TrafficMonitor", "时间");
    case kDirection:
      return QCoreApplication::translate("TrafficMonitor", "方向");
    case kContent:
      return QCoreApplication::translate("TrafficMonitor", "内容");
    case kHex:
      return QCoreApplication::translate("TrafficMonitor", "十六进制");
    default:
      return {};
  }
}

void TrafficTableModel::CatchUp(bool append) {
  const std::uint64_t kept_from = log_.first_number();
  if (kept_from > first_) {
    const std::uint64_t gone_until = std::min(kept_from, next_);
    if (gone_until > first_) {
      beginRemoveRows(QModelIndex(), 0, static_cast<int>(gone_until - first_) - 1);
      first_ = gone_until;
      endRemoveRows();
    }
    // Everything shown is gone and more besides (a clear, or a pause longer than the log).
    if (first_ < kept_from) first_ = next_ = kept_from;
  }
  if (!append) return;
  // Only the newest record grows (received bytes gathered into one reply): the row that
  // showed it shows it again.
  if (next_ > first_) emit dataChanged(index(rowCount() - 1, 0), index(rowCount() - 1, kColumnCount - 1));
  if (log_.next_number() <= next_) return;
  beginInsertRows(QModelIndex(), rowCount(), rowCount() + static_cast<int>(log_.next_number() - next_) - 1);
  next_ = log_.next_number();
  endInsertRows();
}

}  // namespace gui
