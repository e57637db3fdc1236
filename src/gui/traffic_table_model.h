#pragma once
// The monitor's rows as a view of the traffic log: row i is the log's record number
// first + i. The model follows the log only when told (CatchUp), so records that arrive
// during a bus search cost nothing until the monitor's next update, and a burst of them
// becomes one insertion.

#include <QAbstractTableModel>
#include <cstdint>

#include "platform/serial/traffic_log.h"

namespace gui {

class TrafficTableModel final : public QAbstractTableModel {
 public:
  enum Column { kTime, kDirection, kContent, kHex, kColumnCount };

  explicit TrafficTableModel(const platform::TrafficLog& log, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Drops the rows whose records the log no longer keeps, then, when `append`, adds the
  // records that came since the last call.
  void CatchUp(bool append);

  // The record behind `row`; null when the log has dropped it since the last CatchUp.
  const platform::TrafficRecord* RecordAt(int row) const;

 private:
  const platform::TrafficLog& log_;
  std::uint64_t first_;  // the running numbers shown: [first_, next_)
  std::uint64_t next_;
};

}  // namespace gui
