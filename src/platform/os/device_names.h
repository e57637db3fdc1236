#pragma once
// Where the system keeps its serial devices.

#include <string>

namespace platform::os {

// The system's own device for port number N (com N) when nothing maps it elsewhere:
// "/dev/ttyS0" for com1.
std::string SystemSerialDevice(int port_number);

// The folder of stable links to USB serial adapters, each named after the adapter itself
// (maker, model, serial number): "/dev/serial/by-id".
std::string StableSerialLinkFolder();

}  // namespace platform::os
