#pragma once

#include "measure/bus_poll.h"
#include "measure/reading_feed.h"
#include "shell/main_window.h"

namespace measure {

// Attaches the polling timer, its start/stop button, zeroing, refresh and reset. The
// polls' readings go to `readings` when it is given; it must outlive the window. Also
// attaches the bus poll (mnuPollAll, tmrPollAll), which lives as long as the window.
BusPoll& AttachMeasureHandlers(shell::MainWindow& main, const ReadingFeed* readings = nullptr);

}  // namespace measure
