#pragma once
// Opens a tty (USB adapter, built-in port or pseudo-terminal) as a SerialDevice through
// Qt SerialPort. The port is taken exclusively; a port held by another program fails
// with a description that says so. Needs a QCoreApplication in the process.

#include <memory>
#include <string>

#include "platform/serial/port_target.h"
#include "platform/serial/serial_device.h"

namespace platform {

std::unique_ptr<SerialDevice> OpenQtSerialDevice(const std::string& path, PortError& error);
// The target's tty, put into kernel RS-485 mode when the target asks for it: a driver
// that refuses leaves the port closed, with nothing sent, and `error` says why.
std::unique_ptr<SerialDevice> OpenQtSerialDevice(const PortTarget& target, PortError& error);

}  // namespace platform
