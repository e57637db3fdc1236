#include "apps/common/port_tracing.h"

namespace app {

PortTracing::PortTracing(platform::SerialPort& port, const platform::Clock& clock,
                         platform::DeviceNames device_names)
    : port_(port), recorder_(clock, std::move(device_names)) {}

bool PortTracing::TraceTo(const std::string& path, std::string& error,
                          platform::TraceFile::FailureReport on_failure) {
  if (path.empty()) return true;
  file_ = platform::TraceFile::Open(path, error, std::move(on_failure));
  if (!file_) return false;
  recorder_.AddSink(*file_);
  port_.set_recorder(&recorder_);
  return true;
}

platform::TrafficLog& PortTracing::WindowLog() {
  if (!log_) {
    log_ = std::make_unique<platform::TrafficLog>();
    recorder_.AddSink(*log_);
    port_.set_recorder(&recorder_);
  }
  return *log_;
}

}  // namespace app
