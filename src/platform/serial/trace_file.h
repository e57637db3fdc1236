#pragma once
// The trace file (--trace FILE): every record appended as one JSON line and flushed at
// once, so a crash loses nothing already seen. It streams and keeps nothing.

#include <functional>
#include <memory>
#include <string>

#include "platform/appending_file.h"
#include "platform/serial/traffic_recorder.h"

namespace platform {

class TraceFile final : public TrafficSink {
 public:
  // Told once, with "PATH: reason", when a record could not be written (a full disk): the
  // trace has a gap from there on, and whoever started it should say so.
  using FailureReport = std::function<void(const std::string& error)>;

  // Null, with `error` saying why, when the file cannot be opened for appending or
  // refuses every write.
  static std::unique_ptr<TraceFile> Open(const std::string& path, std::string& error,
                                         FailureReport on_failure = nullptr);

  void Take(const TrafficRecord& record) override;

 private:
  TraceFile(std::unique_ptr<AppendingFile> file, FailureReport on_failure)
      : file_(std::move(file)), on_failure_(std::move(on_failure)) {}
  std::unique_ptr<AppendingFile> file_;
  FailureReport on_failure_;
  bool failed_ = false;
};

}  // namespace platform
