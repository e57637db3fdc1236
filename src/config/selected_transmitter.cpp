#include "config/selected_transmitter.h"

namespace config {

std::string SendToSelected(shell::MainWindow& m, std::string_view mnemonic, std::string_view argument) {
  std::string command(mnemonic);
  command.append(argument);
  return m.Comm_Send(m["CMB_ADDR"].text(), command);
}

}  // namespace config
