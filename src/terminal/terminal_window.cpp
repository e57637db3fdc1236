#include "terminal/terminal_window.h"

#include "terminal/terminal_messages.h"

namespace terminal {

namespace {

// Cbo_bound's rates, fastest first, as start-up adds them.
constexpr const char* kBaudRates[] = {"115200", "57600", "38400", "19200", "9600",
                                      "4800",   "2400",  "1200",  "600",   "300"};

}  // namespace

TerminalWindow::TerminalWindow(platform::SerialPort& port, platform::Clock& clock)
    : MSComm1(port), clock_(clock), window_("Form1", std::string(kFormCaption)) {
  AddTerminalControls(window_);
  AttachHandlers();
}

void TerminalWindow::AttachHandlers() {
  window_.on_load([this](ui::UiServices&) { Form_Load(); });
  window_.At("Cmd_send").on_click([this](ui::UiServices&) { Cmd_send_Click(); });
  window_.At("Txt_send").on_key_press([this](ui::UiServices&, int& key) { Txt_send_KeyPress(key); });
  window_.At("Cmd_receive").on_click([this](ui::UiServices&) { Cmd_receive_Click(); });
  window_.At("Opt_normal").on_click([this](ui::UiServices&) { Opt_normal_Click(); });
  window_.At("Opt_spacial").on_click([this](ui::UiServices&) { Opt_spacial_Click(); });
  ui::Control& delay = window_.At("Txt_delay");
  delay.on_key_press([this](ui::UiServices&, int& key) { Txt_delay_KeyPress(key); });
  delay.on_validate([this](ui::UiServices&, bool& cancel) { Txt_delay_Validate(cancel); });
}

void TerminalWindow::Form_Load() {
  ui::Control& bound = window_.At("Cbo_bound");
  for (const char* rate : kBaudRates) bound.add_item(rate);
  // The selections in the order the window has always made them, Cbo_bound twice.
  window_.At("Cbo_com").set_list_index(0);
  bound.set_list_index(4);
  window_.At("Cbo_shake").set_list_index(0);
  window_.At("Cbo_databit").set_list_index(4);
  window_.At("Cbo_paritybit").set_list_index(2);
  window_.At("Cbo_stopbit").set_list_index(0);
  bound.set_list_index(4);
}

ChecksumKind TerminalWindow::SelectedChecksumKind() {
  return window_.At("optcrc", 0).selected() ? ChecksumKind::kSum : ChecksumKind::kExclusiveOr;
}

void TerminalWindow::ShowError(std::string_view text, std::string title) {
  window_.services().ShowMessageBox(ui::MessageBoxRequest{
      std::string(text), std::move(title), ui::MessageBoxButtons::kOk, ui::MessageBoxIcon::kNone});
}

}  // namespace terminal
