#pragma once
// Dravon assembled: every subsystem attaches its handlers to the one main window.

#include "measure/reading_feed.h"
#include "shell/main_window.h"

namespace dravon {

// `readings`, when given, receives every poll's reading and must outlive the window.
void AttachDravonHandlers(shell::MainWindow& main, const measure::ReadingFeed* readings = nullptr);

}  // namespace dravon
