#pragma once
// A failure of the serial layer: a number, a description and the name of its source.
// The layer's own failures are numbered above 8000, like those of the serial control
// the programs were first written against.

#include <optional>
#include <string>

namespace platform {

enum PortErrorNumber : int {
  kErrInvalidSettings = 380,     // a line settings text that cannot be parsed
  kErrInvalidPortNumber = 8002,  // port number below 1
  kErrPortAlreadyOpen = 8005,    // open, or change of port number, while open
  kErrDeviceUnavailable = 8010,  // the device does not exist or cannot be opened
  kErrDeviceBusy = 8019,         // another program holds the device
  kErrSetStateFailed = 8015,     // the device refused the line settings
  kErrPortNotOpen = 8018,        // an I/O operation on a closed port
  kErrReadFailed = 8020,         // the device failed while reading (e.g. unplugged)
  kErrWriteFailed = 8021,        // the device failed while writing
  kErrEchoMismatch = 8030,       // the adapter's echo differs from what was sent, or stopped short
};

struct PortError {
  int number = 0;
  std::string description;
  std::string source;
};

// Result of a port operation: empty on success, the failure otherwise.
using PortResult = std::optional<PortError>;

inline bool Ok(const PortResult& r) { return !r.has_value(); }

}  // namespace platform
