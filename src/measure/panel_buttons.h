#pragma once
// The measurement panel's buttons besides start/stop.

#include "shell/main_window.h"

namespace measure {

// Zeroes the pressure reading: "SZ", the reply into TXT_PRESSURE (its value when longer
// than 4 characters). No confirmation, no message; minimum, maximum, counters and
// polling are left as they are.
void COM_SC_Click(shell::MainWindow& main);

// Reads every parameter of the selected transmitter again; nothing without a selection.
void cmdReFresh_Click(shell::MainWindow& main);

// The current pressure becomes both maximum and minimum.
void cmdReset_Click(shell::MainWindow& main);

}  // namespace measure
