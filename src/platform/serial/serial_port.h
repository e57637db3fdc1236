#pragma once
// The serial port as the programs use it: a port number, an open state, a line settings
// text, and byte I/O. It keeps those rules in one place; the bytes go through a
// SerialDevice that the device factory opens for the port number (a tty or the
// simulated bus). Every operation reports failure as a PortError, never by throwing.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/serial/line_settings.h"
#include "platform/serial/port_error.h"
#include "platform/serial/serial_device.h"
#include "platform/serial/traffic_record.h"

namespace platform {

class TrafficRecorder;

// Opens the device behind a port number; on failure returns null and fills `error`.
using DeviceFactory = std::function<std::unique_ptr<SerialDevice>(int port_number, PortError& error)>;

class SerialPort {
 public:
  // `source` names this port in its failures (the control's name in the window).
  SerialPort(DeviceFactory factory, std::string source);
  // A traced device refers back to its port, so a port stays where it was made.
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  int comm_port() const { return port_number_; }
  PortResult set_comm_port(int port_number);

  bool port_open() const { return device_ != nullptr; }
  PortResult set_port_open(bool open);

  // "9600,n,8,1": the settings as last set, parity letter in lower case.
  std::string settings() const { return settings_.ToText(); }
  const LineSettings& line_settings() const { return settings_; }
  PortResult set_settings(std::string_view text);

  PortResult set_handshaking(int mode);  // 0 none, 1 XOn/XOff, 2 RTS/CTS

  // The open device's one line speed when the line is set elsewhere (a raw stream to a
  // serial device server): a search probes only that speed, and a change of a
  // transmitter's speed tells the user that the server must follow. Nullopt when closed
  // or when the settings set the speed.
  std::optional<int> fixed_baud() const { return device_ ? device_->FixedBaud() : std::nullopt; }

  PortResult DiscardInput();
  PortResult DiscardOutput();
  PortResult Write(std::string_view bytes);
  PortResult Read(std::string& out);
  PortResult WaitForInput(std::uint32_t max_wait_ms);

  // Records this port's traffic from now on: open, close, settings, discards, every
  // failure it reports and every byte. Null records nothing. The recorder must outlive
  // the port's use of it.
  void set_recorder(TrafficRecorder* recorder);
  TrafficRecorder* recorder() const { return recorder_; }

  // One exchange on this port, summed up by the program that made it: Dravon's result
  // text, or Pemliq's check verdict (`outcome_is_verdict`). Free when nobody records.
  void RecordExchange(std::string_view address, std::string_view command, std::string_view outcome,
                      bool outcome_is_verdict = false) {
    if (recorder_) RecordExchangeNow(address, command, outcome, outcome_is_verdict);
  }

 private:
  void RecordExchangeNow(std::string_view address, std::string_view command, std::string_view outcome,
                         bool outcome_is_verdict);
  void RecordEvent(PortEvent event) const;
  // Wraps the open device so that its bytes are recorded (once).
  void TraceDevice();

  PortError Failure(int number, std::string description) const;
  PortResult NotOpen() const;
  // Fills in the source of a device failure; a device that failed is left open so the
  // caller sees every later operation fail the same clear way until the port is closed.
  PortResult Tag(PortResult result) const;

  DeviceFactory factory_;
  std::string source_;
  int port_number_ = 1;
  LineSettings settings_;
  Handshake handshake_ = Handshake::kNone;
  std::unique_ptr<SerialDevice> device_;
  TrafficRecorder* recorder_ = nullptr;
  bool device_traced_ = false;
};

}  // namespace platform
