#pragma once

#include "shell/main_window.h"

namespace config {

// Attaches the range and unit, analog output, data-area and access-code handlers, and
// the settings-file items of the 选项 menu (the production station among them).
void AttachConfigHandlers(shell::MainWindow& main);

}  // namespace config
