#pragma once
// The trace file (--trace FILE): every record appended as one JSON line and flushed at
// once, so a crash loses nothing already seen. It streams and keeps nothing.

#include <fstream>
#include <memory>
#include <string>

#include "platform/serial/traffic_recorder.h"

namespace platform {

class TraceFile final : public TrafficSink {
 public:
  // Null, with `error` saying why, when the file cannot be opened for appending.
  static std::unique_ptr<TraceFile> Open(const std::string& path, std::string& error);

  void Take(const TrafficRecord& record) override;

 private:
  explicit TraceFile(std::ofstream out) : out_(std::move(out)) {}
  std::ofstream out_;
};

}  // namespace platform
