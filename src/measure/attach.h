#pragma once

#include "measure/reading_feed.h"
#include "shell/main_window.h"

namespace measure {

// Attaches the polling timer, its start/stop button, zeroing, refresh and reset. The
// polls' readings go to `readings` when it is given; it must outlive the window.
void AttachMeasureHandlers(shell::MainWindow& main, const ReadingFeed* readings = nullptr);

}  // namespace measure
