// The two views of the window and the guard on the time-out box. Switching the view
// changes only what is shown and usable: every text, the checksum choice and the
// time-out survive it.

#include "terminal/terminal_messages.h"
#include "terminal/terminal_window.h"

namespace terminal {

namespace {

// Below this are the control keys (backspace, Enter, the clipboard shortcuts), which the
// box handles itself; codes 30 and 31 are not among them.
constexpr int kFirstTypedCode = 30;

}  // namespace

void TerminalWindow::Opt_normal_Click() { ShowView(false); }

void TerminalWindow::Opt_spacial_Click() { ShowView(true); }

void TerminalWindow::ShowView(bool test_mode) {
  for (const char* name : {"Txt_sendall", "Txt_receiveall", "Txt_delay", "Label4", "Label5"}) {
    window_.At(name).set_visible(test_mode);
  }
  window_.At("Cmd_receive").set_enabled(!test_mode);
  window_.At("Frame1").set_enabled(test_mode);  // the checksum kind matters in test mode only
}

void TerminalWindow::Txt_delay_KeyPress(int& key_code) {
  const bool control_key = key_code < kFirstTypedCode;
  const bool digit = key_code >= '0' && key_code <= '9';
  if (!control_key && !digit) key_code = 0;
}

void TerminalWindow::Txt_delay_Validate(bool& cancel) {
  if (!window_.At("Txt_delay").text().empty()) return;
  ShowError(kTimeoutEmptyText, std::string(kErrorTitle));
  cancel = true;
}

}  // namespace terminal
