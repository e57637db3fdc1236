#pragma once

#include "shell/main_window.h"

namespace discovery {

// Leaving TXT_ADDR: a number from 1 to 99 becomes two digits ("7" -> "07"); anything
// else (out of range, or not a number at all) is refused with a message and keeps the focus.
void TXT_ADDR_Validate(shell::MainWindow& main, bool& cancel);

// Moves the selected transmitter to the address in TXT_ADDR and the baud rate chosen in
// CMB_BAND, then writes the type code and serial number boxes back to it.
void COM_ADDR_Click(shell::MainWindow& main);

}  // namespace discovery
