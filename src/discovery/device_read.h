#pragma once

#include "shell/main_window.h"

namespace discovery {

// Choosing a found transmitter: the port moves to its baud rate and everything is read,
// with cmbUnit disabled so the unit just read is written back once, not re-read.
void CMB_ADDR_Click(shell::MainWindow& main);

// True when a CMB_ADDR entry is selected and the search table has its entry: a read
// and everything sent to "the selected transmitter" need one.
bool HasSelectedEntry(shell::MainWindow& main);

// The full read: 17 transactions into the identity, range, output and measurement
// fields. Does nothing when no found transmitter is selected.
void ReadAllParameters(shell::MainWindow& main);

// The version whose transmitters show limits ("SL", "SH", "FU") and keep the range and
// decimal point fixed.
inline constexpr std::string_view kFixedRangeVersion = "2.00";

}  // namespace discovery
