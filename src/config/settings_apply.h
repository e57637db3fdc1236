#pragma once
// Applying a settings file to the selected transmitter, the way a user's clicks would:
// choose the unit (which reads everything again), choose the decimal point, put the
// range into its boxes and write it, put the output pressures into theirs and write them
// (the trims go back as they were read), then read everything again. Every write's echo
// and every value read back is compared with the file; only when all agree is the data
// area the file names stored, so a transmitter is never stored half-configured.
//
// A control the window keeps disabled (the range and decimal point of version "2.00")
// takes nothing: its setting agrees only when the transmitter already holds it.
//
// Every value written comes from the file or from a reply the transmitter gave: when a
// value that goes back as it was read (a trim, a disabled control) was not answered, the
// apply ends before its first write after the unit. From the unit choice on, cmbUnit is
// held disabled, so an echo or read that shows another unit only writes it back and
// starts no read of its own. The read-back also gives the report's identity (type,
// serial, version): one of them not read fails the apply.

#include <vector>

#include "config/apply_report.h"
#include "config/settings_file.h"
#include "config/shown_settings.h"
#include "shell/main_window.h"

namespace config {

struct ApplyResult {
  // Empty when every setting agreed and the store was confirmed; a store that was not
  // confirmed is the difference "Store" (wanted "user", got "none"). A value that was not
  // read is a difference too, its `got` the failed result or "none".
  std::vector<SettingDifference> differences;
  StoreArea stored = StoreArea::kNone;  // what was actually stored
  ShownSettings read_back;              // the settings as the last read left them
  bool written = true;                  // false: ended before the writes (a value unread)

  bool passed() const { return differences.empty(); }
};

// Stores the data area (kNone: nothing) in the selected transmitter; true when it
// confirmed (or nothing was to be stored).
bool StoreDataArea(shell::MainWindow& main, StoreArea area);

// The report's row for an apply to the selected transmitter, named by what the window shows.
ReportRow ReportRowFor(shell::MainWindow& main, const ApplyResult& result);

// The factory data area may be stored only while the window shows its store button
// (the factory access code is open), as for the user.
bool FactoryStoreOpen(shell::MainWindow& main);

// Needs a selected transmitter (discovery::HasSelectedEntry) and, for a file that stores
// in the factory data area, FactoryStoreOpen: the caller refuses before calling otherwise.
ApplyResult ApplySettings(shell::MainWindow& main, const TransmitterSettings& wanted);

}  // namespace config
