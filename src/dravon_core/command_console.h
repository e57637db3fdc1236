#pragma once
// The command console: the text of txtInsSend goes to the selected transmitter as the
// whole command, exactly as typed, and txtReturn shows the raw result.

#include "shell/main_window.h"

namespace dravon {

// Empties txtReturn, sends txtInsSend's text unchanged to CMB_ADDR's address and shows
// the whole result, its CR included. Nothing is trimmed, upper-cased or checked: "rp0"
// goes out in lower case, Chinese text travels in GBK with its longer checksum. A
// failure shows only as the error result. With both the address and the command empty
// there is no text to take a checksum of: no frame is built or written, and the box
// shows "ERR 0" as for any command that got no answer.
void Cmd_INS_Click(shell::MainWindow& main);

// Attaches Cmd_INS_Click to Cmd_INS.
void AttachCommandConsole(shell::MainWindow& main);

}  // namespace dravon
