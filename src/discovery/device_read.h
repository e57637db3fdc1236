#pragma once

#include <string_view>

#include "shell/main_window.h"

namespace discovery {

// Choosing a found transmitter: the port moves to its baud rate and everything is read,
// with cmbUnit held disabled so the unit just read is written back once, not re-read.
void CMB_ADDR_Click(shell::MainWindow& main);

// True when a CMB_ADDR entry is selected and the search table has its entry: a read
// and everything sent to "the selected transmitter" need one.
bool HasSelectedEntry(shell::MainWindow& main);

// The full read: 17 transactions into the identity, range, output and measurement
// fields. Does nothing when no found transmitter is selected. Panel 1 of the status bar
// says how many of the reads failed (kReadFailuresText); a read where none failed takes
// that text back (kReadCompleteText) and otherwise leaves the panel as it was.
void ReadAllParameters(shell::MainWindow& main);

inline constexpr std::string_view kReadFailuresText = "读取失败 %1 项";  // the count
inline constexpr std::string_view kReadCompleteText = "参数读取完毕";

// cmbUnit disabled for as long as it lives, then as it was: a unit selected meanwhile is
// only written back, and starts no further read.
class UnitListHeld {
 public:
  explicit UnitListHeld(shell::MainWindow& main);
  ~UnitListHeld();
  UnitListHeld(const UnitListHeld&) = delete;
  UnitListHeld& operator=(const UnitListHeld&) = delete;

 private:
  shell::MainWindow& main_;
  bool was_enabled_;
};

// The version whose transmitters show limits ("SL", "SH", "FU") and keep the range and
// decimal point fixed.
inline constexpr std::string_view kFixedRangeVersion = "2.00";

}  // namespace discovery
