#pragma once
// What the serial layer says when a device cannot be used: in the windows' own language,
// with the device's path, and in words that tell the user what to do about it.

#include <string_view>

#include "platform/serial/port_error.h"

namespace platform {

// Why `device` could not be opened, from the system's error number: it does not exist
// (ENOENT, ENODEV, ENXIO), the user may not use it (EACCES, EPERM), another program holds
// it (EBUSY), or anything else (0 when the number is unknown).
PortError OpenFailure(std::string_view device, int system_error);

// Line settings the device cannot do, named as the user chose them ("数据位 4"). Numbered
// like any other unusable settings, so that the programs show the text itself.
PortError SettingsNotSupported(std::string_view device, std::string_view setting);

// The device failed while in use: unplugged, or the other side of a pseudo-terminal gone.
// `number` is kErrReadFailed or kErrWriteFailed.
PortError DeviceFailed(int number, std::string_view device);

}  // namespace platform
