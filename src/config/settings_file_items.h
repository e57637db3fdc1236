#pragma once
// The items of the 选项 menu that configure a batch of transmitters with one settings
// file: one at a time, or a production station's run. The files are asked for through the window's services
// (file dialogs in the real window, --profile and --report in the headless mode); the last ones chosen are
// remembered in the settings store.

#include <string>
#include <string_view>
#include <vector>

#include "config/settings_apply.h"
#include "shell/main_window.h"

namespace config {

// Reads the selected transmitter afresh and saves its settings to a file (storing in the
// user data area when applied).
void mnuSaveProfile_Click(shell::MainWindow& main);

// Applies a file to the selected transmitter with every value read back, stores the data
// area the file names when all agree, appends a row to the report, and shows the result
// in one message box. A file that is refused, or that stores in the factory data area
// while that store is not open, writes nothing.
void mnuApplyProfile_Click(shell::MainWindow& main);

// Runs the production station (station_run.h) with a settings file that has a [Station]
// section, appending to a report; the bus poll and the selected transmitter's polling
// stop first.
void mnuStation_Click(shell::MainWindow& main);

// What a box says of an apply's result, and of the data area it stored.
std::string ApplyResultText(const ApplyResult& result);
std::string StoredAreaText(StoreArea area);

// The titles, file filters and message texts (patterns with their %N) the two items show.
std::vector<std::string_view> SettingsFileTexts();

}  // namespace config
