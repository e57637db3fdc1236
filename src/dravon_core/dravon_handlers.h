#pragma once
// Dravon assembled: every subsystem attaches its handlers to the one main window.

#include "measure/bus_poll.h"
#include "measure/reading_feed.h"
#include "shell/main_window.h"

namespace dravon {

// `readings`, when given, receives every poll's reading and must outlive the window.
// Returns the bus poll, which lives as long as the window.
measure::BusPoll& AttachDravonHandlers(shell::MainWindow& main,
                                       const measure::ReadingFeed* readings = nullptr);

}  // namespace dravon
