#include "measure/panel_buttons.h"

#include "discovery/device_read.h"
#include "protocol/commands.h"
#include "shell/reply_fill.h"

namespace measure {

void COM_SC_Click(shell::MainWindow& m) {
  shell::BoxFill(m["TXT_PRESSURE"], m.SendToSelected(protocol::cmd::kZero));
}

void cmdReFresh_Click(shell::MainWindow& m) { discovery::ReadAllParameters(m); }

void cmdReset_Click(shell::MainWindow& m) {
  const std::string pressure = m["TXT_PRESSURE"].text();
  m["txtMAX"].set_text(pressure);
  m["txtMIN"].set_text(pressure);
}

}  // namespace measure
