#include "platform/serial/serial_port.h"

#include <cerrno>

#include "platform/serial/port_failure_text.h"
#include "platform/serial/traced_device.h"
#include "platform/serial/traffic_recorder.h"
#include "platform/ui/text_pattern.h"

namespace platform {

SerialPort::SerialPort(DeviceFactory factory, std::string source)
    : factory_(std::move(factory)), source_(std::move(source)) {}

PortError SerialPort::Failure(int number, std::string description) const {
  if (recorder_) recorder_->Event(port_number_, PortEvent::kError, settings(), description);
  return PortError{number, std::move(description), source_};
}

PortResult SerialPort::NotOpen() const { return Failure(kErrPortNotOpen, std::string(kPortNotOpenText)); }

PortResult SerialPort::Tag(PortResult result) const {
  if (!result) return result;
  if (result->source.empty()) result->source = source_;
  if (recorder_) recorder_->Event(port_number_, PortEvent::kError, settings(), result->description);
  return result;
}

void SerialPort::RecordEvent(PortEvent event) const {
  if (recorder_) recorder_->Event(port_number_, event, settings());
}

void SerialPort::set_recorder(TrafficRecorder* recorder) {
  recorder_ = recorder;
  if (device_) TraceDevice();
}

void SerialPort::TraceDevice() {
  if (!recorder_ || device_traced_) return;
  device_ = std::make_unique<TracedDevice>(std::move(device_), *this);
  device_->set_echo_listener([this](std::string_view echo) {
    if (recorder_) recorder_->Bytes(port_number_, Direction::kEcho, echo, settings());
  });
  device_traced_ = true;
}

void SerialPort::RecordExchangeNow(std::string_view address, std::string_view command,
                                   std::string_view outcome, bool outcome_is_verdict) {
  recorder_->Exchange(port_number_, address, command, outcome, outcome_is_verdict);
}

PortResult SerialPort::set_comm_port(int port_number) {
  if (port_open()) return Failure(kErrPortAlreadyOpen, std::string(kPortAlreadyOpenText));
  if (port_number < 1)
    return Failure(kErrInvalidPortNumber,
                   ui::FillPattern(kInvalidPortNumberText, {std::to_string(port_number)}));
  port_number_ = port_number;
  return std::nullopt;
}

PortResult SerialPort::set_port_open(bool open) {
  if (!open) {
    if (device_) RecordEvent(PortEvent::kClose);
    device_.reset();
    device_traced_ = false;
    return std::nullopt;
  }
  if (port_open()) return Failure(kErrPortAlreadyOpen, std::string(kPortAlreadyOpenText));
  PortError error;
  std::unique_ptr<SerialDevice> device = factory_ ? factory_(port_number_, error) : nullptr;
  if (!device) {
    if (error.number == 0) error = OpenFailure("COM" + std::to_string(port_number_), ENOENT);
    return Tag(error);
  }
  if (PortResult r = device->Configure(settings_)) return Tag(r);
  // A pseudo-terminal refuses modem-line handshakes; the port still works without them.
  device->SetHandshake(handshake_);
  device_ = std::move(device);
  TraceDevice();
  RecordEvent(PortEvent::kOpen);
  return std::nullopt;
}

PortResult SerialPort::set_settings(std::string_view text) {
  const std::optional<LineSettings> parsed = LineSettings::Parse(text);
  if (!parsed) return Failure(kErrInvalidSettings, ui::FillPattern(kInvalidSettingsText, {text}));
  if (device_) {
    if (PortResult r = device_->Configure(*parsed)) return Tag(r);
  }
  const bool changed = !(settings_ == *parsed);
  settings_ = *parsed;
  if (changed) RecordEvent(PortEvent::kSettings);
  return std::nullopt;
}

PortResult SerialPort::set_handshaking(int mode) {
  if (mode < 0 || mode > 2)
    return Failure(kErrInvalidSettings, ui::FillPattern(kInvalidHandshakeText, {std::to_string(mode)}));
  handshake_ = static_cast<Handshake>(mode);
  if (device_) return Tag(device_->SetHandshake(handshake_));
  return std::nullopt;
}

PortResult SerialPort::DiscardInput() { return device_ ? Tag(device_->DiscardInput()) : NotOpen(); }
PortResult SerialPort::DiscardOutput() { return device_ ? Tag(device_->DiscardOutput()) : NotOpen(); }
PortResult SerialPort::Write(std::string_view bytes) {
  return device_ ? Tag(device_->Write(bytes)) : NotOpen();
}
PortResult SerialPort::Read(std::string& out) { return device_ ? Tag(device_->Read(out)) : NotOpen(); }
PortResult SerialPort::WaitForInput(std::uint32_t max_wait_ms) {
  return device_ ? Tag(device_->WaitForInput(max_wait_ms)) : NotOpen();
}

}  // namespace platform
