// A send and a receive: each opens MSComm1 with the settings of the lists, does its one
// job and closes the port again on every way out, so a failure never leaves the port
// held and the next action starts from a closed port.

#include <optional>

#include "platform/text/ansi_codepage.h"
#include "platform/ui/text_pattern.h"
#include "terminal/line_settings_text.h"
#include "terminal/terminal_messages.h"
#include "terminal/terminal_window.h"
#include "terminal/timeout_text.h"

namespace terminal {

namespace {

constexpr int kEnterKey = 13;
// The serial layer numbers its own failures (a port missing, held elsewhere, unplugged)
// above this; below it are settings it cannot use.
constexpr int kSerialLayerNumbers = 8000;

class PortClosedAtEnd {
 public:
  explicit PortClosedAtEnd(platform::SerialPort& port) : port_(port) {}
  ~PortClosedAtEnd() { port_.set_port_open(false); }
  PortClosedAtEnd(const PortClosedAtEnd&) = delete;
  PortClosedAtEnd& operator=(const PortClosedAtEnd&) = delete;

 private:
  platform::SerialPort& port_;
};

}  // namespace

platform::PortResult TerminalWindow::ApplyLineSettingsAndOpen() {
  const std::string settings =
      LineSettingsText(window_.At("Cbo_bound").text(), window_.At("Cbo_paritybit").list_index(),
                       window_.At("Cbo_databit").list_index(), window_.At("Cbo_stopbit").text());
  // A typed entry in the port list selects nothing: port number 0, which the port refuses.
  const int port_number = window_.At("Cbo_com").list_index() + 1;
  if (platform::PortResult failure = MSComm1.set_settings(settings)) return failure;
  if (platform::PortResult failure = MSComm1.set_comm_port(port_number)) return failure;
  if (platform::PortResult failure = MSComm1.set_handshaking(window_.At("Cbo_shake").list_index()))
    return failure;
  if (platform::PortResult failure = MSComm1.set_comm_port(port_number)) return failure;
  return MSComm1.set_port_open(true);
}

void TerminalWindow::Cmd_send_Click() {
  const PortClosedAtEnd close_at_end(MSComm1);
  if (platform::PortResult failure = ApplyLineSettingsAndOpen()) return ReportPortFailure(*failure);
  if (window_.At("Opt_spacial").selected()) {
    const std::optional<std::int32_t> timeout_ms = TimeoutFromText(window_.At("Txt_delay").text());
    if (!timeout_ms) return ShowError(kTimeoutNotNumberText, std::string(kErrorTitle));
    window_.At("Txt_receive").set_text(ReceiveReply(window_.At("Txt_send").text(), *timeout_ms));
    return;
  }
  // Normal mode: the text goes out exactly as typed, without checksum or CR.
  const std::string bytes = platform::Utf8ToAnsi(window_.At("Txt_send").text());
  if (platform::PortResult failure = MSComm1.Write(bytes)) ReportPortFailure(*failure);
}

void TerminalWindow::Txt_send_KeyPress(int& key_code) {
  if (key_code == kEnterKey) Cmd_send_Click();  // the key itself goes on unchanged
}

void TerminalWindow::Cmd_receive_Click() {
  // Opens with the port number and settings the last send applied (before any send,
  // the port's own defaults: port 1 at 9600,n,8,1).
  const PortClosedAtEnd close_at_end(MSComm1);
  std::string waiting;
  platform::PortResult failure = MSComm1.set_port_open(true);
  if (!failure) failure = MSComm1.Read(waiting);
  if (failure) return ReportPortFailure(*failure);
  window_.At("Txt_receive").set_text(platform::AnsiToUtf8(waiting));
}

void TerminalWindow::ReportPortFailure(const platform::PortError& failure) {
  const std::string title = ui::FillPattern(kPortErrorTitle, {failure.source});
  if (failure.number > kSerialLayerNumbers) return ShowError(kPortUnavailableText, title);
  // Settings the serial layer cannot use (a typed parity, data bits or handshake entry,
  // a baud rate that is no number): its own description says which.
  ShowError(failure.description, title);
}

}  // namespace terminal
