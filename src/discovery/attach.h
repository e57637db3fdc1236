#pragma once

#include "shell/main_window.h"

namespace discovery {

// Attaches the bus search, the device selection and the address/baud change.
void AttachDiscoveryHandlers(shell::MainWindow& main);

}  // namespace discovery
