#pragma once
// Dravon assembled: every subsystem attaches its handlers to the one main window.

#include "check/check_run.h"
#include "measure/bus_poll.h"
#include "measure/reading_feed.h"
#include "shell/main_window.h"

namespace dravon {

// The parts that the front-end shows in windows of their own; they live as long as the
// window.
struct DravonParts {
  measure::BusPoll& bus_poll;
  check::CheckRun& check;
};

// `readings`, when given, receives every poll's reading and must outlive the window.
DravonParts AttachDravonHandlers(shell::MainWindow& main, const measure::ReadingFeed* readings = nullptr);

}  // namespace dravon
