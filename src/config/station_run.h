#pragma once
// The production station: a batch of new transmitters, all at the same factory address
// and rate, each numbered, configured, verified, stored and reported in one loop that
// asks the user only to connect the next one. For each transmitter:
//
//   1. find it: the probe address and rate first, a full search only when nothing
//      answers there; none, or more than one, ends the run (one at a time);
//   2. read it; a serial number that already has a passed row is skipped (the box says
//      so), writing nothing and no row;
//   3. apply the settings file with every value read back, storing nothing yet;
//   4. only when all agree: the next free address through the window's own address
//      change (with its duplicate check), then the wanted rate, then the store of the
//      data area the file names;
//   5. one report row (`address` the one given, or where it was found when it failed),
//      then one box with the result that asks for the next transmitter: OK goes on,
//      Cancel ends.
//
// A transmitter that fails a step is stored never and keeps the address counter where
// it was. The counter starts after the report's highest passed address, so a run that
// goes on from an earlier one never gives an address twice.

#include <string>
#include <string_view>
#include <vector>

#include "config/apply_report.h"
#include "config/settings_file.h"
#include "shell/main_window.h"

namespace config {

inline constexpr std::string_view kStationTitle = "生产工位";

struct StationJob {
  TransmitterSettings settings;  // what every transmitter is set to; `store` is stored last
  StationSettings station;
  std::string report;     // the report's path, known to be writable
  ReportHistory history;  // what the report held before the run
};

struct StationTally {
  int passed = 0;
  int failed = 0;
  int skipped = 0;
  bool operator==(const StationTally&) const = default;
};

// Runs until the user ends it, the addresses run out, the port is closed, or the bus
// shows no transmitter or more than one. The status bar's first panel shows the step
// and how many passed.
StationTally RunStation(shell::MainWindow& main, const StationJob& job);

// The texts the run shows (patterns with their %N).
std::vector<std::string_view> StationTexts();

}  // namespace config
