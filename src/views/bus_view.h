#pragma once
// The bus view: one row per found transmitter as the bus poll last saw it (address,
// serial number, pressure with its unit, temperature, failures, minimum, maximum and how
// long ago it last answered), rows whose last turn failed in red, start/stop and the
// interval. Double-clicking a row selects that transmitter in the main window.

#include <QWidget>

#include "measure/bus_poll.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace views {

class BusView final : public QWidget {
 public:
  static constexpr const char* kObjectName = "BusView";
  enum Column { kAddress, kSerial, kPressure, kTemperature, kFailures, kMin, kMax, kLastAnswer, kColumns };

  BusView(measure::BusPoll& poll, QWidget* parent = nullptr);
  ~BusView() override;

  // The view of `main_window`, made on first use (a window of its own that closes with it).
  static BusView& ShowFor(QWidget& main_window, measure::BusPoll& poll);
  // Shows the view, beside the program's main window, whenever the bus poll starts,
  // however it was started (the menu item of the window model, a script).
  static void ShowWhenStarted(measure::BusPoll& poll);

  QTableWidget& table() { return *table_; }
  QPushButton& start_stop() { return *start_stop_; }
  QSpinBox& interval() { return *interval_; }

  // Brings the rows and the buttons up to date with the poll.
  void Refresh();

 private:
  void FillRow(int row, const measure::WatchedTransmitter& t);

  measure::BusPoll& poll_;
  int listener_ = -1;
  QTableWidget* table_;
  QPushButton* start_stop_;
  QSpinBox* interval_;
  QLabel* cycle_;
  QTimer* ages_;  // "how long ago" moves on between polls
};

}  // namespace views
