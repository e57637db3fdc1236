#pragma once
// The traffic monitor: a window beside the program's own that lists the port's traffic
// records as they come — bytes out and in, port events, one line per exchange with its
// result — with failures in red. It follows new records unless the user has scrolled up;
// it can pause, clear, show the hex, and save what it holds as text or JSON Lines.
//
// Records reach the log synchronously in the window's thread (a bus search lets window
// events run before each address), so the monitor never draws per record: it gathers
// them on a short timer and inserts them as one batch.

#include <QWidget>
#include <functional>

#include "gui/tool_menu.h"
#include "platform/serial/traffic_log.h"

class QCheckBox;
class QLabel;
class QTableView;
class QTimer;

namespace gui {

class TrafficTableModel;

class TrafficMonitor final : public QWidget {
 public:
  // How long records gather before the rows are updated.
  static constexpr int kUpdateDelayMs = 100;

  TrafficMonitor(platform::TrafficLog& log, QWidget* parent);
  ~TrafficMonitor() override;

  // Brings the rows up to the log now (the timer does this on its own).
  void Update();
  void Clear();
  // Writes every kept record to `path`: JSON Lines for a .jsonl or .json name, else text.
  // False when the file cannot be written.
  bool SaveTo(const QString& path);

  TrafficTableModel& model() { return *model_; }
  QTableView& view() { return *view_; }

 private:
  void AskAndSave();

  platform::TrafficLog& log_;
  TrafficTableModel* model_;
  QTableView* view_;
  QCheckBox* pause_;
  QCheckBox* hex_;
  QLabel* count_;
  QTimer* update_timer_;
};

// The menu entry that opens the monitor; `log` gives the list it shows, asked for on the
// first opening (so the port records only once someone looks).
ToolItem TrafficMonitorTool(std::function<platform::TrafficLog&()> log);

}  // namespace gui
