#pragma once
// Every configuration command goes to the transmitter chosen in CMB_ADDR, whose text is
// read afresh for each transaction (an address change may have edited it meanwhile).

#include <string>
#include <string_view>

#include "shell/main_window.h"

namespace config {

// One transaction with the selected transmitter: the mnemonic with its argument appended.
std::string SendToSelected(shell::MainWindow& main, std::string_view mnemonic,
                           std::string_view argument = "");

}  // namespace config
