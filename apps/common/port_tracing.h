#pragma once
// Who records the program's port traffic in this run: the trace file of --trace, and the
// traffic monitor's list once the monitor has been opened. Until one of them asks, the
// port has no recorder and records nothing.

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/serial/trace_file.h"
#include "platform/serial/traffic_log.h"
#include "platform/serial/traffic_recorder.h"

namespace app {

class PortTracing {
 public:
  PortTracing(platform::SerialPort& port, const platform::Clock& clock, platform::DeviceNames device_names);
  ~PortTracing() { port_.set_recorder(nullptr); }
  PortTracing(const PortTracing&) = delete;
  PortTracing& operator=(const PortTracing&) = delete;

  // --trace FILE; an empty path traces nothing. False, with `error`, when FILE cannot be
  // opened for appending or refuses to be written. `on_failure` is told once when a
  // record cannot be written later.
  bool TraceTo(const std::string& path, std::string& error, platform::TraceFile::FailureReport on_failure);

  // The monitor's list; the port records into it from the first call on.
  platform::TrafficLog& WindowLog();

 private:
  platform::SerialPort& port_;
  platform::TrafficRecorder recorder_;
  std::unique_ptr<platform::TraceFile> file_;
  std::unique_ptr<platform::TrafficLog> log_;
};

}  // namespace app
