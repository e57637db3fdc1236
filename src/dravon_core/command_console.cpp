#include "dravon_core/command_console.h"

namespace dravon {

void Cmd_INS_Click(shell::MainWindow& m) {
  ui::Control& result = m["txtReturn"];
  result.set_text("");  // a failed call never leaves an old result on view
  // The engine declines an empty address with an empty command itself ("ERR 0", nothing
  // written): the one frame whose checksum does not exist is never built.
  result.set_text(m.SendToSelected(m["txtInsSend"].text()));
}

void AttachCommandConsole(shell::MainWindow& m) {
  m["Cmd_INS"].on_click([&m](ui::UiServices&) { Cmd_INS_Click(m); });
}

}  // namespace dravon
