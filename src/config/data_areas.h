#pragma once
// The buttons at the foot of the window: store the transmitter's present settings in
// its user data area ("WU") or factory data area ("WF"), or bring the factory settings
// back ("LD"). Each ends with a message box saying whether the selected transmitter
// confirmed with "OK". Nothing in the window changes and nothing is read back.

#include <string_view>
#include <vector>

#include "shell/main_window.h"

namespace config {

// With chkSame ticked, the settings shown in the window first go to every transmitter
// on the bus (address "AA", no replies) and are stored there too; then the store goes
// to the selected transmitter alone.
void CMD_USER_Click(shell::MainWindow& main);
void CMD_FACT_Click(shell::MainWindow& main);

// Sends a data-area command ("WU", "WF", "LD") to the selected transmitter alone; true
// when it confirmed with exactly "OK" from the address now shown in CMB_ADDR.
bool ConfirmedBySelected(shell::MainWindow& main, std::string_view mnemonic);

// The restore does not read the settings back: the boxes keep their values until read.
void CMD_LD_Click(shell::MainWindow& main);

// The titles and texts of the three commands' message boxes.
std::vector<std::string_view> DataAreaTexts();

}  // namespace config
