#pragma once

#include "shell/main_window.h"

namespace shell {

// The port choice: closes the current port, opens the chosen one and remembers it.
// A failure shows the serial layer's own description and stores nothing.
void cmbCommPort_Click(MainWindow& main);

}  // namespace shell
