#pragma once

#include "check/check_run.h"
#include "shell/main_window.h"

namespace check {

// Attaches mnuCheck to a check run that lives as long as the window.
CheckRun& AttachCheckHandlers(shell::MainWindow& main);

}  // namespace check
