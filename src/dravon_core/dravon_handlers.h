#pragma once
// Dravon assembled: every subsystem attaches its handlers to the one main window.

#include "shell/main_window.h"

namespace dravon {

void AttachDravonHandlers(shell::MainWindow& main);

}  // namespace dravon
