#pragma once

#include "shell/main_window.h"

namespace measure {

// Attaches the polling timer, its start/stop button, zeroing, refresh and reset.
void AttachMeasureHandlers(shell::MainWindow& main);

}  // namespace measure
