#include "platform/serial_qt/output_drain.h"

#include <QSerialPort>
#include <chrono>

#include "platform/os/tty_control.h"
#include "platform/serial/line_drain.h"

namespace platform {

namespace {

// The rate and framing the port runs at now, for the bytes' wire time.
LineSettings CurrentLine(const QSerialPort& port) {
  LineSettings line;
  line.baud = static_cast<int>(port.baudRate());
  line.data_bits = static_cast<int>(port.dataBits());
  line.parity = port.parity() == QSerialPort::NoParity ? 'n' : 'e';  // any parity adds one bit
  line.stop_bits = port.stopBits() == QSerialPort::TwoStop          ? "2"
                   : port.stopBits() == QSerialPort::OneAndHalfStop ? "1.5"
                                                                    : "1";
  return line;
}

}  // namespace

void HandToDriver(QSerialPort& port) {
  // A wait of no time writes while the descriptor is writable and stops when it is not,
  // where a flush would report the driver's "try again" as a write failure.
  for (qint64 left = port.bytesToWrite(); left > 0 && port.waitForBytesWritten(0);) {
    const qint64 now_left = port.bytesToWrite();
    if (now_left >= left) break;  // the driver took nothing: the rest waits in the queue
    left = now_left;
  }
  if (port.error() == QSerialPort::TimeoutError) port.clearError();
}

void DrainBeforeClose(QSerialPort& port) {
  if (!port.isOpen()) return;
  const int fd = static_cast<int>(port.handle());
  const LineSettings line = CurrentLine(port);
  const std::size_t pending =
      static_cast<std::size_t>(port.bytesToWrite()) + os::QueuedOutputBytes(fd).value_or(0);
  if (pending == 0) return;
  const auto deadline = std::chrono::steady_clock::now() + DrainBudget(pending, line);

  // Qt's own buffer first: each wait hands the driver what it takes, up to the deadline.
  while (port.bytesToWrite() > 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !port.waitForBytesWritten(static_cast<int>(left.count()))) break;
  }
  const bool drained = port.bytesToWrite() == 0 && WaitForLineToDrain(fd, line, deadline);
  // A line held up past its time: what it could not send is dropped, else the driver's
  // close would wait for it.
  if (!drained) port.clear(QSerialPort::Output);
  port.clearError();
}

}  // namespace platform
