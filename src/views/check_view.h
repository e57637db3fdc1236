#pragma once
// The check window: the points of a running check filling their table, the live readings
// of the transmitter and the reference with a stability light, a field for a typed
// reference when the plan asks for one, and a stop button. It shows itself, beside the
// main window, whenever a check starts.

#include <QWidget>
#include <optional>

#include "check/check_run.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace views {

class CheckView final : public QWidget {
 public:
  static constexpr const char* kObjectName = "CheckView";
  enum Column { kPercent, kNominal, kReference, kReading, kError, kResult, kColumns };

  CheckView(check::CheckRun& run, QWidget* parent = nullptr);
  ~CheckView() override;

  static CheckView& ShowFor(QWidget& main_window, check::CheckRun& run);
  // Shows the window whenever a check starts, and asks typed references in it.
  static void AttachTo(check::CheckRun& run);

  QTableWidget& table() { return *table_; }
  QLineEdit& reference_field() { return *reference_; }
  QPushButton& take_reference() { return *take_; }
  QPushButton& stop() { return *stop_; }
  QLabel& stability() { return *stable_; }

  void Refresh();
  // Waits, with the window's events running, for a reference typed in the field; nothing
  // when the check was stopped or the window closed meanwhile.
  std::optional<double> AskReference(const check::ReferenceRequest& request);

 private:
  check::CheckRun& run_;
  int listener_ = -1;
  QLabel* point_;
  QLabel* live_;
  QLabel* stable_;
  QTableWidget* table_;
  QLineEdit* reference_;
  QPushButton* take_;
  QPushButton* stop_;
};

}  // namespace views
