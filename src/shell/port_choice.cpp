#include "shell/port_choice.h"

#include <algorithm>

namespace shell {

void cmbCommPort_Click(MainWindow& m) {
  ui::Control& ports = m["cmbCommPort"];
  if (ports.list_index() < 0) return;
  m.ReleasePort();  // the found list belongs to the port being left

  // Every step runs even after a failure; the last failure is the one reported.
  platform::PortResult failure;
  auto step = [&failure](platform::PortResult r) {
    if (r) failure = std::move(r);
  };
  if (m.MSCommBsq.port_open()) step(m.MSCommBsq.set_port_open(false));
  step(m.MSCommBsq.set_comm_port(ports.item_data(ports.list_index())));
  step(m.MSCommBsq.set_port_open(true));

  if (failure) {
    m.MsgBox(failure->description, std::string(kAppTitle), ui::MessageBoxIcon::kExclamation);
    return;
  }
  m.settings.Set(kAppTitle, "Transmitter", "CommPort", std::to_string(m.MSCommBsq.comm_port()));
}

void RerunPortChoiceIfRemapped(MainWindow& m, const std::vector<int>& remapped) {
  const ui::Control& ports = m["cmbCommPort"];
  if (ports.list_index() < 0) return;
  const int chosen = ports.item_data(ports.list_index());
  if (std::find(remapped.begin(), remapped.end(), chosen) != remapped.end()) cmbCommPort_Click(m);
}

}  // namespace shell
