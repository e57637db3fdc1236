#pragma once

#include <vector>

#include "shell/main_window.h"

namespace shell {

// The port choice: closes the current port, opens the chosen one and remembers it.
// A failure shows the serial layer's own description and stores nothing.
void cmbCommPort_Click(MainWindow& main);

// A new mapping of the chosen port takes effect at once: when `remapped` (port numbers
// whose device changed) holds the port of the selected item, the port choice runs again
// for it, closing the old device and opening the new one, or saying why it cannot.
void RerunPortChoiceIfRemapped(MainWindow& main, const std::vector<int>& remapped);

}  // namespace shell
