#include "platform/serial_qt/qt_serial_device.h"

#include <QSerialPort>
#include <algorithm>
#include <cerrno>

#include "platform/os/file_system.h"
#include "platform/os/rs485_mode.h"
#include "platform/serial/port_failure_text.h"
#include "platform/serial_qt/output_drain.h"
#include "platform/ui/text_pattern.h"

namespace platform {

namespace {

class QtSerialDevice final : public SerialDevice {
 public:
  explicit QtSerialDevice(const std::string& path) : path_(path) {
    port_.setPortName(QString::fromStdString(path));
  }
  // Every close of the port comes here: the bytes written reach the line first.
  ~QtSerialDevice() override {
    if (!failed_) DrainBeforeClose(port_);
  }

  // Kernel RS-485 mode, on the tty's own descriptor.
  PortResult EnterRs485(Rs485Mode mode) {
    if (const int refused = os::EnableRs485(port_.handle(), mode == Rs485Mode::kRtsHigh))
      return Rs485Refused(path_, refused);
    return std::nullopt;
  }

  PortResult Open() {
    if (port_.open(QIODevice::ReadWrite)) return std::nullopt;
    switch (port_.error()) {
      case QSerialPort::DeviceNotFoundError:
        return OpenFailure(path_, ENOENT);
      case QSerialPort::PermissionError:
        // Qt says the same for a device the user may not open and for one that another
        // program holds (its lock, or the exclusive open): the system tells them apart.
        if (const int refusal = os::ReadWriteRefusal(path_); refusal != 0) return OpenFailure(path_, refusal);
        return OpenFailure(path_, EBUSY);
      default:
        return OpenFailure(path_, 0);
    }
  }

  PortResult Configure(const LineSettings& s) override {
    if (auto r = Usable()) return r;
    // Qt's Unix backend would quietly apply 8 data bits for fewer than 5, and 1 stop bit
    // for 1.5 (a tty has no 1.5): refused instead, so nothing goes out with other settings.
    if (s.data_bits < 5)
      return SettingsNotSupported(path_, ui::FillPattern(kDataBitsSetting, {std::to_string(s.data_bits)}));
    if (s.stop_bits == "1.5") return SettingsNotSupported(path_, kStopBitsSetting);
    const bool ok = port_.setBaudRate(s.baud) &&
                    port_.setDataBits(static_cast<QSerialPort::DataBits>(s.data_bits)) &&
                    port_.setParity(ToQtParity(s.parity)) && port_.setStopBits(ToQtStopBits(s.stop_bits));
    if (!ok) return SettingsNotSupported(path_, ui::FillPattern(kLineSetting, {s.ToText()}));
    return std::nullopt;
  }

  PortResult SetHandshake(Handshake mode) override {
    if (auto r = Usable()) return r;
    const auto flow = mode == Handshake::kRtsCts    ? QSerialPort::HardwareControl
                      : mode == Handshake::kXonXoff ? QSerialPort::SoftwareControl
                                                    : QSerialPort::NoFlowControl;
    // A pseudo-terminal has no modem lines: a refusal here leaves a working port.
    port_.setFlowControl(flow);
    port_.clearError();
    return std::nullopt;
  }

  PortResult DiscardInput() override {
    if (auto r = Usable()) return r;
    port_.clear(QSerialPort::Input);
    return Checked(kErrReadFailed);
  }

  PortResult DiscardOutput() override {
    if (auto r = Usable()) return r;
    port_.clear(QSerialPort::Output);
    return Checked(kErrWriteFailed);
  }

  PortResult Write(std::string_view bytes) override {
    if (auto r = Usable()) return r;
    if (port_.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
      return DeviceFailed(kErrWriteFailed, path_);
    HandToDriver(port_);
    return Checked(kErrWriteFailed);
  }

  PortResult Read(std::string& out) override {
    if (auto r = Usable()) return r;
    // What a wait brought in is taken as it is; otherwise what the driver holds is pulled
    // into Qt's buffer, without blocking. A reply arriving byte by byte so costs one
    // system call a byte less, and bytes that came meanwhile are the next read's.
    if (port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
    if (auto r = Checked(kErrReadFailed)) return r;
    // Straight into `out`: readAll() would set up a buffer of its own for every byte.
    const qint64 available = port_.bytesAvailable();
    if (available <= 0) return std::nullopt;
    const std::size_t before = out.size();
    out.resize(before + static_cast<std::size_t>(available));
    const qint64 taken = port_.read(out.data() + before, available);
    out.resize(before + static_cast<std::size_t>(std::max<qint64>(taken, 0)));
    return std::nullopt;
  }

  PortResult WaitForInput(std::uint32_t max_wait_ms) override {
    if (auto r = Usable()) return r;
    if (port_.bytesAvailable() > 0) return std::nullopt;
    port_.waitForReadyRead(static_cast<int>(max_wait_ms));
    return Checked(kErrReadFailed);
  }

 private:
  PortResult Usable() const {
    if (failed_) return failed_;
    return std::nullopt;
  }

  // A time-out is not a failure; anything else (the adapter unplugged, the other side
  // of a pseudo-terminal gone) is, and stays one until the port is closed.
  PortResult Checked(int number) {
    const QSerialPort::SerialPortError e = port_.error();
    if (e == QSerialPort::NoError) return std::nullopt;
    if (e == QSerialPort::TimeoutError) {
      // Qt words (and translates) the error text at every change: only a set error is
      // cleared, so a wait that brought bytes costs none of that.
      port_.clearError();
      return std::nullopt;
    }
    failed_ = DeviceFailed(number, path_);
    return failed_;
  }

  static QSerialPort::Parity ToQtParity(char p) {
    switch (p) {
      case 'e':
        return QSerialPort::EvenParity;
      case 'o':
        return QSerialPort::OddParity;
      case 'm':
        return QSerialPort::MarkParity;
      case 's':
        return QSerialPort::SpaceParity;
      default:
        return QSerialPort::NoParity;
    }
  }

  static QSerialPort::StopBits ToQtStopBits(const std::string& s) {
    if (s == "2") return QSerialPort::TwoStop;
    if (s == "1.5") return QSerialPort::OneAndHalfStop;
    return QSerialPort::OneStop;
  }

  std::string path_;
  QSerialPort port_;
  PortResult failed_;
};

}  // namespace

std::unique_ptr<SerialDevice> OpenQtSerialDevice(const std::string& path, PortError& error) {
  PortTarget plain;
  plain.device = path;
  return OpenQtSerialDevice(plain, error);
}

std::unique_ptr<SerialDevice> OpenQtSerialDevice(const PortTarget& target, PortError& error) {
  auto device = std::make_unique<QtSerialDevice>(target.device);
  PortResult r = device->Open();
  if (!r && target.rs485 != Rs485Mode::kOff) r = device->EnterRs485(target.rs485);
  if (r) {
    error = *r;
    return nullptr;
  }
  return device;
}

}  // namespace platform
