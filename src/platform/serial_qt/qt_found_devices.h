#pragma once
// The machine's serial devices as Qt SerialPort finds them, each with its stable
// /dev/serial/by-id link where udev made one. Needs no QCoreApplication.

#include "platform/serial/found_device.h"

namespace platform {

FoundDevices FindQtSerialDevices();

}  // namespace platform
