#pragma once

#include "shell/main_window.h"

namespace discovery {

// The search button: every address 01..99 at 9600, 4800, 2400 and 1200 baud; a second
// press stops it. Window events run once before each probed address.
void cmdSEARCH_Click(shell::MainWindow& main);

}  // namespace discovery
