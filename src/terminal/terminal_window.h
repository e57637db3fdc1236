#pragma once
// Pemliq's one window, Form1: its controls (a ui::Window), its serial port MSComm1 and the
// handlers that tie them together. The port is closed between actions: a send or a
// receive opens it, uses it and closes it again, whichever way the action ends.
//
// Handlers are named after the control and the event that runs them. The window runs
// them itself once built; they are public so a front-end or a test can name them.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/ui/window.h"
#include "terminal/checksum_text.h"
#include "terminal/reply_checks.h"

namespace terminal {

class TerminalWindow {
 public:
  // `port` stands for MSComm1 and should be closed; `clock` gives the tick counter that
  // the reply wait measures its time-out with.
  TerminalWindow(platform::SerialPort& port, platform::Clock& clock);
  TerminalWindow(const TerminalWindow&) = delete;
  TerminalWindow& operator=(const TerminalWindow&) = delete;

  ui::Window& window() { return window_; }
  // The control of that name; a missing name is a programming mistake and throws.
  ui::Control& operator[](std::string_view name) { return window_.At(name); }

  // ---- Start-up and sending (terminal_window.cpp, sending.cpp)
  void Form_Load();
  void Cmd_send_Click();
  void Txt_send_KeyPress(int& key_code);
  void Cmd_receive_Click();

  // ---- Test mode's exchange (receive_reply.cpp): frames `send_string` with the chosen
  // checksum, sends it on the open port, waits up to `timeout_ms` and checks the reply.
  // Returns the reply's value text, or "" when the exchange failed and the user chose
  // Cancel (or the request was an "AD" probe, which fails silently).
  std::string ReceiveReply(std::string send_string, std::int32_t timeout_ms);

  // ---- Mode and time-out (mode_settings.cpp)
  void Opt_normal_Click();
  void Opt_spacial_Click();
  void Txt_delay_KeyPress(int& key_code);
  void Txt_delay_Validate(bool& cancel);

  platform::SerialPort& MSComm1;

 private:
  void AttachHandlers();
  // Test mode shows the frame, the raw texts and the time-out; normal mode the receive button.
  void ShowView(bool test_mode);
  ChecksumKind SelectedChecksumKind();
  // Steps 1 to 3 of a send: line settings, port number, handshake, open.
  platform::PortResult ApplyLineSettingsAndOpen();
  // One pass from sending the frame to checking the reply; a failure of the serial
  // layer is refused with an empty reason.
  ReplyVerdict SendAndCheck(const std::string& framed, std::int32_t timeout_ms, ChecksumKind kind);
  // The summary of one pass for whoever records the port's traffic.
  void RecordExchange(std::string_view send_string, const ReplyVerdict& verdict);
  bool UserWantsRetry(const std::string& framed, const std::string& reason);
  void ReportPortFailure(const platform::PortError& failure);
  void ShowError(std::string_view text, std::string title);

  platform::Clock& clock_;
  ui::Window window_;
};

// Adds every control of Form1 with its caption, default, items and initial state, in
// the order of the arrangement (top left first), with layout hints for the front-end.
void AddTerminalControls(ui::Window& window);

}  // namespace terminal
