#include "platform/serial/trace_file.h"

#include "platform/serial/trace_json.h"

namespace platform {

std::unique_ptr<TraceFile> TraceFile::Open(const std::string& path, std::string& error,
                                           FailureReport on_failure) {
  std::unique_ptr<AppendingFile> file = AppendingFile::Open(path, "", error);
  if (file == nullptr) {
    error = "cannot write the trace file " + error;
    return nullptr;
  }
  return std::unique_ptr<TraceFile>(new TraceFile(std::move(file), std::move(on_failure)));
}

void TraceFile::Take(const TrafficRecord& record) {
  if (file_->Append(TraceLine(record) + "\n") || failed_) return;
  failed_ = true;  // once: a full disk would say so at every record
  if (on_failure_) on_failure_(file_->error());
}

}  // namespace platform
