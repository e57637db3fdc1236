#pragma once
// Where a serial port's traffic goes when someone looks: the recorder stamps each record
// with the time and hands it to its sinks (a trace file, the monitor's list). A port
// that has no recorder records nothing and pays one branch per operation.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/serial/traffic_record.h"

namespace platform {

// Takes every record a recorder makes. A sink keeps what it needs before returning.
class TrafficSink {
 public:
  virtual ~TrafficSink() = default;
  virtual void Take(const TrafficRecord& record) = 0;
};

// An exchange's reply is a few dozen bytes; a device that streams without end must not
// grow the summary: of what was sent and what came back, the first this many bytes are kept.
inline constexpr std::size_t kMostExchangeBytes = 4096;

// The device a port number stands for ("/dev/ttyUSB0", "sim"), for the open records.
using DeviceNames = std::function<std::string(int port_number)>;

class TrafficRecorder {
 public:
  TrafficRecorder(const Clock& clock, DeviceNames device_names);

  void AddSink(TrafficSink& sink) { sinks_.push_back(&sink); }

  void Event(int port, PortEvent event, std::string_view settings, std::string_view error = {});
  void Bytes(int port, Direction dir, std::string_view bytes, std::string_view settings);
  // The summary of the exchange that the port's last write began: what was written, what
  // came back since, and the time from the write to now.
  void Exchange(int port, std::string_view address, std::string_view command, std::string_view outcome,
                bool outcome_is_verdict);

 private:
  // The exchange under way on one port, gathered from its bytes.
  struct Pending {
    std::string sent;
    std::string received;
    std::uint64_t write_us = 0;
  };
  struct PortState {
    std::string device;  // named when the port opens, so a byte costs no look-up
    Pending exchange;
  };

  TrafficRecord Stamped(TrafficKind kind, int port, std::string_view settings);
  void Publish(const TrafficRecord& record);

  const Clock& clock_;
  DeviceNames device_names_;
  std::vector<TrafficSink*> sinks_;
  std::map<int, PortState> ports_;
};

}  // namespace platform
