#pragma once
// The two items of the 选项 menu that configure a batch of transmitters with one
// settings file. The files are asked for through the window's services (file dialogs in
// the real window, --profile and --report in the headless mode); the last ones chosen
// are remembered in the settings store.

#include <string_view>
#include <vector>

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

// The titles, file filters and message texts (patterns with their %N) the two items show.
std::vector<std::string_view> SettingsFileTexts();

}  // namespace config
